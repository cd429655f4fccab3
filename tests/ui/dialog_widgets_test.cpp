// The dialog widgets by themselves: what a screen reader is told, where the focus lands,
// and the replacing edit while the operator types. The settings sheet is driven with keys:
// its checks are the state's own; here the page that stays, the message box and the field
// that gets the focus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "../document/document_test_util.h"
#include "dialogs/band_information_dialog.h"
#include "dialogs/city_code_search_dialog.h"
#include "dialogs/contest_type_sheet.h"
#include "dialogs/log_data_search_dialog.h"
#include "dialogs/parameter_attribute_dialog.h"
#include "dialogs/scripted_operator.h"
#include "dialogs/summary_sheet_dialog.h"
#include "dialogs/system_setting_sheet.h"
#include "modal_script.h"
#include "settings/quillmark_system.h"
#include "ui/dialogs/band_information_dialog_widget.h"
#include "ui/dialogs/city_code_search_dialog_widget.h"
#include "ui/dialogs/contest_type_sheet_widget.h"
#include "ui/dialogs/log_data_input_sheet_widget.h"
#include "ui/dialogs/log_data_search_dialog_widget.h"
#include "ui/dialogs/parameter_attribute_dialog_widget.h"
#include "ui/dialogs/summary_sheet_dialog_widget.h"
#include "ui/dialogs/system_setting_sheet_widget.h"
#include "ui/qt_operator.h"
#include "ui/widgets/replacing_line_edit.h"
#include "ui_test_util.h"

namespace {

// The edit and the drop-down list of a combo box are read as the box.
bool InsideComboBox(const QWidget* control) {
    for (const QWidget* parent = control->parentWidget(); parent != nullptr;
         parent = parent->parentWidget()) {
        if (qobject_cast<const QComboBox*>(parent) != nullptr) {
            return true;
        }
    }
    return false;
}

// The controls of a window that a screen reader could not name: no accessible name, no
// label pointing at it, no text of its own.
QStringList Unnamed(const QWidget& window) {
    QSet<QWidget*> labelled;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            labelled.insert(label->buddy());
        }
    }
    QStringList unnamed;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(control) != nullptr ||
                           qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
                           qobject_cast<QComboBox*>(control) != nullptr ||
                           qobject_cast<QAbstractItemView*>(control) != nullptr ||
                           qobject_cast<QAbstractButton*>(control) != nullptr;
        if (!input || qobject_cast<QHeaderView*>(control) != nullptr ||
            control->parentWidget() == nullptr ||
            qobject_cast<QAbstractSpinBox*>(control->parentWidget()) != nullptr ||
            InsideComboBox(control)) {
            continue;  // the line edit inside a spin box or combo box is the box itself
        }
        const auto* button = qobject_cast<QAbstractButton*>(control);
        if (control->accessibleName().isEmpty() && !labelled.contains(control) &&
            (button == nullptr || button->text().isEmpty())) {
            unnamed << QStringLiteral("%1 in %2")
                           .arg(QString::fromLatin1(control->metaObject()->className()),
                                window.windowTitle());
        }
    }
    return unnamed;
}

// Types text the way an input method delivers it: one key event per character with its
// text and no key code (QTest only knows the keys of a Latin keyboard).
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class DialogWidgets : public testing::Test {
protected:
    ui_test::AppGuard app_;
    CScriptedOperator op_;
    CQuillmarkSystem settings_;
};

TEST_F(DialogWidgets, EveryControlHasANameAScreenReaderReads) {
    CSystemSettingSheet system;
    system.FillFrom(settings_);
    CSummarySheetDialog summary;
    CContestTypeSheet contest("x", op_, settings_);
    contest.RunWizard(0);
    CBandInformationDialog band;
    CLogDataSearchDialog search;
    CCityCodeSearchDialog city;
    CParameterAttributeDialog attribute;
    const QStringList unnamed = Unnamed(CSystemSettingSheetWidget(system, op_)) +
                                Unnamed(CSummarySheetDialogWidget(summary, op_)) +
                                Unnamed(CContestTypeSheetWidget(contest, settings_)) +
                                Unnamed(CLogDataInputSheetWidget(settings_)) +
                                Unnamed(CBandInformationDialogWidget(band, op_, settings_)) +
                                Unnamed(CLogDataSearchDialogWidget(search, op_, settings_)) +
                                Unnamed(CCityCodeSearchDialogWidget(city, op_)) +
                                Unnamed(CParameterAttributeDialogWidget(attribute, op_));
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QLatin1Char('\n')).toStdString();
}

TEST_F(DialogWidgets, ReplacingEditShowsTheDelimiterAtOnceAndKeepsTheCaretAtTheEnd) {
    settings_.RemoveAllReplacementPairs();
    ASSERT_TRUE(settings_.AddReplacementPair(",", "/"));
    ASSERT_TRUE(settings_.AddReplacementPair("=", "59/"));
    CReplacingLineEdit edit;
    edit.LoadReplacement(settings_);
    edit.SetUpperCase(true);
    edit.show();
    QTest::keyClicks(&edit, QStringLiteral("ja1abc,1"));
    EXPECT_EQ(edit.text(), QStringLiteral("JA1ABC/1"));
    EXPECT_EQ(edit.cursorPosition(), 8);
    edit.setCursorPosition(0);
    QTest::keyClicks(&edit, QStringLiteral("="));
    EXPECT_EQ(edit.text(), QStringLiteral("59/JA1ABC/1"));
    EXPECT_EQ(edit.cursorPosition(), 3);  // behind what the replacement put in

    // The limit counts CP932 bytes: a full-width letter takes two, and a character CP932
    // cannot hold is refused.
    CReplacingLineEdit limited;
    limited.SetByteLimit(4);
    limited.show();
    TypeText(&limited, QStringLiteral("ＡＢＣ"));
    EXPECT_EQ(limited.text(), QStringLiteral("ＡＢ"));
    limited.clear();
    TypeText(&limited, QStringLiteral("é1"));
    EXPECT_EQ(limited.text(), QStringLiteral("1"));
}

// A number out of range keeps its page; a pair that feeds itself is not added; the radio
// page's daemon needs a host; each with the state's message and the focus on the field.
TEST_F(DialogWidgets, SettingsRefusalsKeepThePageWithTheMessageAndFocusTheField) {
    using Sheet = CSystemSettingSheet;
    CQtOperator op;
    Sheet sheet;
    sheet.FillFrom(settings_);
    const size_t pairs = sheet.GetValues().pairs.size();
    CSystemSettingSheetWidget widget(sheet, op);
    widget.show();
    // The message box the operator's act brings up, answered with Return.
    ui_test::ModalScript script;
    const auto refused = [&script](const QString& message, const std::function<void()>& act) {
        script.Keys(message, {Qt::Key_Return});
        script.Run([&act] {
            act();
            QTest::qWait(50);
        });
    };
    QWidget* page = widget.Tabs()->widget(Sheet::kAddingLogData);
    widget.Tabs()->setCurrentWidget(page);
    auto* points = page->findChild<QSpinBox*>();
    ASSERT_NE(points, nullptr);
    points->setFocus();
    points->selectAll();
    QTest::keyClicks(points, QStringLiteral("30001"));
    refused(QStringLiteral("1 から 30000 までの整数を入力してください。"),
            [&widget] { widget.Tabs()->setCurrentIndex(Sheet::kDisplaying); });
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
    refused(QString::fromStdString(Cp932ToUtf8(sheet.AddPair("ab", "xa").warning)),
            [add] { add->click(); });
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
    refused(QStringLiteral("rigctld のホスト名を入力してください。"),
            [&widget] { widget.accept(); });
    EXPECT_EQ(widget.focusWidget(), host);
    EXPECT_NE(widget.result(), QDialog::Accepted);

    page->findChildren<QRadioButton*>()[0]->click();
    widget.accept();
    EXPECT_EQ(widget.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.GetValues().default_points, 5);
}

}  // namespace
