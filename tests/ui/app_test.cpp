#include "ui/app/quillmark_app.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/band_information_dialog.h"
#include "dialogs/scripted_operator.h"
#include "document/city_code_data_doc.h"
#include "document/quillmark_doc.h"
#include "platform/file_lock.h"
#include "settings/memory_settings_store.h"
#include "ui/commands/command_actions.h"
#include "ui/commands/command_ids.h"
#include "ui/frames/city_code_data_child_frame.h"
#include "ui/frames/main_frame.h"
#include "ui/frames/quillmark_child_frame.h"
#include "ui/views/contest_information_view.h"
#include "ui_test_util.h"

namespace {

using ui_test::J;

const QString kSample = QStringLiteral(QUILLMARK_SOURCE_DIR "/data/samples/sample_contest.qmk");

// A program folder with the city code file, a settings store in memory and the scripted
// operator, so start-up runs as in the program without touching the user's files.
class AppStart : public testing::Test {
protected:
    void SetUp() override {
        ui_test::EnsureApp();
        ASSERT_TRUE(folder_.isValid());
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/Qmk_Code.ini"),
                    folder_.filePath(QStringLiteral("Qmk_Code.ini")));
        NewStore();
    }

    // A fresh store without the title logo, for the next start (the application owns it).
    void NewStore() {
        store_ = new CMemorySettingsStore;
        store_->SetInt("TitleLogoDisplay", "IsDisplayingTitleLogoEnabled", 0);
    }

    std::optional<int> Start(QStringList arguments = {}) {
        app_ = std::make_unique<CQuillmarkApp>(std::unique_ptr<ISettingsStore>(store_), nullptr,
                                               folder_.path(), &op_);
        arguments.prepend(QStringLiteral("quillmark"));
        return app_->InitInstance(arguments);
    }

    void Stop() {
        app_->MainFrame()->close();
        app_->ExitInstance();
    }

    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    CQuillmarkChildFrame* ActiveContest() const {
        return qobject_cast<CQuillmarkChildFrame*>(app_->MainFrame()->ActiveChildFrame());
    }
    bool Run(int id) {
        app_->MainFrame()->Commands().UpdateAll();
        return app_->MainFrame()->Commands().Run(id);
    }

    QTemporaryDir folder_;
    CMemorySettingsStore* store_ = nullptr;  // owned by the application
    CScriptedOperator op_;
    std::unique_ptr<CQuillmarkApp> app_;
};

// Without arguments only the city code window opens; a sample opens its contest window once
// (opening it again brings it forward) and a directory is refused.
TEST_F(AppStart, TheCityCodeWindowOpensThenASampleAndADirectoryIsRefused) {
    EXPECT_EQ(Start(), std::nullopt);
    ASSERT_EQ(app_->MainFrame()->ChildFrames().size(), 1);
    auto* city = qobject_cast<CCityCodeDataChildFrame*>(app_->MainFrame()->ChildFrames()[0]);
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->CityCodeDocument().GetDatabase().GetItemCount(), 1407);
    EXPECT_EQ(app_->CityCodes()->GetTotalItemCount(), 1407);
    EXPECT_EQ(app_->MainFrame()->menuBar()->actions().size(), 7);  // the city code bar
    EXPECT_EQ(op_.Messages().size(), 0u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(app_->OpenDocumentFile(kSample));
    }
    EXPECT_EQ(app_->MainFrame()->ChildFrames().size(), 2);
    auto* contest = ActiveContest();
    ASSERT_NE(contest, nullptr);
    EXPECT_GT(contest->QuillmarkDocument().GetContest().GetTotalEntryCount(), 100);
    EXPECT_EQ(app_->RecentFiles().Paths().size(), 2u);  // the sample and the city codes
    EXPECT_FALSE(app_->OpenDocumentFile(folder_.path()));
    EXPECT_EQ(op_.Messages().back().caption, J("クイルマーク - 警告"));
    Stop();
}

TEST_F(AppStart, AMissingCityCodeFileEndsStartUpNamingFileAndFolder) {
    QFile::remove(folder_.filePath(QStringLiteral("Qmk_Code.ini")));
    EXPECT_EQ(Start(), 1);
    ASSERT_EQ(op_.Messages().size(), 1u);
    const QString text = QString::fromStdString(Cp932ToUtf8(op_.Messages()[0].text));
    EXPECT_TRUE(text.contains(QStringLiteral("Qmk_Code.ini"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(folder_.path()))) << text.toStdString();
    EXPECT_EQ(op_.Messages()[0].Icon(), message_box::kIconStop);
}

TEST_F(AppStart, BadFilesOnTheCommandLineOrDroppedGiveAMessageAndNoCrash) {
    const QString damaged = Write(QStringLiteral("damaged.qmk"), QByteArray("\x05garbage", 8));
    EXPECT_EQ(Start({damaged}), 1);  // a file that cannot be opened ends the start
    EXPECT_EQ(op_.Messages().size(), 1u);
    app_.reset();
    NewStore();
    EXPECT_EQ(Start({QStringLiteral("--bogus")}), 2);
    app_.reset();
    NewStore();
    EXPECT_EQ(Start({QStringLiteral("-p"), QStringLiteral("a.qmk"), QStringLiteral("b.qmk")}), 2);
}

// An empty stored rectangle (right of -1) is ignored whatever the flag.
TEST_F(AppStart, WindowPlacementFollowsTheSaveFlag) {
    struct Case {
        int flag;
        int right;
        bool restored;
        bool recorded;
    } const cases[] = {
        {0, 840, false, false}, {1, 840, true, false}, {2, 840, true, true}, {2, -1, false, true}};
    delete store_;  // the one from SetUp was never handed to an application
    for (const Case& c : cases) {
        app_.reset();
        NewStore();
        store_->SetInt("MainWindowPlacement", "MainWindowPlacementSaveFlag", c.flag);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.left", 40);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.top", 30);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.right", c.right);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.bottom", 630);
        ASSERT_EQ(Start(), std::nullopt);
        EXPECT_EQ(app_->MainFrame()->geometry().width() == 800, c.restored) << c.flag;
        EXPECT_GT(app_->MainFrame()->width(), 100);
        app_->MainFrame()->setGeometry(10, 20, 700, 500);
        Stop();
        EXPECT_EQ(store_->GetInt("MainWindowPlacement", "MainWindowRect.right", 0) == 710,
                  c.recorded)
            << c.flag;
    }
}

// --- A crashed run's automatic save, and a file another program has open. ---

TEST_F(AppStart, ALeftoverAutomaticSaveIsOfferedOpenedAndLockedUntilItsWindowCloses) {
    const QString leftover = folder_.filePath(QStringLiteral("Tmp_1.qmk"));
    ASSERT_TRUE(QFile::copy(kSample, leftover));
    const QString lock = QString::fromStdString(file_lock::LockFilePathOf(leftover.toStdString()));
    op_.AnswerMessage(message_box::kIdYes);
    ASSERT_EQ(Start(), std::nullopt);
    ASSERT_EQ(op_.Messages().size(), 1u);
    EXPECT_EQ(op_.Messages()[0].caption, J("クイルマーク - 自動保存ファイルの復元"));
    auto* contest = ActiveContest();
    ASSERT_NE(contest, nullptr);
    EXPECT_EQ(contest->Document().GetPathName(), leftover.toStdString());
    EXPECT_TRUE(QFile::exists(lock));
    app_->WindowOf(contest)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(lock));
    Stop();
}

TEST_F(AppStart, AFileAnotherProgramHasOpenOpensReadOnlyOrNotAtAll) {
    const QString shared = folder_.filePath(QStringLiteral("shared.qmk"));
    ASSERT_TRUE(QFile::copy(kSample, shared));
    QLockFile other(QString::fromStdString(file_lock::LockFilePathOf(shared.toStdString())));
    ASSERT_TRUE(other.tryLock(0));
    ASSERT_EQ(Start(), std::nullopt);
    op_.AnswerMessage(message_box::kIdNo);
    EXPECT_FALSE(app_->OpenDocumentFile(shared));
    ASSERT_EQ(op_.Messages().size(), 1u);
    EXPECT_EQ(op_.Messages()[0].caption, J("クイルマーク - ファイルの共有"));
    EXPECT_EQ(op_.Messages()[0].style, message_box::kYesNo | message_box::kIconQuestion);
    EXPECT_EQ(app_->MainFrame()->ChildFrames().size(), 1);

    op_.AnswerMessage(message_box::kIdYes);
    ASSERT_TRUE(app_->OpenDocumentFile(shared));
    auto* contest = ActiveContest();
    ASSERT_NE(contest, nullptr);
    CQuillmarkDoc& document = contest->QuillmarkDocument();
    EXPECT_TRUE(document.IsReadOnly());
    EXPECT_TRUE(contest->windowTitle().contains(QStringLiteral("[読み取り専用]")));
    document.SetModifiedFlag(true);
    app_->Settings().SetIsAutomaticSavingEnabled(1);
    EXPECT_EQ(document.SaveAutomatically(true), 0);
    QFile original(kSample);
    QFile now(shared);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly) && now.open(QIODevice::ReadOnly));
    EXPECT_EQ(now.readAll(), original.readAll());
    op_.AnswerMessage(message_box::kIdNo);  // do not save the changes at exit
    Stop();
}

// The tree and the status bar follow the bands activated, added (not made active) and deleted
// (asked twice); band commands need a band node of the tree, in the active tree. Then the
// modified contest asks before it closes (Cancel keeps it), and the city code window closes
// with Escape only when it is not included in searches.
TEST_F(AppStart, TheContestWindowFollowsItsBandsAndItsWindowsCloseAsTheOperatorSays) {
    const QString sample = folder_.filePath(QStringLiteral("sample.qmk"));
    QFile::copy(kSample, sample);
    ASSERT_EQ(Start({sample}), std::nullopt);
    CQuillmarkChildFrame* frame = ActiveContest();
    ASSERT_NE(frame, nullptr);
    const auto band_nodes = [frame] {
        QStringList bands;
        for (QTreeWidgetItemIterator it(&frame->ContestInformationView()); *it != nullptr; ++it) {
            if ((*it)->parent() != nullptr &&
                (*it)->parent()->text(0) == QStringLiteral("周波数帯ごとの情報")) {
                bands << (*it)->text(0);
            }
        }
        return bands;
    };
    const QString active = QStringLiteral(" （アクティブ）");
    const QStringList before = band_nodes();
    ASSERT_EQ(before.size(), 6);
    EXPECT_TRUE(before[1].endsWith(active));
    frame->SetActiveView(command_rules::ContestWindow::kContestInformation);
    EXPECT_FALSE(Run(cmd::kActivateBand));
    frame->ContestInformationView().SelectBand(3);
    op_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(Run(cmd::kActivateBand));
    EXPECT_TRUE(band_nodes()[3].endsWith(active));
    EXPECT_FALSE(band_nodes()[1].endsWith(active));
    EXPECT_EQ(frame->ContestStatusTexts()[2], QStringLiteral("21 Ｍ"));
    op_.AnswerDialog(message_box::kIdOk, [this](CDialogState& state, int) {
        auto& band = static_cast<CBandInformationDialog&>(state);
        band.SetFrequency(430);
        band.SetSentContestNumberText("59/10");
        EXPECT_TRUE(band.OnOK(op_, "/"));
    });
    op_.AnswerMessage(message_box::kIdNo);
    EXPECT_TRUE(Run(cmd::kAddNewBand));
    ASSERT_EQ(band_nodes().size(), 7);
    EXPECT_TRUE(band_nodes()[6].startsWith(QStringLiteral("430 ")));
    frame->SetActiveView(command_rules::ContestWindow::kContestInformation);
    frame->ContestInformationView().SelectBand(6);
    op_.AnswerMessage(message_box::kIdOk);
    op_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(Run(cmd::kDeleteExistingBand));
    EXPECT_EQ(band_nodes(), before.mid(0, 1) + QStringList{band_nodes()[1]} + before.mid(2, 1) +
                                QStringList{band_nodes()[3]} + before.mid(4));
    EXPECT_EQ(op_.UnscriptedCount(), 0);

    frame->QuillmarkDocument().SetModifiedFlag(true);
    QMdiSubWindow* window = app_->WindowOf(frame);
    QPointer<CQuillmarkChildFrame> alive = frame;
    op_.AnswerMessage(message_box::kIdCancel);
    window->close();
    QCoreApplication::processEvents();
    ASSERT_NE(alive, nullptr);
    EXPECT_EQ(op_.Messages().back().text, J("sample.qmk への変更を保存しますか?"));
    op_.AnswerMessage(message_box::kIdNo);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(alive, nullptr);

    ASSERT_EQ(app_->MainFrame()->ChildFrames().size(), 1);  // the city codes are left
    auto* city = qobject_cast<CCityCodeDataChildFrame*>(app_->MainFrame()->ChildFrames()[0]);
    ASSERT_NE(city, nullptr);
    QPointer<CCityCodeDataChildFrame> city_alive = city;
    QTest::keyClick(city, Qt::Key_Escape);
    QCoreApplication::processEvents();
    ASSERT_NE(city_alive, nullptr);
    city->CityCodeDocument().SetIncludedInSearch(false);
    QTest::keyClick(city, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();  // the list of databases follows once it is gone
    EXPECT_EQ(city_alive, nullptr);
    EXPECT_EQ(app_->CityCodes()->GetCount(), 0);
    Stop();
}

}  // namespace
