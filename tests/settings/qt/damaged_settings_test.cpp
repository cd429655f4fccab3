// A settings file that is not what the program wrote still gives usable settings.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include "settings/qt/settings_store_qt.h"
#include "settings/quillmark_system.h"

namespace {

TEST(DamagedSettingsFile, LoadsAsTheDefaultsWhereverItIsUnreadable) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quillmark.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // Binary junk, a half line, an unterminated group, values of the wrong kind and a text
    // CP932 cannot hold.
    file.write(
        QByteArray("\x00\xff\xfe[AddingLogData\nDefaultPoints=abc\n"
                   "[TitleLogoDisplay]\nnElapse=99999999999999999999\n"
                   "[PunctuationMarks]\nPunctuationMarks=\xc3\xa9\n[Displaying",
                   130));
    file.close();
    CQtSettingsStore store(path);
    CQuillmarkSystem settings;
    settings.Load(store);
    settings.Validate(false);
    EXPECT_EQ(settings.GetDefaultPoints(), 1);
    EXPECT_EQ(settings.GetnElapse(), 3);
    EXPECT_EQ(settings.GetPunctuationMarks(), "/,.");
    EXPECT_EQ(settings.GetReplacementPairCount(), 2);
    EXPECT_TRUE(settings.Save(store));
}

}  // namespace
