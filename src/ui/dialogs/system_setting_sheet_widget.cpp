#include "ui/dialogs/system_setting_sheet_widget.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/operator.h"
#include "dialogs/system_setting_sheet.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/dialogs/rig_setting_page.h"
#include "ui/qt_text.h"
#include "ui/widgets/range_spin_box.h"

namespace {

using dialog_support::Label;
using qt_text::FromCp932;
using qt_text::ToCp932;

QCheckBox* Check(const QString& text, QWidget* parent) {
    return new QCheckBox(text, parent);
}

int Flag(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

// Blanks are invisible in a list; the list shows them as a visible mark.
QString Visible(const Cp932& text) {
    QString shown = FromCp932(text);
    shown.replace(QLatin1Char(' '), QStringLiteral("␣"));
    return shown;
}

}  // namespace

int CSystemSettingSheetWidget::Run(QWidget* parent, CSystemSettingSheet& sheet, IOperator& op) {
    CSystemSettingSheetWidget widget(sheet, op, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

CSystemSettingSheetWidget::CSystemSettingSheetWidget(CSystemSettingSheet& sheet, IOperator& op,
                                                     QWidget* parent)
    : QDialog(parent), sheet_(sheet), operator_(op), tabs_(new QTabWidget(this)) {
    setWindowTitle(FromCp932(CSystemSettingSheet::GetCaption()));
    tabs_->setAccessibleName(QStringLiteral("ページ"));
    QWidget* pages[] = {BuildSystemPage(),        BuildCharactersPage(),
                        BuildAddingLogDataPage(), BuildDisplayingPage(),
                        BuildPrintingPage(),      rig_page_ = new CRigSettingPage(tabs_)};
    focus_targets_.insert(rig_page_->FocusTargets().begin(), rig_page_->FocusTargets().end());
    for (int page = 0; page < CSystemSettingSheet::kPageCount; ++page) {
        tabs_->addTab(pages[page], FromCp932(CSystemSettingSheet::GetPageTitle(page)));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) {
        if (switching_back_) {
            return;
        }
        const int left = shown_page_;
        if (!CheckPage(left)) {
            switching_back_ = true;
            tabs_->setCurrentIndex(left);
            switching_back_ = false;
            return;
        }
        shown_page_ = page;
    });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSystemSettingSheetWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    Load();
}

QWidget* CSystemSettingSheetWidget::BuildSystemPage() {
    auto* page = new QWidget(tabs_);
    saving_settings_ = Check(QStringLiteral("終了時に設定を保存する。(&S)"), page);
    title_logo_ = Check(QStringLiteral("起動時にタイトルロゴを表示する。(&T)"), page);
    elapse_ = new CRangeSpinBox(1, 9, 1, page);
    elapse_->setAccessibleName(QStringLiteral("タイトルロゴの表示秒数"));
    auto* logo_row = new QHBoxLayout;
    logo_row->addWidget(title_logo_);
    logo_row->addSpacing(12);
    logo_row->addWidget(elapse_);
    logo_row->addWidget(new QLabel(QStringLiteral("秒間表示"), page));
    logo_row->addStretch();

    auto* placement = new QGroupBox(QStringLiteral("ウィンドウ状態"), page);
    auto* placement_layout = new QVBoxLayout(placement);
    const char* const texts[] = {
        "ウィンドウ状態を記録せず、また、最後に記録されたウィンドウ状態を反映しない。(&0)",
        "毎回はウィンドウ状態を記録しないが、最後に記録されたウィンドウ状態を反映する。(&1)",
        "毎回ウィンドウ状態を記録し、最後に記録されたウィンドウ状態を反映する。(&2)"};
    for (int i = 0; i < 3; ++i) {
        placement_[i] = new QRadioButton(QString::fromUtf8(texts[i]), placement);
        placement_layout->addWidget(placement_[i]);
    }

    date_display_ = Check(QStringLiteral("時計表示を行う。(&C)"), page);
    date_display_string_ = new QLineEdit(page);
    date_display_string_->setMinimumWidth(420);
    auto* date_row = new QHBoxLayout;
    date_row->addSpacing(20);
    date_row->addWidget(Label(QStringLiteral("時計の書式(&F) ："), date_display_string_, page));
    date_row->addWidget(date_display_string_, 1);
    automatic_saving_ = Check(QStringLiteral("自動保存を行う。(&A)"), page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(saving_settings_);
    layout->addLayout(logo_row);
    layout->addWidget(placement);
    layout->addWidget(date_display_);
    layout->addLayout(date_row);
    layout->addWidget(automatic_saving_);
    layout->addStretch();
    focus_targets_[CSystemSettingSheet::kElapseEdit] = elapse_;
    focus_targets_[CSystemSettingSheet::kDateDisplayEdit] = date_display_string_;
    return page;
}

QWidget* CSystemSettingSheetWidget::BuildCharactersPage() {
    auto* page = new QWidget(tabs_);
    punctuation_ = new QLineEdit(page);
    punctuation_->setMaxLength(32);
    replacing_ = Check(QStringLiteral("入力文字変換を行う。(&R)"), page);
    auto* marks = new QFormLayout;
    marks->addRow(
        Label(QStringLiteral("区切り文字として認識させる文字(&D) ："), punctuation_, page),
        punctuation_);

    auto* group = new QGroupBox(QStringLiteral("入力文字変換の組み合わせ"), page);
    pairs_ = new QTreeWidget(group);
    pairs_->setColumnCount(2);
    pairs_->setHeaderLabels({QStringLiteral("変換前の文字"), QStringLiteral("変換後の文字列")});
    pairs_->setRootIsDecorated(false);
    pairs_->setAccessibleName(QStringLiteral("入力文字変換の組み合わせ"));
    pairs_->header()->setSectionResizeMode(QHeaderView::Stretch);
    pair_source_ = new QLineEdit(group);
    pair_destination_ = new QLineEdit(group);
    auto* edits = new QFormLayout;
    edits->addRow(Label(QStringLiteral("変換前の文字(&B) ："), pair_source_, group), pair_source_);
    edits->addRow(Label(QStringLiteral("変換後の文字列(&E) ："), pair_destination_, group),
                  pair_destination_);
    auto* add = new QPushButton(QStringLiteral("追加(&A)"), group);
    auto* change = new QPushButton(QStringLiteral("変更(&C)"), group);
    auto* remove = new QPushButton(QStringLiteral("削除(&X)"), group);
    auto* defaults = new QPushButton(QStringLiteral("初期値に戻す(&I)"), group);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, change, remove, defaults}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    auto* group_layout = new QVBoxLayout(group);
    group_layout->addWidget(pairs_);
    group_layout->addLayout(edits);
    group_layout->addLayout(buttons);
    group_layout->addWidget(
        new QLabel(QStringLiteral("「␣」は空白を表します。変換前の文字のどれかを入力すると、変換後"
                                  "の文字列に置き換わります。"),
                   group));

    connect(pairs_, &QTreeWidget::currentItemChanged, this, [this] { OnPairSelected(); });
    connect(add, &QPushButton::clicked, this, [this] { AddOrChangePair(false); });
    connect(change, &QPushButton::clicked, this, [this] { AddOrChangePair(true); });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = pairs_->indexOfTopLevelItem(pairs_->currentItem());
        if (sheet_.RemovePair(row)) {
            FillPairs(row);
        }
    });
    connect(defaults, &QPushButton::clicked, this, [this] {
        sheet_.GetValues().punctuation_marks = ToCp932(punctuation_->text());
        sheet_.RestoreDefaultPairs();
        FillPairs(0);
    });

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(marks);
    layout->addWidget(replacing_);
    layout->addWidget(group, 1);
    focus_targets_[CSystemSettingSheet::kPunctuationEdit] = punctuation_;
    focus_targets_[CSystemSettingSheet::kPairSourceEdit] = pair_source_;
    focus_targets_[CSystemSettingSheet::kPairDestinationEdit] = pair_destination_;
    return page;
}

QWidget* CSystemSettingSheetWidget::BuildAddingLogDataPage() {
    auto* page = new QWidget(tabs_);
    points_every_time_ = Check(QStringLiteral("得点を毎回入力する。(&P)"), page);
    default_points_ = new CRangeSpinBox(CSystemSettingSheet::kMinDefaultPoints,
                                        CSystemSettingSheet::kMaxDefaultPoints, 5, page);
    mode_every_time_ = Check(QStringLiteral("電波の型式を毎回入力する。(&E)"), page);
    cq_every_time_ = Check(QStringLiteral("呼び出しの方法を毎回入力する。(&Q)"), page);
    card_every_time_ = Check(QStringLiteral("カード情報を毎回入力する。(&C)"), page);
    card_demand_ = Check(QStringLiteral("カード要求あり。(&R)"), page);
    comments_every_time_ = Check(QStringLiteral("コメントを毎回入力する。(&M)"), page);

    auto* points_row = new QHBoxLayout;
    points_row->addSpacing(20);
    points_row->addWidget(
        Label(QStringLiteral("毎回入力しないときの得点(&D) ："), default_points_, page));
    points_row->addWidget(default_points_);
    points_row->addStretch();
    auto* card_row = new QHBoxLayout;
    card_row->addSpacing(20);
    card_row->addWidget(new QLabel(QStringLiteral("毎回入力しないとき ："), page));
    card_row->addWidget(card_demand_);
    card_row->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(points_every_time_);
    layout->addLayout(points_row);
    layout->addWidget(mode_every_time_);
    layout->addWidget(cq_every_time_);
    layout->addWidget(card_every_time_);
    layout->addLayout(card_row);
    layout->addWidget(comments_every_time_);
    layout->addStretch();
    focus_targets_[CSystemSettingSheet::kDefaultPointsEdit] = default_points_;
    return page;
}

QWidget* CSystemSettingSheetWidget::BuildDisplayingPage() {
    auto* page = new QWidget(tabs_);
    decimals_ = new CRangeSpinBox(CSystemSettingSheet::kMinUnderDecimalPoint,
                                  CSystemSettingSheet::kMaxUnderDecimalPoint, 1, page);
    utc_ = Check(QStringLiteral("日時の表示全般にわたり、協定世界時 ( UTC ) を使用。(&U)"), page);
    auto* row = new QHBoxLayout;
    row->addWidget(Label(QStringLiteral("表示する小数点以下最大桁数(&D) ："), decimals_, page));
    row->addWidget(decimals_);
    row->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(utc_);
    layout->addStretch();
    focus_targets_[CSystemSettingSheet::kUnderDecimalPointEdit] = decimals_;
    return page;
}

QWidget* CSystemSettingSheetWidget::BuildPrintingPage() {
    auto* page = new QWidget(tabs_);
    auto* group = new QGroupBox(QStringLiteral("起動時の印刷の種類"), page);
    auto* group_layout = new QVBoxLayout(group);
    const char* const texts[] = {"通常のログ(&L)", "拡張ログ(&X)", "カードラベル(&B)",
                                 "サマリーシート(&S)"};
    for (int i = 0; i < 4; ++i) {
        print_type_[i] = new QRadioButton(QString::fromUtf8(texts[i]), group);
        group_layout->addWidget(print_type_[i]);
    }
    print_dialog_bypassed_ = Check(
        QStringLiteral("シェルからの直接印刷の際、「印刷」ダイアログボックスを表示しない。(&D)"),
        page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addWidget(print_dialog_bypassed_);
    layout->addStretch();
    return page;
}

void CSystemSettingSheetWidget::Load() {
    const CSystemSettingSheet::Values& v = sheet_.GetValues();
    saving_settings_->setChecked(v.saving_settings != 0);
    title_logo_->setChecked(v.title_logo != 0);
    elapse_->setValue(v.elapse);
    placement_[std::clamp(v.placement_save_flag, 0, 2)]->setChecked(true);
    date_display_->setChecked(v.date_display != 0);
    date_display_string_->setText(FromCp932(v.date_display_string));
    automatic_saving_->setChecked(v.automatic_saving != 0);
    punctuation_->setText(FromCp932(v.punctuation_marks));
    replacing_->setChecked(v.replacing_input_text != 0);
    FillPairs(0);
    points_every_time_->setChecked(v.input_points_every_time != 0);
    default_points_->setValue(v.default_points);
    mode_every_time_->setChecked(v.input_mode_every_time != 0);
    cq_every_time_->setChecked(v.input_cq_every_time != 0);
    card_every_time_->setChecked(v.input_card_every_time != 0);
    card_demand_->setChecked(v.default_card_demand != 0);
    comments_every_time_->setChecked(v.input_comments_every_time != 0);
    decimals_->setValue(v.under_decimal_point);
    utc_->setChecked(v.display_utc != 0);
    print_type_[std::clamp(v.default_print_type, 1, 4) - 1]->setChecked(true);
    print_dialog_bypassed_->setChecked(v.print_dialog_bypassed != 0);
    rig_page_->Load(v.rig);
}

void CSystemSettingSheetWidget::Store() {
    CSystemSettingSheet::Values& v = sheet_.GetValues();
    v.saving_settings = Flag(saving_settings_);
    v.title_logo = Flag(title_logo_);
    v.elapse = elapse_->value();
    for (int i = 0; i < 3; ++i) {
        if (placement_[i]->isChecked()) {
            v.placement_save_flag = i;
        }
    }
    v.date_display = Flag(date_display_);
    v.date_display_string = ToCp932(date_display_string_->text());
    v.automatic_saving = Flag(automatic_saving_);
    v.punctuation_marks = ToCp932(punctuation_->text());
    v.replacing_input_text = Flag(replacing_);
    v.input_points_every_time = Flag(points_every_time_);
    v.default_points = default_points_->value();
    v.input_mode_every_time = Flag(mode_every_time_);
    v.input_cq_every_time = Flag(cq_every_time_);
    v.input_card_every_time = Flag(card_every_time_);
    v.default_card_demand = Flag(card_demand_);
    v.input_comments_every_time = Flag(comments_every_time_);
    v.under_decimal_point = decimals_->value();
    v.display_utc = Flag(utc_);
    for (int i = 0; i < 4; ++i) {
        if (print_type_[i]->isChecked()) {
            v.default_print_type = i + 1;
        }
    }
    v.print_dialog_bypassed = Flag(print_dialog_bypassed_);
    rig_page_->Store(v.rig);
}

bool CSystemSettingSheetWidget::CheckPage(int page) {
    Store();
    const SettingCheck check = sheet_.CheckPage(page);
    if (check.passed) {
        return true;
    }
    Warn(check);
    return false;
}

void CSystemSettingSheetWidget::Warn(const SettingCheck& check) {
    const auto target = focus_targets_.find(check.focus);
    dialog_support::ShowWarning(operator_, check.caption, check.warning,
                                target == focus_targets_.end() ? nullptr : target->second);
}

void CSystemSettingSheetWidget::accept() {
    for (int page = 0; page < CSystemSettingSheet::kPageCount; ++page) {
        Store();
        if (!sheet_.CheckPage(page).passed) {
            switching_back_ = true;
            tabs_->setCurrentIndex(page);
            switching_back_ = false;
            shown_page_ = page;
            CheckPage(page);
            return;
        }
    }
    QDialog::accept();
}

void CSystemSettingSheetWidget::FillPairs(int select) {
    pairs_->clear();
    for (const CSystemSettingSheet::Pair& pair : sheet_.GetValues().pairs) {
        pairs_->addTopLevelItem(
            new QTreeWidgetItem({Visible(pair.source), Visible(pair.destination)}));
    }
    if (pairs_->topLevelItemCount() > 0) {
        pairs_->setCurrentItem(
            pairs_->topLevelItem(std::clamp(select, 0, pairs_->topLevelItemCount() - 1)));
    } else {
        pair_source_->clear();
        pair_destination_->clear();
    }
}

void CSystemSettingSheetWidget::OnPairSelected() {
    const int row = pairs_->indexOfTopLevelItem(pairs_->currentItem());
    const auto& pairs = sheet_.GetValues().pairs;
    if (row >= 0 && row < static_cast<int>(pairs.size())) {
        pair_source_->setText(FromCp932(pairs[static_cast<size_t>(row)].source));
        pair_destination_->setText(FromCp932(pairs[static_cast<size_t>(row)].destination));
    }
}

void CSystemSettingSheetWidget::AddOrChangePair(bool change) {
    const Cp932 source = ToCp932(pair_source_->text());
    const Cp932 destination = ToCp932(pair_destination_->text());
    const int row = pairs_->indexOfTopLevelItem(pairs_->currentItem());
    const SettingCheck check =
        change ? sheet_.ChangePair(row, source, destination) : sheet_.AddPair(source, destination);
    if (!check.passed) {
        Warn(check);
        return;
    }
    FillPairs(change ? row : static_cast<int>(sheet_.GetValues().pairs.size()) - 1);
}
