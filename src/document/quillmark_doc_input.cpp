#include <string>

#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/log_data_input_sheet.h"
#include "dialogs/operator.h"
#include "dialogs/progress_dialog.h"
#include "document/log_entry_append.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "settings/quillmark_system.h"

namespace {

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

constexpr int kHintEntryAppended = -2;
constexpr int kHintDefaultsChanged = -3;

constexpr int kDatePage = 1;
constexpr int kCallSignPage = 2;
constexpr int kContestNumberPage = 4;
constexpr int kPointsPage = 8;
constexpr int kModePage = 16;
constexpr int kCallingMethodPage = 32;
constexpr int kCardPage = 64;
constexpr int kCommentsPage = 128;

// One input run: the working values that go from one contact to the next, the wizard whose
// pages show them, and the cycle of call sign, details and confirmation.
class InputRun {
public:
    InputRun(CQuillmarkDoc& doc, bool manual)
        : doc_(doc),
          settings_(doc.GetSettings()),
          manual_(manual),
          progress_(doc.GetOperator()),
          sheet_(doc.GetOperator(), doc.GetSettings(), J("クイルマーク - ログデータの入力")),
          delimiters_(settings_.GetPunctuationMarks()) {}

    int Run();

private:
    enum class Cycle { again, end };

    CQuillmarkData_MainData& Contest() { return doc_.GetContest(); }
    Cp932 Text(const CQuillmarkData_Item& item) const {
        return item.IsValid() ? item.GetText(delimiters_) : Cp932();
    }

    bool AskToStartManualMode();
    void PreparePages();
    void LoadPages();
    void ReadPagesBack();
    Cycle OnCallSignCancelled();
    void WarnOwnCallSign();
    void WarnSecond(int index);
    void SetDetailGuidance();
    void CarryBandDefaultsForward();
    log_entry_append::Contact WorkingContact() const;
    bool Confirm();
    void AddEntry();

    CQuillmarkDoc& doc_;
    const CQuillmarkSystem& settings_;
    const bool manual_;
    CProgressDialog progress_;
    CLogDataInputSheet sheet_;
    const Cp932 delimiters_;
    int detail_mask_ = kContestNumberPage;

    CQuillmarkData_CallSignItem call_sign_;
    CQuillmarkData_ContestNumberItem sent_;
    CQuillmarkData_ContestNumberItem received_;
    Cp932 mode_;
    int calling_method_ = 0;
    int card_requested_ = 0;
    Cp932 comment_;
};

int InputRun::Run() {
    if (!Contest().IsValid()) {
        return 0;
    }
    CQuillmarkData_SubMainData* const band = Contest().GetActiveBand();
    if (band == nullptr) {
        progress_.ShowMessage(J("入力を行いたい周波数帯をアクティブにしてください。"),
                              J("クイルマーク - ログデータの入力"),
                              message_box::kOk | message_box::kIconExclamation);
        return 0;
    }
    sheet_.GetCallSignPage().SetGuidance(
        J("新規のログデータを入力します。\n相手局の呼出符号を入力してください．．．"));
    PreparePages();
    if (manual_) {
        detail_mask_ |= kDatePage;
        if (!AskToStartManualMode()) {
            progress_.SetStatusText(J("手動入力モードでの入力を中止しました。"));
            return 0;
        }
    }

    sent_ = band->GetSentContestNumber();
    mode_ = band->GetMode();
    calling_method_ = band->GetCallingMethod() != 0 ? 1 : 0;
    card_requested_ = settings_.GetDefaultSettingOfCardDemand() != 0 ? 1 : 0;

    for (;;) {
        LoadPages();
        if (sheet_.RunWizard(kCallSignPage) != 1) {
            if (OnCallSignCancelled() == Cycle::end) {
                return 1;
            }
            continue;
        }
        call_sign_ = sheet_.GetCallSignPage().GetCallSign();
        using Verdict = log_entry_append::CallSignCheck::Verdict;
        const log_entry_append::CallSignCheck check =
            log_entry_append::CheckCallSign(doc_, call_sign_);
        if (check.verdict == Verdict::own_call_sign) {
            WarnOwnCallSign();
            continue;
        }
        if (check.verdict == Verdict::second) {
            WarnSecond(check.earlier);
            continue;
        }
        SetDetailGuidance();
        const int details = sheet_.RunWizard(detail_mask_);
        ReadPagesBack();
        if (details != 1) {
            // The call sign stays, so the call sign page shows it again.
            continue;
        }
        CarryBandDefaultsForward();
        if (!Confirm()) {
            progress_.SetStatusText(J("ログデータの入力を中止しました。"));
            continue;
        }
        AddEntry();
    }
}

bool InputRun::AskToStartManualMode() {
    const Cp932 text =
        J("これより、手動入力モードを開始します。") +
        J("\n\n手動入力モードでは、通常のログ入力に加えて、交信日時の入力も行います。") +
        J("\n手動入力モードでは、自動保存機能が使えません。") +
        J("日時を基準としたログデータの並べ替えや、First "
          "の整合などは、入力の終了時に一括して行われます。よって、入力中は、マルチ数など、"
          "いくつかの項目において、正しい値の表示されない場合があります。") +
        J("\n\n手動入力モードを開始しますか？");
    return progress_.ShowMessage(text, J("クイルマーク - 手動入力モード"),
                                 message_box::kYesNo | message_box::kIconQuestion |
                                     message_box::kDefaultButton2) == message_box::kIdYes;
}

void InputRun::PreparePages() {
    if (settings_.GetIsInputPointsEveryTime() != 0) {
        detail_mask_ |= kPointsPage;
    }
    if (settings_.GetIsInputElectricWaveTypeEveryTime() != 0) {
        detail_mask_ |= kModePage;
    }
    if (settings_.GetIsInputCQEveryTime() != 0) {
        detail_mask_ |= kCallingMethodPage;
    }
    if (settings_.GetIsInputCardDataEveryTime() != 0) {
        detail_mask_ |= kCardPage;
    }
    if (settings_.GetIsInputCommentsEveryTime() != 0) {
        detail_mask_ |= kCommentsPage;
    }
    // A default outside the page's range leaves the page's own value.
    sheet_.GetPointsPage().SetPoints(settings_.GetDefaultPoints());
    CLogDataInput_Card& card = sheet_.GetCardPage();
    card.SetValue(CLogDataInput_Card::kRequested,
                  settings_.GetDefaultSettingOfCardDemand() != 0 ? 1 : 0);
    sheet_.GetCommentsPage().SetComment({});
    if (manual_) {
        sheet_.GetDatePage().SetDate(Contest().GetStartTime());
    }
    sheet_.GetCallSignPage().SetCallSignType(Contest().GetCallSignType());
    sheet_.GetContestNumberPage().SetContestNumberType(Contest().GetContestNumberType());
    // Only the request is asked for here.
    card.SetMode(CLogDataInput_Card::kRequested, CLogDataInput_Card::kModeTwoState);
    card.SetMode(CLogDataInput_Card::kSent, CLogDataInput_Card::kModeHidden);
    card.SetMode(CLogDataInput_Card::kReceived, CLogDataInput_Card::kModeHidden);
}

void InputRun::LoadPages() {
    sheet_.GetCallSignPage().SetCallSign(call_sign_);
    sheet_.GetContestNumberPage().SetSentContestNumber(sent_);
    sheet_.GetContestNumberPage().SetReceivedContestNumber(received_);
    sheet_.GetElectricWaveTypePage().SetMode(mode_);
    sheet_.GetCQPage().SetCallingMethod(calling_method_);
    sheet_.GetCardPage().SetValue(CLogDataInput_Card::kRequested, card_requested_);
    sheet_.GetCommentsPage().SetComment(comment_);
}

void InputRun::ReadPagesBack() {
    sent_ = sheet_.GetContestNumberPage().GetSentContestNumber();
    received_ = sheet_.GetContestNumberPage().GetReceivedContestNumber();
    mode_ = sheet_.GetElectricWaveTypePage().GetMode();
    // "Neither" cannot be stored; the method stays as it was.
    if (const int method = sheet_.GetCQPage().GetCallingMethod(); method == 0 || method == 1) {
        calling_method_ = method;
    }
    card_requested_ = sheet_.GetCardPage().GetValue(CLogDataInput_Card::kRequested) == 1 ? 1 : 0;
    comment_ = sheet_.GetCommentsPage().GetComment();
}

InputRun::Cycle InputRun::OnCallSignCancelled() {
    if (!manual_) {
        progress_.SetStatusText(J("ログデータの入力を終了しました。"));
        return Cycle::end;
    }
    const int answer = progress_.ShowMessage(
        J("手動入力モードを終了すると、この後に、いろいろな作業が自動的に行われます。作業完了ま"
          "でには多少時間がかかります。") +
            J("\n\n手動入力モードを終了してよろしいですか？"),
        J("クイルマーク - 手動入力モード"),
        message_box::kYesNo | message_box::kIconQuestion | message_box::kDefaultButton2);
    if (answer != message_box::kIdYes) {
        return Cycle::again;
    }
    progress_.SetStatusText(J("ログデータの整合を行っています。しばらくお待ちください．．．"));
    doc_.RebuildLogData(CQuillmarkDoc::kRebuildSortAndFirst);
    doc_.UpdateAllViews(CDocumentBase::kHintAll);
    progress_.SetStatusText(J("手動入力モードでの全作業を完了しました。"));
    return Cycle::end;
}

void InputRun::WarnOwnCallSign() {
    progress_.SetStatusText(J("【 警告 】 ") + Text(Contest().GetOwnCallSign()) +
                            J(" は、自局の呼出符号です。"));
    progress_.ShowMessage(J("【 ") + Text(call_sign_) + J(" 】\n\nこれは、自局の呼出符号です。"),
                          J("クイルマーク - 誤入力の警告"),
                          message_box::kOk | message_box::kIconExclamation);
    call_sign_.DeleteContents();
}

void InputRun::WarnSecond(int index) {
    const CQuillmarkData_LogDataItem* const earlier = Contest().GetActiveBand()->GetEntryAt(index);
    CLogDataConfirmDialog dialog;
    dialog.SetCaption(J("呼出符号の重複 (Second) の警告"));
    dialog.SetMessage(J("【 ") + Text(call_sign_) +
                      J(" 】\n\nこの呼出符号は重複します。\nすでに、以上のように交信済みです。") +
                      J("\n\n＜＜ どれかボタンを押すと、呼出符号の入力に戻ります．．． ＞＞"));
    dialog.SetIcon(CLogDataConfirmDialog::kIconExclamation);
    dialog.SetShow(CLogDataConfirmDialog::kShowDate, true);
    dialog.SetShow(CLogDataConfirmDialog::kShowCardSent, true);
    dialog.SetShow(CLogDataConfirmDialog::kShowCardReceived, true);
    if (earlier != nullptr) {
        const CTimeZoneRule rule = settings_.GetDisplayTimeZoneRule();
        dialog.SetEntry(*earlier, delimiters_, rule);
        progress_.SetStatusText(log_entry_append::SecondStatusText(*earlier, delimiters_, rule));
    }
    // Whatever closes it, the operator goes back to the call sign.
    dialog.DoModal(doc_.GetOperator());
    call_sign_.DeleteContents();
}

void InputRun::SetDetailGuidance() {
    const Cp932 head = J("【 ") + Text(call_sign_);
    if (manual_) {
        sheet_.GetDatePage().SetGuidance(
            head + J(" 】\nこの局はＦｉｒｓｔです。交信日時を入力してください．．．"));
        sheet_.GetContestNumberPage().SetGuidance(
            head + J(" 】\nコンテストナンバーを入力してください．．．"));
    } else {
        sheet_.GetContestNumberPage().SetGuidance(
            head + J(" 】\nこの局はＦｉｒｓｔです。コンテストナンバーを入力してください．．．"));
    }
    sheet_.GetPointsPage().SetGuidance(head + J(" 】\n得点を入力してください．．．"));
    sheet_.GetElectricWaveTypePage().SetGuidance(head +
                                                 J(" 】\n電波の型式を選択してください．．．"));
    sheet_.GetCQPage().SetGuidance(head + J(" 】\n呼び出しの方法を選択してください．．．"));
    sheet_.GetCardPage().SetGuidance(head + J(" 】\nカード情報を入力してください．．．"));
    sheet_.GetCommentsPage().SetGuidance(
        head + J(" 】\n何かメモしておくことがあれば、入力してください．．．"));
}

void InputRun::CarryBandDefaultsForward() {
    if (log_entry_append::CarryBandDefaultsForward(*Contest().GetActiveBand(), WorkingContact())) {
        doc_.UpdateAllViews(kHintDefaultsChanged);
    }
}

log_entry_append::Contact InputRun::WorkingContact() const {
    log_entry_append::Contact contact;
    contact.call_sign = call_sign_;
    contact.sent = sent_;
    contact.received = received_;
    contact.points = sheet_.GetPointsPage().GetPoints();
    contact.mode = mode_;
    contact.calling_method = calling_method_;
    contact.card_requested = card_requested_ == 1;
    contact.comment = comment_;
    return contact;
}

bool InputRun::Confirm() {
    CLogDataConfirmDialog dialog;
    dialog.SetCaption(J("ログデータ入力の確認"));
    dialog.SetMessage(J("以上のように、ログへ追加します。よろしいですか？"));
    dialog.SetIcon(CLogDataConfirmDialog::kIconQuestion);
    dialog.SetShow(CLogDataConfirmDialog::kShowDate, manual_);
    dialog.SetShow(CLogDataConfirmDialog::kShowCardSent, false);
    dialog.SetShow(CLogDataConfirmDialog::kShowCardReceived, false);
    if (manual_) {
        dialog.SetDate(sheet_.GetDatePage().GetDate(), settings_.GetDisplayTimeZoneRule());
    }
    dialog.SetCallSign(Text(call_sign_));
    dialog.SetSentContestNumber(Text(sent_));
    dialog.SetReceivedContestNumber(Text(received_));
    dialog.SetPoints(sheet_.GetPointsPage().GetPoints());
    dialog.SetMode(mode_);
    dialog.SetCallingMethod(calling_method_);
    dialog.SetCardFlag(CQuillmarkData_LogDataItem::kCardRequested, card_requested_ == 1);
    dialog.SetComment(comment_);
    return dialog.DoModal(doc_.GetOperator()) == message_box::kIdOk;
}

void InputRun::AddEntry() {
    IOperator& op = doc_.GetOperator();
    op.SetWaitCursor(true);
    log_entry_append::Contact contact = WorkingContact();
    contact.time = manual_ ? sheet_.GetDatePage().GetDate() : CQuillmarkSystem::GetCurrentTime();
    // Manual input assigns First for the whole log when the run ends.
    const log_entry_append::Appended appended =
        log_entry_append::AppendToActiveBand(doc_, contact, !manual_);
    op.SetWaitCursor(false);

    if (appended.first) {
        progress_.ShowMessage(log_entry_append::FirstNotice(doc_, appended.multiplier),
                              J("クイルマーク - お知らせ"),
                              message_box::kOk | message_box::kIconInformation);
    }
    progress_.SetStatusText(J("【 ") + Text(call_sign_) +
                            J(" 】 ログデータの入力を完了しました。"));
    doc_.UpdateAllViews(kHintEntryAppended);

    call_sign_.DeleteContents();
    received_.DeleteContents();
    card_requested_ = settings_.GetDefaultSettingOfCardDemand() != 0 ? 1 : 0;
    comment_.clear();

    doc_.SetModifiedFlag(true);
    if (!manual_) {
        doc_.SaveAutomatically(true);
    }
}

}  // namespace

int CQuillmarkDoc::InputLogData(bool manual) {
    return InputRun(*this, manual).Run();
}
