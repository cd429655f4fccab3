#include "settings/qt/settings_store_qt.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <QTemporaryDir>

#include "../../platform/temp_folder.h"
#include "../changed_settings.h"
#include "platform/cp932_convert.h"
#include "settings/memory_settings_store.h"
#include "settings/quillmark_system.h"

namespace {

void WriteAll(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

class QtSettingsStore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString Path() const { return folder_.filePath(QStringLiteral("Quillmark.ini")); }

    QTemporaryDir folder_;
};

TEST_F(QtSettingsStore, SettingsRoundTripThroughARealIniFile) {
    const CQuillmarkSystem original = settings_test::ChangedSettings();
    {
        CQtSettingsStore store(Path());
        ASSERT_TRUE(original.Save(store));
    }
    const std::string ini = platform_test::ReadAll(Path().toStdString());
    for (const char* line : {"[System]", "IsSavingSettingsEnabled=1", "DefaultPoints=30000"}) {
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in " << ini;
    }
    CQtSettingsStore store(Path());
    CQuillmarkSystem loaded;
    loaded.Load(store);
    loaded.Validate(false);
    EXPECT_EQ(settings_test::SavedText(loaded), settings_test::SavedText(original));
}

TEST_F(QtSettingsStore, HandWrittenFileIsReadAsTheUserMeantIt) {
    WriteAll(Path(),
             "[TitleLogoDisplay]\n"
             "nElapse= 7 \n"
             "[AddingLogData]\n"
             "DefaultPoints=many\n"
             "[PunctuationMarks]\n"
             "PunctuationMarks=/,.\n"
             "[SummarySheetInformation]\n"
             "Name=\xE3\x82\xAF\xE3\x82\xA4\xE3\x83\xAB\n"  // クイル in UTF-8
             "Place=\xF0\x9F\x93\xBB\n");                   // a radio emoji: no CP932 form
    CQtSettingsStore store(Path());
    EXPECT_EQ(store.GetInt("TitleLogoDisplay", "nElapse", 3), 7);
    EXPECT_EQ(store.GetInt("AddingLogData", "DefaultPoints", 1), 1);
    EXPECT_EQ(store.GetString("PunctuationMarks", "PunctuationMarks", "x"), "/,.");
    EXPECT_EQ(store.GetString("SummarySheetInformation", "Name", ""), Utf8ToCp932("クイル"));
    EXPECT_EQ(store.GetString("SummarySheetInformation", "Place", "missing"), "missing");
    EXPECT_EQ(store.GetString("SummarySheetInformation", "Absent", "missing"), "missing");
}

// A file that is not what the program wrote still gives usable settings: binary junk, a half
// line, an unterminated group, values of the wrong kind and a text CP932 cannot hold.
TEST_F(QtSettingsStore, DamagedFileLoadsAsTheDefaultsWhereverItIsUnreadable) {
    WriteAll(Path(), std::string("\x00\xff\xfe[AddingLogData\nDefaultPoints=abc\n"
                                 "[TitleLogoDisplay]\nnElapse=99999999999999999999\n"
                                 "[PunctuationMarks]\nPunctuationMarks=\xc3\xa9\n[Displaying",
                                 130));
    CQtSettingsStore store(Path());
    CQuillmarkSystem settings;
    settings.Load(store);
    settings.Validate(false);
    EXPECT_EQ(settings.GetDefaultPoints(), 1);
    EXPECT_EQ(settings.GetnElapse(), 3);
    EXPECT_EQ(settings.GetPunctuationMarks(), "/,.");
    EXPECT_EQ(settings.GetReplacementPairCount(), 2);
    EXPECT_TRUE(settings.Save(store));
}

TEST_F(QtSettingsStore, RemovedKeyReadsAsMissing) {
    CQtSettingsStore store(Path());
    store.SetInt("Printing", "DefaultPrintType", 3);
    EXPECT_EQ(store.GetInt("Printing", "DefaultPrintType", 1), 3);
    store.RemoveKey("Printing", "DefaultPrintType");
    EXPECT_EQ(store.GetInt("Printing", "DefaultPrintType", 1), 1);
    EXPECT_TRUE(store.GetKeys("Printing").empty());
}

TEST_F(QtSettingsStore, UnwritableFileIsReportedBySync) {
    // A regular file stands where the folder of the settings file would have to be.
    WriteAll(folder_.filePath(QStringLiteral("blocker")), "x");
    CQtSettingsStore store(folder_.filePath(QStringLiteral("blocker/Quillmark.ini")));
    store.SetInt("System", "IsSavingSettingsEnabled", 1);
    EXPECT_FALSE(store.Sync());
}

TEST(QtSettingsStoreUser, UsesTheOrganisationAndApplicationFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    const CQtSettingsStore store;
    EXPECT_TRUE(store.FileName().endsWith(QStringLiteral("Halvard_Systems/Quillmark.ini")))
        << store.FileName().toStdString();
}

}  // namespace
