#include "ui/app/quillmark_app.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <sstream>

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

using ui_test::ExpectGolden;

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

    // A fresh store without the title logo, for the next start (the application that owned
    // the last one goes first).
    void NewStore() {
        app_.reset();
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

    // Written at a fixed time: an automatic save is offered with its saving time.
    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(folder_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.flush();
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1700003600),
                         QFileDevice::FileModificationTime);
        return file.fileName();
    }

    // The messages shown since the last call, with the temporary folder as FOLDER and this
    // process as the other program holding a file.
    std::string Messages() {
        std::string seen;
        for (const auto& message : op_.Messages()) {
            seen += "[" + Cp932ToUtf8(message.caption) + "] " + std::to_string(message.style) +
                    " -> " + std::to_string(message.answer) + ": " + Cp932ToUtf8(message.text) +
                    "\n";
        }
        if (op_.UnscriptedCount() > 0) {
            seen += std::to_string(op_.UnscriptedCount()) + " of them unscripted\n";
        }
        op_.ClearRecords();
        seen =
            platform_test::ReplacedAll(seen, " " + std::to_string(::getpid()) + "、", " <pid>、");
        seen = platform_test::ReplacedAll(seen, " " + file_lock::HostName() + ")", " <host>)");
        return platform_test::ReplacedAll(seen, folder_.path().toStdString(), "FOLDER");
    }
    // The windows open (the active one marked; a contest with its count of entries, the city
    // codes with theirs), the count of menus, the recent files, then the messages.
    std::string Seen() {
        std::ostringstream seen;
        for (CChildFrame* child : app_->MainFrame()->ChildFrames()) {
            seen << (child == app_->MainFrame()->ActiveChildFrame() ? "* " : "  ")
                 << child->windowTitle().toStdString();
            if (auto* contest = qobject_cast<CQuillmarkChildFrame*>(child)) {
                seen << ": " << contest->QuillmarkDocument().GetContest().GetTotalEntryCount()
                     << " entries";
            } else if (auto* city = qobject_cast<CCityCodeDataChildFrame*>(child)) {
                seen << ": " << city->CityCodeDocument().GetDatabase().GetItemCount()
                     << " city codes";
            }
            seen << "\n";
        }
        seen << app_->MainFrame()->menuBar()->actions().size() << " menus, "
             << app_->RecentFiles().Paths().size() << " recent files\n";
        return seen.str() + Messages();
    }
    static std::string Shown(std::optional<int> start) {
        return start ? "ended with " + std::to_string(*start) + "\n" : "runs\n";
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
    std::ostringstream seen_;
};

// Without arguments only the city code window opens; a sample opens its contest window once
// (opening it again brings it forward) and a directory is refused. A missing city code file
// ends start-up naming file and folder, a file that cannot be opened ends it with a message,
// and bad arguments end it too; in the golden file.
TEST_F(AppStart, WhatStartUpOpensAndWhatEndsIt) {
    seen_ << "no arguments: " << Shown(Start()) << Seen();
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(app_->OpenDocumentFile(kSample));
    }
    seen_ << "the sample opened twice\n" << Seen();
    EXPECT_FALSE(app_->OpenDocumentFile(folder_.path()));
    seen_ << "a directory\n" << Seen();
    Stop();
    const QString damaged = Write(QStringLiteral("damaged.qmk"), QByteArray("\x05garbage", 8));
    for (const QStringList& arguments :
         {QStringList{damaged}, QStringList{QStringLiteral("--bogus")},
          QStringList{QStringLiteral("-p"), QStringLiteral("a.qmk"), QStringLiteral("b.qmk")}}) {
        NewStore();
        seen_ << platform_test::ReplacedAll(arguments.join(' ').toStdString(),
                                            folder_.path().toStdString(), "FOLDER")
              << ": " << Shown(Start(arguments)) << Messages();
    }
    NewStore();
    QFile::remove(folder_.filePath(QStringLiteral("Qmk_Code.ini")));
    seen_ << "no city code file: " << Shown(Start()) << Messages();
    ExpectGolden("ui/app_start", seen_.str());
}

// An empty stored rectangle (right of -1) is ignored whatever the flag.
TEST_F(AppStart, WindowPlacementFollowsTheSaveFlag) {
    delete store_;  // the one from SetUp was never handed to an application
    // The save flag, the stored right edge, whether it is restored and whether it is recorded.
    for (const auto& [flag, right, restored, recorded] :
         {std::array{0, 840, 0, 0}, {1, 840, 1, 0}, {2, 840, 1, 1}, {2, -1, 0, 1}}) {
        NewStore();
        store_->SetInt("MainWindowPlacement", "MainWindowPlacementSaveFlag", flag);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.left", 40);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.top", 30);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.right", right);
        store_->SetInt("MainWindowPlacement", "MainWindowRect.bottom", 630);
        ASSERT_EQ(Start(), std::nullopt);
        EXPECT_EQ(app_->MainFrame()->geometry().width() == 800, restored == 1) << flag;
        EXPECT_GT(app_->MainFrame()->width(), 100);
        app_->MainFrame()->setGeometry(10, 20, 700, 500);
        Stop();
        EXPECT_EQ(store_->GetInt("MainWindowPlacement", "MainWindowRect.right", 0) == 710,
                  recorded == 1)
            << flag;
    }
}

// --- A crashed run's automatic save, and a file another program has open. ---

// Each leftover automatic save is offered with its saving time (in UTC here) and contents:
// Tmp_1 is opened (Yes) and locked until its window closes, the damaged Tmp_2 deleted (No,
// then OK), Tmp_3 kept after all (No, then Cancel), Tmp_4 kept (Cancel). A file another
// program has open is refused (No) or opened read-only (Yes: its title says so; that such a
// document saves nothing is the document's save test).
TEST_F(AppStart, LeftoverAutomaticSavesAndAFileAnotherProgramHasOpen) {
    const QString leftover = folder_.filePath(QStringLiteral("Tmp_1.qmk"));
    const QByteArray contest =
        QByteArray::fromStdString(platform_test::ReadAll(kSample.toStdString()));
    for (const char* name : {"Tmp_1.qmk", "Tmp_2.qmk", "Tmp_3.qmk", "Tmp_4.qmk"}) {
        Write(QString::fromLatin1(name), name[4] == '2' ? QByteArray("damaged") : contest);
    }
    const QString lock = QString::fromStdString(file_lock::LockFilePathOf(leftover.toStdString()));
    for (const int answer : {message_box::kIdYes, message_box::kIdNo, message_box::kIdOk,
                             message_box::kIdNo, message_box::kIdCancel, message_box::kIdCancel}) {
        op_.AnswerMessage(answer);
    }
    store_->SetInt("DateDisplay", "IsDisplayUTC", 1);
    seen_ << "leftovers: " << Shown(Start()) << Seen();
    for (const char* name : {"Tmp_2.qmk", "Tmp_3.qmk", "Tmp_4.qmk"}) {
        seen_ << name
              << (QFile::exists(folder_.filePath(QString::fromLatin1(name))) ? " kept\n"
                                                                             : " gone\n");
    }
    EXPECT_EQ(op_.UnusedAnswerCount(), 0);
    EXPECT_EQ(ActiveContest()->Document().GetPathName(), leftover.toStdString());
    EXPECT_TRUE(QFile::exists(lock));
    app_->WindowOf(ActiveContest())->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(QFile::exists(lock));

    const QString shared = folder_.filePath(QStringLiteral("shared.qmk"));
    ASSERT_TRUE(QFile::copy(kSample, shared));
    QLockFile other(QString::fromStdString(file_lock::LockFilePathOf(shared.toStdString())));
    ASSERT_TRUE(other.tryLock(0));
    op_.AnswerMessage(message_box::kIdNo);
    EXPECT_FALSE(app_->OpenDocumentFile(shared));
    seen_ << "shared, No\n" << Seen();
    op_.AnswerMessage(message_box::kIdYes);
    ASSERT_TRUE(app_->OpenDocumentFile(shared));
    seen_ << "shared, Yes\n" << Seen();
    ActiveContest()->QuillmarkDocument().SetModifiedFlag(true);
    op_.AnswerMessage(message_box::kIdNo);  // do not save the changes at exit
    Stop();
    seen_ << "at exit\n" << Messages();
    ExpectGolden("ui/app_shared_files", seen_.str());
}

// The tree's band nodes and the status bar's band pane, in the golden file, follow the bands
// activated, added (not made active) and deleted (asked twice); band commands need a band
// node of the tree, in the active tree. Then the modified contest asks before it closes
// (Cancel keeps it), and the city code window closes with Escape only when it is not
// included in searches.
TEST_F(AppStart, TheContestWindowFollowsItsBandsAndItsWindowsCloseAsTheOperatorSays) {
    const QString sample = folder_.filePath(QStringLiteral("sample.qmk"));
    QFile::copy(kSample, sample);
    ASSERT_EQ(Start({sample}), std::nullopt);
    CQuillmarkChildFrame* frame = ActiveContest();
    ASSERT_NE(frame, nullptr);
    const auto bands = [this, frame](const char* what, bool ran) {
        seen_ << what << ": " << ran << ", pane " << frame->ContestStatusTexts()[2].toStdString()
              << "\n";
        for (QTreeWidgetItemIterator it(&frame->ContestInformationView()); *it != nullptr; ++it) {
            if ((*it)->parent() != nullptr &&
                (*it)->parent()->text(0) == QStringLiteral("周波数帯ごとの情報")) {
                seen_ << "  " << (*it)->text(0).toStdString() << "\n";
            }
        }
        seen_ << Messages();
    };
    bands("opened", true);
    frame->SetActiveView(command_rules::ContestWindow::kContestInformation);
    bands("activate without a band node", Run(cmd::kActivateBand));
    frame->ContestInformationView().SelectBand(3);
    op_.AnswerMessage(message_box::kIdOk);
    bands("activate the fourth", Run(cmd::kActivateBand));
    op_.AnswerDialog(message_box::kIdOk, [this](CDialogState& state, int) {
        auto& band = static_cast<CBandInformationDialog&>(state);
        band.SetFrequency(430);
        band.SetSentContestNumberText("59/10");
        EXPECT_TRUE(band.OnOK(op_, "/"));
    });
    op_.AnswerMessage(message_box::kIdNo);
    bands("add 430", Run(cmd::kAddNewBand));
    frame->SetActiveView(command_rules::ContestWindow::kContestInformation);
    frame->ContestInformationView().SelectBand(6);
    op_.AnswerMessage(message_box::kIdOk);
    op_.AnswerMessage(message_box::kIdOk);
    bands("delete it", Run(cmd::kDeleteExistingBand));

    frame->QuillmarkDocument().SetModifiedFlag(true);
    QMdiSubWindow* window = app_->WindowOf(frame);
    op_.AnswerMessage(message_box::kIdCancel);
    window->close();
    QCoreApplication::processEvents();
    seen_ << "closed, Cancel\n" << Seen();
    op_.AnswerMessage(message_box::kIdNo);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    seen_ << "closed, No\n" << Seen();
    auto* city = qobject_cast<CCityCodeDataChildFrame*>(app_->MainFrame()->ChildFrames()[0]);
    ASSERT_NE(city, nullptr);
    QTest::keyClick(city, Qt::Key_Escape);
    QCoreApplication::processEvents();
    seen_ << "Escape in the city codes\n" << Seen();
    city->CityCodeDocument().SetIncludedInSearch(false);
    QTest::keyClick(city, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();  // the list of databases follows once it is gone
    seen_ << "Escape, not included in searches\n" << Seen();
    EXPECT_EQ(app_->CityCodes()->GetCount(), 0);
    Stop();
    ExpectGolden("ui/app_bands", seen_.str());
}

}  // namespace
