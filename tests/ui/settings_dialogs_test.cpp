// The settings dialogs driven with keys: their checks are the states' own.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "dialogs/system_setting_sheet.h"
#include "settings/quillmark_system.h"
#include "ui/dialogs/system_setting_sheet_widget.h"
#include "ui/qt_operator.h"
#include "ui/qt_text.h"
#include "ui_test_util.h"

namespace {

using ui_test::WhenModal;

class SystemSettingSheetWidgetTest : public testing::Test {
protected:
    // Answers the next message box with Enter and keeps its text.
    void ExpectMessage() {
        WhenModal([this](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            messages_ << box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
    }

    ui_test::AppGuard app_;
    CQtOperator operator_;
    CQuillmarkSystem settings_;
    CSystemSettingSheet sheet_;
    QStringList messages_;
};

// A number out of range keeps its page; a pair that feeds itself is not added; both with the
// state's message and the focus on the field to mend.
TEST_F(SystemSettingSheetWidgetTest, RefusalsKeepThePageWithTheStatesMessageAndFocusTheField) {
    sheet_.FillFrom(settings_);
    const size_t pairs = sheet_.GetValues().pairs.size();
    CSystemSettingSheetWidget widget(sheet_, operator_);
    widget.show();
    widget.Tabs()->setCurrentIndex(CSystemSettingSheet::kAddingLogData);
    auto* points = widget.Tabs()->currentWidget()->findChild<QSpinBox*>();
    ASSERT_NE(points, nullptr);
    points->setFocus();
    points->selectAll();
    QTest::keyClicks(points, QStringLiteral("30001"));

    ExpectMessage();
    widget.Tabs()->setCurrentIndex(CSystemSettingSheet::kDisplaying);
    QTest::qWait(50);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_[0], QStringLiteral("1 から 30000 までの整数を入力してください。"));
    EXPECT_EQ(qt_text::FromCp932(sheet_.CheckPage(CSystemSettingSheet::kAddingLogData).warning),
              messages_[0]);
    EXPECT_EQ(widget.Tabs()->currentIndex(), CSystemSettingSheet::kAddingLogData);
    EXPECT_EQ(widget.focusWidget(), points);
    points->selectAll();
    QTest::keyClicks(points, QStringLiteral("5"));

    widget.Tabs()->setCurrentIndex(CSystemSettingSheet::kCharacters);
    const QList<QLineEdit*> edits = widget.Tabs()->currentWidget()->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 3);  // delimiters, source, destination
    edits[1]->setText(QStringLiteral("ab"));
    edits[2]->setText(QStringLiteral("xa"));
    QPushButton* add = nullptr;
    for (QPushButton* button : widget.findChildren<QPushButton*>()) {
        add = button->text() == QStringLiteral("追加(&A)") ? button : add;
    }
    ASSERT_NE(add, nullptr);
    ExpectMessage();
    add->click();
    QTest::qWait(50);
    ASSERT_EQ(messages_.size(), 2);
    EXPECT_TRUE(
        messages_[1].contains(QStringLiteral("変換後の文字列に変換前の文字が含まれている")));
    EXPECT_EQ(sheet_.GetValues().pairs.size(), pairs);
    EXPECT_EQ(widget.focusWidget(), edits[2]);

    widget.accept();
    EXPECT_EQ(widget.result(), QDialog::Accepted);
    EXPECT_EQ(sheet_.GetValues().default_points, 5);
}

}  // namespace
