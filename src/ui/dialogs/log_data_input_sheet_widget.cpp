#include "ui/dialogs/log_data_input_sheet_widget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "dialogs/log_data_input_sheet.h"
#include "dialogs/operator.h"
#include "ui/dialogs/dialog_support.h"
#include "ui/qt_text.h"
#include "ui/widgets/range_spin_box.h"
#include "ui/widgets/replacing_line_edit.h"

namespace {

using qt_text::FromCp932;
using qt_text::ToCp932;

// Page widgets in the order of the page bits.
enum PageIndex {
    kDate,
    kCallSign,
    kContestNumber,
    kPoints,
    kMode,
    kCallingMethod,
    kCard,
    kComment
};

QFont LargeFont(const QWidget* widget) {
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    return font;
}

}  // namespace

CLogDataInputSheetWidget::CLogDataInputSheetWidget(const CQuillmarkSystem& settings,
                                                   QWidget* parent)
    : CWizardFrame(parent), settings_(settings) {
    QWidget* pages[] = {BuildDatePage(),   BuildCallSignPage(), BuildContestNumberPage(),
                        BuildPointsPage(), BuildModePage(),     BuildCallingMethodPage(),
                        BuildCardPage(),   BuildCommentPage()};
    for (int i = 0; i < 8; ++i) {
        Pages()->addWidget(pages[i]);
        page_of_bit_[1 << i] = i;
    }
    setMinimumWidth(460);
}

QWidget* CLogDataInputSheetWidget::Page(QWidget* body, QLabel** guidance) {
    auto* page = new QWidget(this);
    *guidance = new QLabel(page);
    (*guidance)->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(*guidance);
    layout->addSpacing(8);
    layout->addWidget(body);
    layout->addStretch();
    return page;
}

QWidget* CLogDataInputSheetWidget::BuildDatePage() {
    auto* body = new QWidget(this);
    auto* grid = new QHBoxLayout(body);
    const char* const units[] = {"年 （西暦）(&Y)", "月(&M)", "日(&D)",
                                 "時(&H)",          "分(&I)", "秒(&S)"};
    for (int i = 0; i < 6; ++i) {
        date_[static_cast<size_t>(i)] = new CRangeSpinBox(
            CLogDataInput_Date::kMinimum[static_cast<size_t>(i)],
            CLogDataInput_Date::kMaximum[static_cast<size_t>(i)], i == 0 ? 4 : 2, body);
        grid->addWidget(date_[static_cast<size_t>(i)]);
        QLabel* unit =
            dialog_support::Label(QString::fromUtf8(units[i]), date_[static_cast<size_t>(i)], body);
        grid->addWidget(unit);
        controls_[CLogDataInput_Date::kEditIds[static_cast<size_t>(i)]] =
            date_[static_cast<size_t>(i)];
    }
    grid->addStretch();
    return Page(body, &guidance_[kDate]);
}

QWidget* CLogDataInputSheetWidget::BuildCallSignPage() {
    auto* body = new QWidget(this);
    call_sign_ = new CReplacingLineEdit(body);
    call_sign_->setFont(LargeFont(call_sign_));
    call_sign_->SetUpperCase(true);
    auto* layout = new QHBoxLayout(body);
    layout->addWidget(dialog_support::Label(QStringLiteral("呼出符号(&C) ："), call_sign_, body));
    layout->addWidget(call_sign_, 1);
    controls_[CLogDataInput_CallSign::kEditId] = call_sign_;
    return Page(body, &guidance_[kCallSign]);
}

QWidget* CLogDataInputSheetWidget::BuildContestNumberPage() {
    auto* body = new QWidget(this);
    sent_ = new CReplacingLineEdit(body);
    received_ = new CReplacingLineEdit(body);
    received_->setFont(LargeFont(received_));
    auto* layout = new QGridLayout(body);
    layout->addWidget(
        dialog_support::Label(QStringLiteral("送信コンテストナンバー (&S) ："), sent_, body), 0, 0);
    layout->addWidget(sent_, 0, 1);
    layout->addWidget(
        dialog_support::Label(QStringLiteral("受信コンテストナンバー (&R) ："), received_, body), 1,
        0);
    layout->addWidget(received_, 1, 1);
    controls_[CLogDataInput_ContestNumber::kSentEditId] = sent_;
    controls_[CLogDataInput_ContestNumber::kReceivedEditId] = received_;
    return Page(body, &guidance_[kContestNumber]);
}

QWidget* CLogDataInputSheetWidget::BuildPointsPage() {
    auto* body = new QWidget(this);
    points_ =
        new CRangeSpinBox(CLogDataInput_Points::kMinimum, CLogDataInput_Points::kMaximum, 5, body);
    auto* layout = new QHBoxLayout(body);
    layout->addWidget(dialog_support::Label(QStringLiteral("得点(&P) ："), points_, body));
    layout->addWidget(points_);
    layout->addWidget(new QLabel(QStringLiteral("点"), body));
    layout->addStretch();
    controls_[CLogDataInput_Points::kEditId] = points_;
    return Page(body, &guidance_[kPoints]);
}

QWidget* CLogDataInputSheetWidget::BuildModePage() {
    auto* body = new QWidget(this);
    mode_ = new QComboBox(body);
    auto* layout = new QHBoxLayout(body);
    layout->addWidget(dialog_support::Label(QStringLiteral("電波の型式(&E) ："), mode_, body));
    layout->addWidget(mode_);
    layout->addStretch();
    controls_[CLogDataInput_ElectricWaveType::kListId] = mode_;
    return Page(body, &guidance_[kMode]);
}

QWidget* CLogDataInputSheetWidget::BuildCallingMethodPage() {
    auto* body = new QWidget(this);
    calling_ = new QRadioButton(QStringLiteral("呼び出し(&C)"), body);
    answering_ = new QRadioButton(QStringLiteral("応答(&A)"), body);
    auto* group = new QButtonGroup(body);
    group->addButton(calling_);
    group->addButton(answering_);
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(calling_);
    layout->addWidget(answering_);
    controls_[CLogDataInput_CQ::kCallingRadioId] = calling_;
    controls_[CLogDataInput_CQ::kAnsweringRadioId] = answering_;
    return Page(body, &guidance_[kCallingMethod]);
}

QWidget* CLogDataInputSheetWidget::BuildCardPage() {
    auto* body = new QWidget(this);
    const char* const texts[] = {"相手局からカードの要求を受けた。(&Q)",
                                 "相手局にカードを送った。(&S)", "相手局からカードが届いた。(&R)"};
    auto* layout = new QVBoxLayout(body);
    for (size_t i = 0; i < cards_.size(); ++i) {
        cards_[i] = new QCheckBox(QString::fromUtf8(texts[i]), body);
        layout->addWidget(cards_[i]);
        controls_[CLogDataInput_Card::kBoxIds[i]] = cards_[i];
    }
    return Page(body, &guidance_[kCard]);
}

QWidget* CLogDataInputSheetWidget::BuildCommentPage() {
    auto* body = new QWidget(this);
    comment_ = new QLineEdit(body);
    auto* layout = new QHBoxLayout(body);
    layout->addWidget(dialog_support::Label(QStringLiteral("コメント(&O) ："), comment_, body));
    layout->addWidget(comment_, 1);
    controls_[CLogDataInput_Comments::kEditId] = comment_;
    return Page(body, &guidance_[kComment]);
}

int CLogDataInputSheetWidget::Run(CLogDataInputSheet& sheet) {
    sheet_ = &sheet;
    setWindowTitle(FromCp932(sheet.GetCaption()));
    if (const auto& placement = sheet.GetSavedPlacement()) {
        move(placement->x, placement->y);
    }
    ShowActivePage();
    const int result = exec();
    sheet_ = nullptr;
    return result == QDialog::Accepted ? message_box::kIdOk : message_box::kIdCancel;
}

void CLogDataInputSheetWidget::ShowActivePage() {
    CLogDataInputPage* page = sheet_ != nullptr ? sheet_->GetActivePage() : nullptr;
    if (page == nullptr) {
        return;
    }
    const int index = page_of_bit_[page->GetPageBit()];
    guidance_[static_cast<size_t>(index)]->setText(FromCp932(page->GetGuidance()));
    guidance_[static_cast<size_t>(index)]->setVisible(!page->GetGuidance().empty());
    LoadActivePage();
    ShowPage(index, FromCp932(page->GetCaption()), sheet_->HasBackButton() ? kBack | kNext : kNext);
    FocusFirstField();
}

void CLogDataInputSheetWidget::LoadActivePage() {
    switch (sheet_->GetActivePage()->GetPageBit()) {
        case 1: {
            const CLogDataInput_Date& date = sheet_->GetDatePage();
            for (int i = 0; i < 6; ++i) {
                date_[static_cast<size_t>(i)]->setValue(
                    date.GetField(static_cast<CLogDataInput_Date::Field>(i)));
            }
            break;
        }
        case 2: {
            const CLogDataInput_CallSign& page = sheet_->GetCallSignPage();
            call_sign_->LoadReplacement(settings_);
            call_sign_->SetByteLimit(page.GetEditLimit());
            call_sign_->SetCp932Text(page.GetEditText());
            break;
        }
        case 4: {
            const CLogDataInput_ContestNumber& page = sheet_->GetContestNumberPage();
            for (CReplacingLineEdit* edit : {sent_, received_}) {
                edit->LoadReplacement(settings_);
                edit->SetByteLimit(page.GetEditLimit());
            }
            sent_->SetCp932Text(page.GetSentEditText());
            received_->SetCp932Text(page.GetReceivedEditText());
            sent_->setEnabled(page.IsSentEditable());
            received_->setEnabled(page.IsReceivedEditable());
            break;
        }
        case 8:
            points_->setValue(sheet_->GetPointsPage().GetEditValue());
            break;
        case 16: {
            const CLogDataInput_ElectricWaveType& page = sheet_->GetElectricWaveTypePage();
            mode_->clear();
            for (const Cp932& mode : CLogDataInput_ElectricWaveType::GetModeList()) {
                mode_->addItem(FromCp932(mode));
            }
            const QString selected = FromCp932(page.GetSelectedText());
            if (mode_->findText(selected) < 0) {
                mode_->addItem(selected);  // a mode of an older file, kept as it is
            }
            mode_->setCurrentIndex(mode_->findText(selected));
            break;
        }
        case 32: {
            const int radio = sheet_->GetCQPage().GetSelectedRadio();
            calling_->setChecked(radio == 0);
            answering_->setChecked(radio == 1);
            break;
        }
        case 64: {
            const CLogDataInput_Card& page = sheet_->GetCardPage();
            for (size_t i = 0; i < cards_.size(); ++i) {
                const auto box = static_cast<CLogDataInput_Card::Box>(i);
                const int mode = page.GetMode(box);
                cards_[i]->setVisible(mode != CLogDataInput_Card::kModeHidden);
                cards_[i]->setTristate(mode == CLogDataInput_Card::kModeThreeState);
                const int state = page.GetBoxState(box);
                cards_[i]->setCheckState(state == CLogDataInput_Card::kOn ? Qt::Checked
                                         : state == CLogDataInput_Card::kIndeterminate
                                             ? Qt::PartiallyChecked
                                             : Qt::Unchecked);
            }
            break;
        }
        case 128:
            comment_->setText(FromCp932(sheet_->GetCommentsPage().GetEditText()));
            break;
        default:
            break;
    }
}

void CLogDataInputSheetWidget::StoreActivePage() {
    switch (sheet_->GetActivePage()->GetPageBit()) {
        case 1:
            for (int i = 0; i < 6; ++i) {
                sheet_->GetDatePage().SetField(static_cast<CLogDataInput_Date::Field>(i),
                                               date_[static_cast<size_t>(i)]->value());
            }
            break;
        case 2:
            sheet_->GetCallSignPage().SetEditText(call_sign_->Cp932Text());
            break;
        case 4:
            sheet_->GetContestNumberPage().SetSentEditText(sent_->Cp932Text());
            sheet_->GetContestNumberPage().SetReceivedEditText(received_->Cp932Text());
            break;
        case 8:
            sheet_->GetPointsPage().SetEditValue(points_->value());
            break;
        case 16:
            sheet_->GetElectricWaveTypePage().SelectText(ToCp932(mode_->currentText()));
            break;
        case 32:
            sheet_->GetCQPage().SelectRadio(calling_->isChecked()     ? 0
                                            : answering_->isChecked() ? 1
                                                                      : CLogDataInput_CQ::kNoRadio);
            break;
        case 64:
            for (size_t i = 0; i < cards_.size(); ++i) {
                const Qt::CheckState state = cards_[i]->checkState();
                sheet_->GetCardPage().CheckBox(static_cast<CLogDataInput_Card::Box>(i),
                                               state == Qt::Checked ? CLogDataInput_Card::kOn
                                               : state == Qt::PartiallyChecked
                                                   ? CLogDataInput_Card::kIndeterminate
                                                   : CLogDataInput_Card::kOff);
            }
            break;
        case 128:
            sheet_->GetCommentsPage().SetEditText(ToCp932(comment_->text()));
            break;
        default:
            break;
    }
}

void CLogDataInputSheetWidget::FocusFirstField() {
    QWidget* field = nullptr;
    switch (sheet_->GetActivePage()->GetPageBit()) {
        case 1:
            field = date_[0];
            break;
        case 2:
            field = call_sign_;
            break;
        case 4: {
            // The received number is what the operator types; the sent one is usually carried
            // over from the last contact.
            const bool sent_first =
                sent_->isEnabled() && (sent_->text().isEmpty() || !received_->isEnabled());
            field = sent_first ? sent_ : received_;
            break;
        }
        case 8:
            field = points_;
            break;
        case 16:
            field = mode_;
            break;
        case 32:
            field = answering_->isChecked() ? answering_ : calling_;
            break;
        case 64:
            for (QCheckBox* box : cards_) {
                if (!box->isHidden()) {
                    field = box;
                    break;
                }
            }
            break;
        default:
            field = comment_;
            break;
    }
    dialog_support::FocusAndSelect(field, Qt::TabFocusReason);
}

void CLogDataInputSheetWidget::FocusField(int control_id) {
    const auto found = controls_.find(control_id);
    if (found != controls_.end()) {
        dialog_support::FocusAndSelect(found->second);
    } else {
        FocusFirstField();
    }
}

void CLogDataInputSheetWidget::OnNext() {
    if (sheet_ == nullptr) {
        return;
    }
    StoreActivePage();
    switch (sheet_->Next()) {
        case CLogDataInputSheet::NextResult::moved:
            ShowActivePage();
            break;
        case CLogDataInputSheet::NextResult::finished:
            sheet_->SavePlacement({x(), y(), width(), height()});
            accept();
            break;
        case CLogDataInputSheet::NextResult::refused:
            FocusField(sheet_->GetLastCheck().focus);
            break;
        default:
            break;
    }
}

void CLogDataInputSheetWidget::OnBack() {
    if (sheet_ != nullptr && sheet_->Back()) {
        ShowActivePage();
    }
}

void CLogDataInputSheetWidget::reject() {
    if (sheet_ != nullptr) {
        sheet_->Cancel();
    }
    CWizardFrame::reject();
}
