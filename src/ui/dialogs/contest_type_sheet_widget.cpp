#include "ui/dialogs/contest_type_sheet_widget.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/contest_type_sheet.h"
#include "dialogs/operator.h"
#include "settings/quillmark_system.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"
#include "ui/widgets/range_spin_box.h"
#include "ui/widgets/replacing_line_edit.h"
#include "ui/widgets/ui_metrics.h"

namespace {

using qt_text::FromCp932;
using qt_text::ToCp932;
using Sheet = CContestTypeSheet;
using Parameter1 = CContestTypePage_Parameter_1;
using Parameter2 = CContestTypePage_Parameter_2;
using Main = CContestTypePage_MainInformation_1;

QLabel* Text(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* Text(const Cp932& text, QWidget* parent) {
    return Text(FromCp932(text), parent);
}

}  // namespace

int CContestTypeSheetWidget::Run(QWidget* parent, CContestTypeSheet& sheet,
                                 const CQuillmarkSystem& settings) {
    CContestTypeSheetWidget widget(sheet, settings, parent);
    return widget.exec() == QDialog::Accepted ? Sheet::kIdWizardFinish : message_box::kIdCancel;
}

CContestTypeSheetWidget::CContestTypeSheetWidget(CContestTypeSheet& sheet,
                                                 const CQuillmarkSystem& settings, QWidget* parent)
    : CWizardFrame(parent), sheet_(sheet), settings_(settings) {
    setWindowTitle(FromCp932(sheet.GetCaption()));
    for (QWidget* page : {BuildBeginPage(), BuildParameter1Page(), BuildParameter2Page(),
                          BuildMainInformationPage(), BuildEndPage()}) {
        Pages()->addWidget(page);
    }
    ShowActivePage();
}

QWidget* CContestTypeSheetWidget::BuildBeginPage() {
    auto* page = new QWidget(this);
    auto* group = new QGroupBox(page);
    begin_text_ = Text(FromCp932(sheet_.GetBeginPage().GetText()), group);
    (new QVBoxLayout(group))->addWidget(begin_text_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Text(CContestTypePage_Begin::GetHeading(), page));
    layout->addWidget(group);
    layout->addStretch();
    layout->addWidget(Text(CContestTypePage_Begin::GetBottomText(), page));
    return page;
}

QWidget* CContestTypeSheetWidget::BuildParameter1Page() {
    auto* page = new QWidget(this);
    parameter1_heading_ = Text(QString(), page);
    struct Field {
        const char* label;
        const char* explanation;
        const char* before;
        const char* after;
        int lower;
    } const fields[] = {
        {"■ パラメータ数 ( 1 以上 ) ：",
         "パラメータ数とは、区切り文字によって区別された\n部分文字列の総数です。", "", "個", 1},
        {"■ メインパラメータの位置 ( 1 以上 ) ：",
         "メインパラメータとは、呼出符号本体を格納する\nパラメータのことです。", "第", "パラメータ",
         1},
        {"■ パラメータ数 ( 1 以上 ) ：",
         "パラメータ数とは、区切り文字によって区別された\n部分文字列の総数です。", "", "個", 1},
        {"■ マルチパラメータの位置 ( 1 以上 ／ マルチなし = 0 ) ：",
         "マルチパラメータとは、コンテストナンバーの中で、\nマルチを格納するパラメータのことです。",
         "第", "パラメータ", 0},
    };
    const char* const names[] = {"呼出符号のパラメータ数", "メインパラメータの位置",
                                 "コンテストナンバーのパラメータ数", "マルチパラメータの位置"};
    QGroupBox* groups[] = {new QGroupBox(QStringLiteral("呼出符号の形式"), page),
                           new QGroupBox(QStringLiteral("コンテストナンバーの形式"), page)};
    QVBoxLayout* group_layouts[] = {new QVBoxLayout(groups[0]), new QVBoxLayout(groups[1])};
    for (size_t i = 0; i < counts_.size(); ++i) {
        QGroupBox* group = groups[i / 2];
        counts_[i] =
            new CRangeSpinBox(fields[i].lower, Parameter1::kUpper, Parameter1::kTextLimit, group);
        counts_[i]->setAccessibleName(QString::fromUtf8(names[i]));
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QString::fromUtf8(fields[i].label), group));
        row->addStretch();
        row->addWidget(new QLabel(QString::fromUtf8(fields[i].before), group));
        row->addWidget(counts_[i]);
        row->addWidget(new QLabel(QString::fromUtf8(fields[i].after), group));
        group_layouts[i / 2]->addLayout(row);
        auto* explanation = new QLabel(QString::fromUtf8(fields[i].explanation), group);
        explanation->setContentsMargins(24, 0, 0, 4);
        group_layouts[i / 2]->addWidget(explanation);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(parameter1_heading_);
    layout->addWidget(groups[0]);
    layout->addWidget(groups[1]);
    layout->addStretch();
    return page;
}

QWidget* CContestTypeSheetWidget::BuildParameter2Page() {
    auto* page = new QWidget(this);
    parameter2_heading_ = Text(QString(), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(parameter2_heading_);
    for (int list = 0; list < 2; ++list) {
        auto* tree = new QTreeWidget(page);
        QStringList titles;
        for (int c = 0; c < Parameter2::kColumnCount; ++c) {
            titles << FromCp932(Parameter2::GetColumnTitle(c));
        }
        tree->setHeaderLabels(titles);
        tree->setRootIsDecorated(false);
        tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
        tree->setAllColumnsShowFocus(true);
        for (int c = 0; c < Parameter2::kColumnCount; ++c) {
            tree->setColumnWidth(c, ui_metrics::Scaled(tree, Parameter2::kColumnWidths[c]));
        }
        tree->installEventFilter(this);
        lists_[static_cast<size_t>(list)] = tree;
        QLabel* label =
            dialog_support::Label(FromCp932(Parameter2::GetListLabel(list)), tree, page);
        tree->setAccessibleName(label->text().remove(QStringLiteral(" ↓")));
        layout->addWidget(label);
        layout->addWidget(tree, 1);
    }
    return page;
}

std::array<CRangeSpinBox*, 6> CContestTypeSheetWidget::DateTimeRow(QWidget* parent, QLayout* into) {
    std::array<CRangeSpinBox*, 6> fields{};
    auto* row = new QHBoxLayout;
    const char* const units[] = {"年 （西暦）", "月", "日", "時", "分", "秒"};
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i] = new CRangeSpinBox(Main::kFieldLower[i], Main::kFieldUpper[i],
                                      Main::kFieldTextLimits[i], parent);
        fields[i]->setAccessibleName(QString::fromUtf8(units[i]));
        row->addWidget(fields[i]);
        row->addWidget(new QLabel(QString::fromUtf8(units[i]), parent));
    }
    row->addStretch();
    static_cast<QBoxLayout*>(into)->addLayout(row);
    return fields;
}

QWidget* CContestTypeSheetWidget::BuildMainInformationPage() {
    auto* page = new QWidget(this);
    name_ = new QLineEdit(page);
    category_code_ = new QLineEdit(page);
    category_name_ = new QLineEdit(page);
    own_call_sign_ = new CReplacingLineEdit(page);
    own_call_sign_->SetUpperCase(true);
    own_call_sign_->LoadReplacement(settings_);
    auto* form = new QFormLayout;
    form->addRow(dialog_support::Label(QStringLiteral("コンテスト名(&N) ："), name_, page), name_);
    auto* category = new QGroupBox(QStringLiteral("コンテスト参加部門 ："), page);
    auto* category_form = new QFormLayout(category);
    category_form->addRow(
        dialog_support::Label(QStringLiteral("コード(&C) ："), category_code_, category),
        category_code_);
    category_form->addRow(
        dialog_support::Label(QStringLiteral("名称(&M) ："), category_name_, category),
        category_name_);
    category_code_->setAccessibleName(QStringLiteral("参加部門のコード"));
    category_name_->setAccessibleName(QStringLiteral("参加部門の名称"));
    form->addRow(category);
    form->addRow(
        dialog_support::Label(QStringLiteral("自局の呼出符号(&O) ："), own_call_sign_, page),
        own_call_sign_);
    auto* period = new QVBoxLayout;
    period->addWidget(new QLabel(QStringLiteral("開始日時 ："), page));
    start_ = DateTimeRow(page, period);
    period->addWidget(new QLabel(QStringLiteral("終了日時 ："), page));
    end_ = DateTimeRow(page, period);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Text(Main::GetHeading(), page));
    layout->addLayout(form);
    layout->addLayout(period);
    layout->addStretch();
    return page;
}

QWidget* CContestTypeSheetWidget::BuildEndPage() {
    auto* page = new QWidget(this);
    summary_ = new QPlainTextEdit(page);
    summary_->setReadOnly(true);
    summary_->setAccessibleName(QStringLiteral("設定の内容"));
    end_instruction_ = Text(QString(), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Text(CContestTypePage_End::GetHeading(), page));
    layout->addWidget(summary_, 1);
    layout->addWidget(end_instruction_);
    return page;
}

void CContestTypeSheetWidget::FillLists() {
    const Parameter2& page = sheet_.GetParameter2Page();
    for (int list = 0; list < 2; ++list) {
        QTreeWidget* tree = lists_[static_cast<size_t>(list)];
        const int current = tree->indexOfTopLevelItem(tree->currentItem());
        tree->clear();
        const int rows = static_cast<int>(page.GetAttributeList(list).size());
        for (int row = 0; row < rows; ++row) {
            QStringList texts;
            for (const Cp932& text : page.GetRowTexts(list, row)) {
                texts << FromCp932(text);
            }
            auto* item = new QTreeWidgetItem(tree, texts);
            item->setIcon(0, QIcon(QStringLiteral(":/icons/tree_value.svg")));
        }
        if (rows > 0) {
            tree->setCurrentItem(tree->topLevelItem(std::clamp(current, 0, rows - 1)));
        }
    }
}

void CContestTypeSheetWidget::ShowActivePage() {
    const int mode = sheet_.GetMode();
    const bool editable = mode != contest_type::kModeChange;
    QWidget* focus = nullptr;
    switch (sheet_.GetActivePageIndex()) {
        case Sheet::kPageBegin:
            begin_text_->setText(FromCp932(sheet_.GetBeginPage().GetText()));
            break;
        case Sheet::kPageParameter1: {
            const Parameter1& page = sheet_.GetParameter1Page();
            parameter1_heading_->setText(FromCp932(Parameter1::GetHeading(mode)));
            const int values[] = {page.GetCallSignParameterCount(), page.GetMainParameterPosition(),
                                  page.GetContestNumberParameterCount(),
                                  page.GetMultiplierParameterPosition()};
            for (size_t i = 0; i < counts_.size(); ++i) {
                counts_[i]->setValue(values[i]);
                counts_[i]->setEnabled(editable);
            }
            focus = editable ? counts_[0] : nullptr;
            break;
        }
        case Sheet::kPageParameter2:
            parameter2_heading_->setText(FromCp932(Parameter2::GetHeading(mode)));
            FillLists();
            focus = lists_[0];
            break;
        case Sheet::kPageMainInformation1: {
            const Main& page = sheet_.GetMainInformation1Page();
            name_->setText(FromCp932(page.GetContestNameText()));
            category_code_->setText(FromCp932(page.GetCategoryCode()));
            category_name_->setText(FromCp932(page.GetCategoryName()));
            own_call_sign_->SetByteLimit(
                Main::GetOwnCallSignTextLimit(sheet_.GetParameter2Page().GetCallSignType()));
            own_call_sign_->SetCp932Text(page.GetOwnCallSignText());
            for (size_t i = 0; i < 6; ++i) {
                start_[i]->setValue(page.GetStartFields()[i]);
                end_[i]->setValue(page.GetEndFields()[i]);
            }
            focus = name_;
            break;
        }
        default: {
            const CContestTypePage_End& page = sheet_.GetEndPage();
            summary_->setPlainText(FromCp932(page.GetSummary()));
            end_instruction_->setText(FromCp932(page.GetInstruction()));
            break;
        }
    }
    ShowPage(sheet_.GetActivePageIndex(), FromCp932(sheet_.GetActivePageCaption()),
             sheet_.GetWizardButtons());
    if (focus != nullptr) {
        dialog_support::FocusAndSelect(focus);
    } else {
        (sheet_.Finish() ? FinishButton() : NextButton())->setFocus();
    }
}

void CContestTypeSheetWidget::StoreActivePage() {
    switch (sheet_.GetActivePageIndex()) {
        case Sheet::kPageParameter1: {
            if (sheet_.GetMode() == contest_type::kModeChange) {
                break;
            }
            Parameter1& page = sheet_.GetParameter1Page();
            page.SetCallSignParameterCount(counts_[0]->value());
            page.SetMainParameterPosition(counts_[1]->value());
            page.SetContestNumberParameterCount(counts_[2]->value());
            page.SetMultiplierParameterPosition(counts_[3]->value());
            break;
        }
        case Sheet::kPageMainInformation1: {
            Main& page = sheet_.GetMainInformation1Page();
            page.SetContestNameText(ToCp932(name_->text()));
            page.SetCategoryCode(ToCp932(category_code_->text()));
            page.SetCategoryName(ToCp932(category_name_->text()));
            page.SetOwnCallSignText(own_call_sign_->Cp932Text());
            Main::DateTimeFields start{};
            Main::DateTimeFields end{};
            for (size_t i = 0; i < 6; ++i) {
                start[i] = start_[i]->value();
                end[i] = end_[i]->value();
            }
            page.SetStartFields(start);
            page.SetEndFields(end);
            break;
        }
        default:
            break;
    }
}

void CContestTypeSheetWidget::FocusRefusedField() {
    QWidget* field = nullptr;
    if (sheet_.GetActivePageIndex() == Sheet::kPageParameter1) {
        switch (sheet_.GetParameter1Page().GetFocusField()) {
            case Parameter1::Field::call_sign_count:
                field = counts_[0];
                break;
            case Parameter1::Field::main_position:
                field = counts_[1];
                break;
            case Parameter1::Field::contest_number_count:
                field = counts_[2];
                break;
            case Parameter1::Field::multiplier_position:
                field = counts_[3];
                break;
            default:
                break;
        }
    } else if (sheet_.GetActivePageIndex() == Sheet::kPageMainInformation1) {
        const Main& page = sheet_.GetMainInformation1Page();
        const size_t index = static_cast<size_t>(std::clamp(page.GetFocusIndex(), 0, 5));
        switch (page.GetFocusField()) {
            case Main::Field::contest_name:
                field = name_;
                break;
            case Main::Field::own_call_sign:
                field = own_call_sign_;
                break;
            case Main::Field::start:
                field = start_[index];
                break;
            case Main::Field::end:
                field = end_[index];
                break;
            default:
                break;
        }
    }
    dialog_support::FocusAndSelect(field);
}

void CContestTypeSheetWidget::OnNext() {
    StoreActivePage();
    if (sheet_.Next()) {
        ShowActivePage();
    } else {
        FocusRefusedField();
    }
}

void CContestTypeSheetWidget::OnBack() {
    StoreActivePage();
    if (sheet_.Back()) {
        ShowActivePage();
    }
}

void CContestTypeSheetWidget::OnFinish() {
    if (sheet_.Finish()) {
        accept();
    }
}

bool CContestTypeSheetWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (int list = 0; list < 2; ++list) {
            QTreeWidget* tree = lists_[static_cast<size_t>(list)];
            if (watched != tree || key->key() != Qt::Key_F9) {
                continue;
            }
            std::vector<int> rows;
            for (QTreeWidgetItem* item : tree->selectedItems()) {
                rows.push_back(tree->indexOfTopLevelItem(item));
            }
            if (sheet_.OnParameterListKeyDown(list, Parameter2::kKeyF9, rows)) {
                FillLists();
            }
            return true;
        }
    }
    return CWizardFrame::eventFilter(watched, event);
}
