#include "ui/dialogs/log_data_search_dialog_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/log_data_search_dialog.h"
#include "dialogs/operator.h"
#include "platform/time_zone_rule.h"
#include "settings/quillmark_system.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"
#include "ui/widgets/replacing_line_edit.h"

namespace {

using qt_text::FromCp932;
using qt_text::ToCp932;
using Dialog = CLogDataSearchDialog;

constexpr std::array<int, 6> kLower = {1970, 1, 1, 0, 0, 0};
constexpr std::array<int, 6> kUpper = {2037, 12, 31, 23, 59, 59};

void ShowTime(const std::array<QSpinBox*, 6>& fields, int64_t time, const CTimeZoneRule& rule) {
    const CalendarTime t = rule.ToCalendarTime(time);
    const int values[] = {static_cast<int>(t.year), t.month, t.day, t.hour, t.minute, t.second};
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i]->setValue(values[i]);
    }
}

int64_t TimeOf(const std::array<QSpinBox*, 6>& fields, const CTimeZoneRule& rule) {
    CalendarTime t;
    t.year = fields[0]->value();
    t.month = fields[1]->value();
    t.day = fields[2]->value();
    t.hour = fields[3]->value();
    t.minute = fields[4]->value();
    t.second = fields[5]->value();
    return rule.ToSeconds(t).value_or(0);
}

int StateOf(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return Dialog::kMustMatch;
        case Qt::PartiallyChecked:
            return Dialog::kMustNotMatch;
        default:
            return Dialog::kOff;
    }
}

Qt::CheckState CheckStateOf(int state) {
    return state == Dialog::kMustMatch      ? Qt::Checked
           : state == Dialog::kMustNotMatch ? Qt::PartiallyChecked
                                            : Qt::Unchecked;
}

}  // namespace

int CLogDataSearchDialogWidget::Run(QWidget* parent, CLogDataSearchDialog& dialog, IOperator& op,
                                    const CQuillmarkSystem& settings) {
    CLogDataSearchDialogWidget widget(dialog, op, settings, parent);
    return widget.exec() == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

QWidget* CLogDataSearchDialogWidget::DateTimeFields(std::array<QSpinBox*, 6>& fields) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    const char* const units[] = {"年", "月", "日", "時", "分", "秒"};
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i] = new QSpinBox(box);
        fields[i]->setRange(kLower[i], kUpper[i]);
        fields[i]->setAccessibleName(QString::fromUtf8(units[i]));
        row->addWidget(fields[i]);
        row->addWidget(new QLabel(QString::fromUtf8(units[i]), box));
    }
    return box;
}

QWidget* CLogDataSearchDialogWidget::TextCriterion(TextRow& text, int parameters, bool upper) {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    text.edit = new CReplacingLineEdit(box);
    text.edit->LoadReplacement(settings_);
    text.edit->SetUpperCase(upper);
    text.parameter = new QCheckBox(QStringLiteral("第"), box);
    text.number = new QSpinBox(box);
    text.number->setRange(1, std::max(1, parameters));
    text.number->setAccessibleName(QStringLiteral("パラメータの番号"));
    text.parameter->setEnabled(parameters > 0);
    text.number->setEnabled(parameters > 0);
    row->addWidget(text.edit, 1);
    row->addWidget(text.parameter);
    row->addWidget(text.number);
    row->addWidget(new QLabel(QStringLiteral("パラメータ"), box));
    return box;
}

CLogDataSearchDialogWidget::CLogDataSearchDialogWidget(CLogDataSearchDialog& dialog, IOperator& op,
                                                       const CQuillmarkSystem& settings,
                                                       QWidget* parent)
    : QDialog(parent), dialog_(dialog), operator_(op), settings_(settings) {
    setWindowTitle(QStringLiteral("クイルマーク - ログデータの検索 - 検索の準備"));
    auto* heading = new QLabel(
        QStringLiteral(
            "ログデータの検索条件を入力します。検索範囲または部分文字列を入力してください．．．"),
        this);
    heading->setWordWrap(true);

    const char* const labels[] = {"交信日時 ：(&D)",
                                  "呼出符号 ：(&C)",
                                  "送信コンテストナンバー ：(&S)",
                                  "受信コンテストナンバー ：(&R)",
                                  "マルチが Ｆｉｒｓｔ である局。(&F)",
                                  "得点 ：(&P)",
                                  "電波の型式 ：(&E)",
                                  "呼び出しの方法 ：(&Q)",
                                  "コメント ：(&O)",
                                  "本来存在しないマルチを持つ局。(&M)"};
    for (size_t i = 0; i < switches_.size(); ++i) {
        switches_[i] = new QCheckBox(QString::fromUtf8(labels[i]), this);
        switches_[i]->setTristate(true);
        switches_[i]->setCheckState(CheckStateOf(dialog.GetSwitch(static_cast<int>(i))));
        switches_[i]->setToolTip(QStringLiteral(
            "チェック：条件に一致する局を探します。\n中間の印：条件に一致しない局を探します。"));
    }

    const CTimeZoneRule rule = settings.GetDisplayTimeZoneRule();
    QWidget* from = DateTimeFields(from_);
    QWidget* to = DateTimeFields(to_);
    ShowTime(from_, dialog.GetEnteredFrom(), rule);
    ShowTime(to_, dialog.GetEnteredTo(), rule);
    auto* range = new QVBoxLayout;
    auto* from_row = new QHBoxLayout;
    from_row->addWidget(from);
    from_row->addWidget(new QLabel(QStringLiteral("から"), this));
    from_row->addStretch();
    auto* to_row = new QHBoxLayout;
    to_row->addWidget(to);
    to_row->addWidget(new QLabel(QStringLiteral("まで"), this));
    to_row->addStretch();
    range->addLayout(from_row);
    range->addLayout(to_row);

    QWidget* call = TextCriterion(call_sign_, dialog.GetCallSignParameterCount(), true);
    QWidget* sent = TextCriterion(sent_, dialog.GetContestNumberParameterCount(), false);
    QWidget* received = TextCriterion(received_, dialog.GetContestNumberParameterCount(), false);
    const std::pair<TextRow*, std::pair<bool, int>> texts[] = {
        {&call_sign_, {dialog.IsCallSignParameterOn(), dialog.GetCallSignParameterNumber()}},
        {&sent_,
         {dialog.IsSentContestNumberParameterOn(), dialog.GetSentContestNumberParameterNumber()}},
        {&received_,
         {dialog.IsReceivedContestNumberParameterOn(),
          dialog.GetReceivedContestNumberParameterNumber()}}};
    for (const auto& [row, parameter] : texts) {
        row->parameter->setChecked(row->parameter->isEnabled() && parameter.first);
        row->number->setValue(parameter.second);
    }
    call_sign_.edit->SetCp932Text(dialog.GetEnteredCallSign());
    sent_.edit->SetCp932Text(dialog.GetEnteredSentContestNumber());
    received_.edit->SetCp932Text(dialog.GetEnteredReceivedContestNumber());

    points_from_ = new QSpinBox(this);
    points_to_ = new QSpinBox(this);
    for (QSpinBox* points : {points_from_, points_to_}) {
        points->setRange(Dialog::kMinPoints, Dialog::kMaxPoints);
    }
    points_from_->setValue(dialog.GetEnteredPointsFrom());
    points_to_->setValue(dialog.GetEnteredPointsTo());
    points_from_->setAccessibleName(QStringLiteral("得点の下限"));
    points_to_->setAccessibleName(QStringLiteral("得点の上限"));
    auto* points = new QHBoxLayout;
    points->addWidget(points_from_);
    points->addWidget(new QLabel(QStringLiteral("点から"), this));
    points->addWidget(points_to_);
    points->addWidget(new QLabel(QStringLiteral("点まで"), this));
    points->addStretch();

    mode_ = new QComboBox(this);
    for (const Cp932& mode : Dialog::ModeList()) {
        mode_->addItem(FromCp932(mode));
    }
    mode_->setCurrentIndex(dialog.GetModeIndex());
    mode_->setAccessibleName(QStringLiteral("電波の型式"));

    cq_ = new QRadioButton(QStringLiteral("呼び出し"), this);
    answering_ = new QRadioButton(QStringLiteral("応答"), this);
    auto* group = new QButtonGroup(this);
    group->addButton(cq_);
    group->addButton(answering_);
    (dialog.IsCallingMethodCQ() ? cq_ : answering_)->setChecked(true);
    auto* calling = new QHBoxLayout;
    calling->addWidget(cq_);
    calling->addWidget(answering_);
    calling->addStretch();

    comment_ = new QLineEdit(FromCp932(dialog.GetComment()), this);
    comment_->setAccessibleName(QStringLiteral("コメント"));

    auto* grid = new QGridLayout;
    int r = 0;
    const auto add = [&](int criterion, QLayout* layout, QWidget* widget) {
        grid->addWidget(switches_[static_cast<size_t>(criterion)], r, 0, Qt::AlignTop);
        if (layout != nullptr) {
            grid->addLayout(layout, r, 1);
        } else if (widget != nullptr) {
            grid->addWidget(widget, r, 1);
        }
        ++r;
    };
    add(Dialog::kDateTime, range, nullptr);
    add(Dialog::kCallSign, nullptr, call);
    add(Dialog::kSentContestNumber, nullptr, sent);
    add(Dialog::kReceivedContestNumber, nullptr, received);
    add(Dialog::kFirst, nullptr, nullptr);
    add(Dialog::kPoints, points, nullptr);
    add(Dialog::kMode, nullptr, mode_);
    add(Dialog::kCallingMethod, calling, nullptr);
    add(Dialog::kComment, nullptr, comment_);
    add(Dialog::kMultiplierNotInDatabase, nullptr, nullptr);
    call_sign_.edit->setAccessibleName(QStringLiteral("呼出符号"));
    sent_.edit->setAccessibleName(QStringLiteral("送信コンテストナンバー"));
    received_.edit->setAccessibleName(QStringLiteral("受信コンテストナンバー"));

    auto* legend = new QLabel(
        QStringLiteral("チェックの印は「一致する局」、中間の印は「一致しない局」を探します。"),
        this);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start =
        buttons->addButton(QStringLiteral("検索開始"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole);
    start->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLogDataSearchDialogWidget::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addWidget(legend);
    layout->addWidget(buttons);
    switches_[Dialog::kCallSign]->setFocus();
}

void CLogDataSearchDialogWidget::Store() {
    for (size_t i = 0; i < switches_.size(); ++i) {
        dialog_.SetSwitch(static_cast<int>(i), StateOf(switches_[i]));
    }
    const CTimeZoneRule rule = settings_.GetDisplayTimeZoneRule();
    dialog_.SetEnteredRange(TimeOf(from_, rule), TimeOf(to_, rule));
    dialog_.SetEnteredCallSign(call_sign_.edit->Cp932Text());
    dialog_.SetEnteredSentContestNumber(sent_.edit->Cp932Text());
    dialog_.SetEnteredReceivedContestNumber(received_.edit->Cp932Text());
    dialog_.SetCallSignParameter(call_sign_.parameter->isChecked(), call_sign_.number->value());
    dialog_.SetSentContestNumberParameter(sent_.parameter->isChecked(), sent_.number->value());
    dialog_.SetReceivedContestNumberParameter(received_.parameter->isChecked(),
                                              received_.number->value());
    dialog_.SetEnteredPoints(points_from_->value(), points_to_->value());
    dialog_.SetModeIndex(mode_->currentIndex());
    dialog_.SetCallingMethodCQ(cq_->isChecked());
    dialog_.SetComment(ToCp932(comment_->text()));
}

void CLogDataSearchDialogWidget::accept() {
    Store();
    if (dialog_.OnSearchStart(operator_)) {
        QDialog::accept();
        return;
    }
    const CLogDataSearchDialog::CheckResult check = dialog_.OnSearchStart();
    QWidget* field = nullptr;
    switch (check.focus) {
        case Dialog::Field::call_sign_parameter:
            field = call_sign_.number;
            break;
        case Dialog::Field::call_sign:
            field = call_sign_.edit;
            break;
        case Dialog::Field::sent_contest_number_parameter:
            field = sent_.number;
            break;
        case Dialog::Field::sent_contest_number:
            field = sent_.edit;
            break;
        case Dialog::Field::received_contest_number_parameter:
            field = received_.number;
            break;
        case Dialog::Field::received_contest_number:
            field = received_.edit;
            break;
        case Dialog::Field::comment:
            field = comment_;
            break;
        default:
            break;
    }
    dialog_support::FocusAndSelect(field);
}
