#include "ui/qt_operator.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/progress_dialog.h"
#include "modal_script.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"
#include "ui/frames/main_frame.h"
#include "ui_test_util.h"

namespace {

using ui_test::AppGuard;
using ui_test::J;

class QtOperator : public testing::Test {
protected:
    AppGuard app_;
    CQuillmarkSystem settings_;
    CMainFrame frame_{settings_};
    CQtOperator operator_{&frame_};
    ui_test::ModalScript script_;
};

// Each box's title, text, icon and Japanese buttons (the default marked) and its result, in
// the golden file: the button clicked, or for a closed box (Escape, the title bar's close
// button) its default or Cancel. (Status texts reaching the status bar are in the keyboard
// session's transcript.)
TEST_F(QtOperator, MessageBoxesShowJapaneseButtonsAndGiveTheClickedOrTheClosedResult) {
    using namespace message_box;
    std::string seen;
    for (const auto& [style, click] :
         {std::pair{kYesNo | kIconQuestion | kDefaultButton2, QMessageBox::Yes},
          {kYesNo | kDefaultButton2, QMessageBox::NoButton},
          {kOkCancel, QMessageBox::NoButton},
          {kOk | kIconExclamation, QMessageBox::NoButton}}) {
        script_.On(QStringLiteral("開始しますか"), [&seen, click = click](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            QString shown =
                ui_test::ModalScript::Describe(box) + " | icon " + QString::number(box->icon());
            for (QAbstractButton* button : box->buttons()) {
                shown += " | " + button->text() + (button == box->defaultButton() ? "*" : "");
            }
            seen += shown.toStdString();
            click != QMessageBox::NoButton ? box->button(click)->click() : (void)modal->close();
        });
        int result = 0;
        script_.Run([&, style = style] {
            result = operator_.ShowMessage(J("開始しますか？"), J("クイルマーク - 手動入力モード"),
                                           style);
        });
        seen += " -> " + std::to_string(result) + "\n";
    }
    ui_test::ExpectGolden("ui/message_boxes", seen);
}

// The window's labels, bar and cancel button after each step, in the golden file.
TEST_F(QtOperator, ProgressWindowShowsTheStateAndItsCancelButtonCancels) {
    frame_.show();
    CProgressDialog progress(operator_);
    progress.SetProgressText(0, J("クイルマーク - 並べ替え"));
    progress.SetProgressText(1, J("並べ替えています。"));
    progress.SetProgressRange(0, 200);
    progress.SetProgressPos(50);
    progress.EnableCancel(true);
    progress.Show();
    const QPointer<QDialog> window = frame_.findChild<QDialog*>();
    ASSERT_TRUE(window != nullptr && window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("クイルマーク - 並べ替え"));
    auto* bar = window->findChild<QProgressBar*>();
    auto* cancel = window->findChild<QPushButton*>();
    ASSERT_TRUE(bar != nullptr && cancel != nullptr);
    std::string seen;
    const auto shown = [&](const char* what) {
        seen += std::string(what) + ":";
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            seen += " |" + label->text().toStdString();
        }
        seen += " | bar " + std::to_string(bar->value()) + " of " + std::to_string(bar->maximum()) +
                ", " + cancel->text().toStdString() + (cancel->isEnabled() ? " enabled" : "") +
                (cancel->isVisible() ? " shown" : " hidden") + ", cancelled " +
                std::to_string(progress.IsCancelled()) + "\n";
    };
    shown("shown");
    progress.SetProgressPos(100);
    shown("half");
    cancel->click();
    shown("cancel clicked");
    progress.EnableCancel(false);
    shown("cancel off");
    ui_test::ExpectGolden("ui/progress_window", seen);
    progress.Close();
    EXPECT_TRUE(window.isNull());
    frame_.close();
}

TEST_F(QtOperator, FileDialogAsksWithTitleSuffixAndDefaultNameAndReturnsThePath) {
    const QString chosen = QDir::tempPath() + QStringLiteral("/quillmark_qt_operator_test.log");
    script_.On(QStringLiteral("ログデータのテキスト出力"), [&chosen](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("クイルマーク - ログデータのテキスト出力"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("log"));
        EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("ﾃｷｽﾄ化されたﾛｸﾞ (*.log)"),
                                                      QStringLiteral("すべてのﾌｧｲﾙ (*.*)")}));
        // The operator types over the default name in the focused name field.
        auto* name = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), QStringLiteral("JA1ZZZ"));
        name->setText(chosen);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
    });
    FileNameRequest request;
    request.save = true;
    request.title = J("クイルマーク - ログデータのテキスト出力");
    request.filter = J("ﾃｷｽﾄ化されたﾛｸﾞ (*.log)|*.log|すべてのﾌｧｲﾙ (*.*)|*.*||");
    request.default_name = "JA1ZZZ";
    request.default_extension = "log";
    std::optional<std::string> path;
    script_.Run([&] { path = operator_.AskFileName(request); });
    EXPECT_EQ(path, chosen.toStdString());
    script_.On(QString(), [](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    script_.Run([&] { path = operator_.AskFileName(request); });
    EXPECT_EQ(path, std::nullopt);
    // Only the patterns Qt can read are kept.
    EXPECT_EQ(CQtOperator::NameFilters("Logs|*.a;*.b||"),
              QStringList{QStringLiteral("Logs (*.a *.b)")});
}

// A dialog without a registered window is cancelled (the registered windows are run by the
// keyboard session).
TEST_F(QtOperator, ADialogWithoutAWindowIsCancelled) {
    CLogDataConfirmDialog dialog;
    EXPECT_EQ(operator_.RunDialog(dialog, 0), message_box::kIdCancel);
}

// One too many off does not underflow: the next on shows the cursor again.
TEST_F(QtOperator, WaitCursorNests) {
    std::string shown;
    for (const bool on : {true, true, false, false, false, true, false}) {
        operator_.SetWaitCursor(on);
        shown += QApplication::overrideCursor() != nullptr ? '1' : '0';
    }
    EXPECT_EQ(shown, "1110010");
}

}  // namespace
