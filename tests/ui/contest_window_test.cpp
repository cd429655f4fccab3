// The contest and city code windows with their commands, answered by the scripted operator:
// the tree after a band is activated, added and deleted, the status bar following it, a
// modified contest asking before it closes, and the city window's Escape.
#include <gtest/gtest.h>

#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/band_information_dialog.h"
#include "dialogs/scripted_operator.h"
#include "document/city_code_data_doc.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "settings/memory_settings_store.h"
#include "ui/app/quillmark_app.h"
#include "ui/commands/command_actions.h"
#include "ui/commands/command_ids.h"
#include "ui/frames/city_code_data_child_frame.h"
#include "ui/frames/main_frame.h"
#include "ui/frames/quillmark_child_frame.h"
#include "ui/views/contest_information_view.h"
#include "ui_test_util.h"

namespace {

using ui_test::J;

class ContestWindow : public testing::Test {
protected:
    void SetUp() override {
        ui_test::EnsureApp();
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/Qmk_Code.ini"),
                    folder_.filePath(QStringLiteral("Qmk_Code.ini")));
        const QString sample = folder_.filePath(QStringLiteral("sample.qmk"));
        QFile::copy(QStringLiteral(QUILLMARK_SOURCE_DIR "/data/samples/sample_contest.qmk"),
                    sample);
        auto store = std::make_unique<CMemorySettingsStore>();
        store->SetInt("TitleLogoDisplay", "IsDisplayingTitleLogoEnabled", 0);
        app_ = std::make_unique<CQuillmarkApp>(std::move(store), nullptr, folder_.path(), &op_);
        ASSERT_EQ(app_->InitInstance({QStringLiteral("quillmark"), sample}), std::nullopt);
        frame_ = qobject_cast<CQuillmarkChildFrame*>(app_->MainFrame()->ActiveChildFrame());
        ASSERT_NE(frame_, nullptr);
    }

    bool Run(int id) {
        app_->MainFrame()->Commands().UpdateAll();
        return app_->MainFrame()->Commands().Run(id);
    }
    // The texts of the band nodes of the tree.
    QStringList BandNodes() const {
        QStringList bands;
        for (QTreeWidgetItemIterator it(&frame_->ContestInformationView()); *it != nullptr; ++it) {
            if ((*it)->parent() != nullptr &&
                (*it)->parent()->text(0) == QStringLiteral("周波数帯ごとの情報")) {
                bands << (*it)->text(0);
            }
        }
        return bands;
    }

    QTemporaryDir folder_;
    CScriptedOperator op_;
    std::unique_ptr<CQuillmarkApp> app_;
    CQuillmarkChildFrame* frame_ = nullptr;
};

TEST_F(ContestWindow, TheTreeAndTheStatusBarFollowTheBands) {
    const QStringList before = BandNodes();
    ASSERT_EQ(before.size(), 6);
    EXPECT_TRUE(before[1].endsWith(QStringLiteral(" （アクティブ）")));
    // Band commands need a band node of the tree, in the active tree.
    frame_->SetActiveView(command_rules::ContestWindow::kContestInformation);
    EXPECT_FALSE(Run(cmd::kActivateBand));
    frame_->ContestInformationView().SelectBand(3);
    op_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(Run(cmd::kActivateBand));
    EXPECT_TRUE(BandNodes()[3].endsWith(QStringLiteral(" （アクティブ）")));
    EXPECT_FALSE(BandNodes()[1].endsWith(QStringLiteral(" （アクティブ）")));
    EXPECT_EQ(frame_->ContestStatusTexts()[2], QStringLiteral("21 Ｍ"));

    // A new band (not made active) adds its node; deleting one, asked twice, removes it.
    op_.AnswerDialog(message_box::kIdOk, [this](CDialogState& state, int) {
        auto& band = static_cast<CBandInformationDialog&>(state);
        band.SetFrequency(430);
        band.SetSentContestNumberText("59/10");
        EXPECT_TRUE(band.OnOK(op_, "/"));
    });
    op_.AnswerMessage(message_box::kIdNo);
    EXPECT_TRUE(Run(cmd::kAddNewBand));
    EXPECT_EQ(BandNodes().size(), 7);
    EXPECT_TRUE(BandNodes()[6].startsWith(QStringLiteral("430 ")));
    frame_->SetActiveView(command_rules::ContestWindow::kContestInformation);
    frame_->ContestInformationView().SelectBand(6);
    op_.AnswerMessage(message_box::kIdOk);
    op_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(Run(cmd::kDeleteExistingBand));
    EXPECT_EQ(BandNodes(), before.mid(0, 1) + QStringList{BandNodes()[1]} + before.mid(2, 1) +
                               QStringList{BandNodes()[3]} + before.mid(4));
    EXPECT_EQ(op_.UnscriptedCount(), 0);
}

TEST_F(ContestWindow, AModifiedContestAsksBeforeItClosesAndCancelKeepsIt) {
    frame_->QuillmarkDocument().SetModifiedFlag(true);
    QMdiSubWindow* window = app_->WindowOf(frame_);
    QPointer<CQuillmarkChildFrame> alive = frame_;
    op_.AnswerMessage(message_box::kIdCancel);
    window->close();
    QCoreApplication::processEvents();
    ASSERT_NE(alive, nullptr);
    EXPECT_EQ(op_.Messages().back().text, J("sample.qmk への変更を保存しますか?"));
    op_.AnswerMessage(message_box::kIdNo);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(alive, nullptr);
    EXPECT_EQ(app_->MainFrame()->ChildFrames().size(), 1);  // the city codes are left
}

TEST_F(ContestWindow, EscapeClosesACityCodeWindowOnlyWhenItIsNotIncludedInSearches) {
    auto* city = qobject_cast<CCityCodeDataChildFrame*>(app_->MainFrame()->ChildFrames()[0]);
    ASSERT_NE(city, nullptr);
    QPointer<CCityCodeDataChildFrame> alive = city;
    QTest::keyClick(city, Qt::Key_Escape);
    QCoreApplication::processEvents();
    ASSERT_NE(alive, nullptr);
    city->CityCodeDocument().SetIncludedInSearch(false);
    QTest::keyClick(city, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();  // the list of databases follows once it is gone
    EXPECT_EQ(alive, nullptr);
    EXPECT_EQ(app_->CityCodes()->GetCount(), 0);
}

}  // namespace
