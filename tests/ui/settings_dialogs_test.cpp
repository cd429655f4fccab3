// The settings sheet driven with keys: its checks are the state's own; here the page that
// stays, the message box and the field that gets the focus.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "dialogs/system_setting_sheet.h"
#include "settings/quillmark_system.h"
#include "ui/dialogs/system_setting_sheet_widget.h"
#include "ui/qt_operator.h"
#include "ui_test_util.h"

namespace {

using Sheet = CSystemSettingSheet;

// A number out of range keeps its page; a pair that feeds itself is not added; the radio
// page's daemon needs a host; each with the state's message and the focus on the field.
TEST(SystemSettingSheetWidget, RefusalsKeepThePageWithTheMessageAndFocusTheField) {
    ui_test::AppGuard app;
    CQtOperator op;
    CQuillmarkSystem settings;
    Sheet sheet;
    sheet.FillFrom(settings);
    const size_t pairs = sheet.GetValues().pairs.size();
    CSystemSettingSheetWidget widget(sheet, op);
    widget.show();
    QStringList messages;
    const auto expect_message = [&messages] {
        ui_test::WhenModal([&messages](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            messages << box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
    };
    QWidget* page = widget.Tabs()->widget(Sheet::kAddingLogData);
    widget.Tabs()->setCurrentWidget(page);
    auto* points = page->findChild<QSpinBox*>();
    ASSERT_NE(points, nullptr);
    points->setFocus();
    points->selectAll();
    QTest::keyClicks(points, QStringLiteral("30001"));
    expect_message();
    widget.Tabs()->setCurrentIndex(Sheet::kDisplaying);
    QTest::qWait(50);
    EXPECT_EQ(widget.Tabs()->currentIndex(), Sheet::kAddingLogData);
    EXPECT_EQ(widget.focusWidget(), points);
    points->selectAll();
    QTest::keyClicks(points, QStringLiteral("5"));

    widget.Tabs()->setCurrentIndex(Sheet::kCharacters);
    const QList<QLineEdit*> edits = widget.Tabs()->currentWidget()->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 3);  // delimiters, source, destination
    edits[1]->setText(QStringLiteral("ab"));
    edits[2]->setText(QStringLiteral("xa"));
    QPushButton* add = nullptr;
    for (QPushButton* button : widget.findChildren<QPushButton*>()) {
        add = button->text() == QStringLiteral("追加(&A)") ? button : add;
    }
    ASSERT_NE(add, nullptr);
    expect_message();
    add->click();
    QTest::qWait(50);
    EXPECT_EQ(sheet.GetValues().pairs.size(), pairs);
    EXPECT_EQ(widget.focusWidget(), edits[2]);

    // The radio: off by default; the daemon's host is enabled once it is chosen.
    widget.Tabs()->setCurrentIndex(Sheet::kRadio);
    EXPECT_EQ(widget.Tabs()->tabText(Sheet::kRadio), QStringLiteral("無線機"));
    page = widget.Tabs()->currentWidget();
    const QList<QRadioButton*> connections = page->findChildren<QRadioButton*>();
    ASSERT_EQ(connections.size(), 3);
    EXPECT_TRUE(connections[0]->isChecked());
    connections[2]->setFocus();
    QTest::keyClick(connections[2], Qt::Key_Space);
    QLineEdit* host = nullptr;
    for (QLineEdit* edit : page->findChildren<QLineEdit*>()) {
        host = edit->text() == QStringLiteral("localhost") ? edit : host;
    }
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(host->isEnabled());
    host->clear();
    expect_message();
    widget.accept();
    QTest::qWait(50);
    EXPECT_EQ(widget.focusWidget(), host);
    EXPECT_NE(widget.result(), QDialog::Accepted);
    EXPECT_EQ(messages,
              (QStringList{QStringLiteral("1 から 30000 までの整数を入力してください。"),
                           QString::fromStdString(Cp932ToUtf8(sheet.AddPair("ab", "xa").warning)),
                           QStringLiteral("rigctld のホスト名を入力してください。")}));

    page->findChildren<QRadioButton*>()[0]->click();
    widget.accept();
    EXPECT_EQ(widget.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.GetValues().default_points, 5);
}

}  // namespace
