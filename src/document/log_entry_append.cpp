#include "document/log_entry_append.h"

#include "citycode/city_code_organization.h"
#include "dialogs/log_data_input_pages.h"
#include "document/quillmark_doc.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "platform/cp932_convert.h"
#include "platform/time_format.h"
#include "settings/quillmark_system.h"

namespace log_entry_append {
namespace {

constexpr int kHintDefaultsChanged = -3;

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

Cp932 Text(const CQuillmarkData_Item& item, const Cp932& delimiters) {
    return item.IsValid() ? item.GetText(delimiters) : Cp932();
}

// Puts the active band back where it was when a contact for another band is done.
class ActiveBandSwitch {
public:
    explicit ActiveBandSwitch(CQuillmarkData_MainData& contest)
        : contest_(contest), before_(contest.GetActiveBandIndex()) {}
    ActiveBandSwitch(const ActiveBandSwitch&) = delete;
    ActiveBandSwitch& operator=(const ActiveBandSwitch&) = delete;
    ~ActiveBandSwitch() {
        if (before_ < 0) {
            contest_.ClearActiveBand();
        } else {
            contest_.SetActiveBandAt(before_);
        }
    }

private:
    CQuillmarkData_MainData& contest_;
    const int before_;
};

LogOutcome Refused(Cp932 text) {
    LogOutcome outcome;
    outcome.refusal = std::move(text);
    return outcome;
}

Cp932 BandText(const CQuillmarkData_BandItem& band) {
    return band.GetBandText(3, 2, true);
}

}  // namespace

CallSignCheck CheckCallSign(const CQuillmarkDoc& doc,
                            const CQuillmarkData_CallSignItem& call_sign) {
    const int found =
        doc.FindCallSign(call_sign.GetMainParameter(doc.GetContest().GetCallSignType()));
    if (found == -1) {
        return {CallSignCheck::Verdict::own_call_sign, -1};
    }
    if (found >= 0) {
        return {CallSignCheck::Verdict::second, found};
    }
    return {};
}

bool CarryBandDefaultsForward(CQuillmarkData_SubMainData& band, const Contact& contact) {
    bool changed = false;
    if (!(contact.sent == band.GetSentContestNumber()) && band.SetSentContestNumber(contact.sent)) {
        changed = true;
    }
    if (contact.mode != band.GetMode()) {
        band.SetMode(contact.mode);
        changed = true;
    }
    if (contact.calling_method != band.GetCallingMethod()) {
        band.SetCallingMethod(contact.calling_method != 0);
        changed = true;
    }
    return changed;
}

Appended AppendToActiveBand(CQuillmarkDoc& doc, const Contact& contact, bool decide_first) {
    CQuillmarkData_MainData& contest = doc.GetContest();
    CQuillmarkData_LogDataItem entry;
    entry.SetEntry(contact.time, contact.call_sign, contact.sent, contact.received, contact.points);
    const CQuillmarkData_ContestNumberType& format = contest.GetContestNumberType();
    Appended appended;
    appended.multiplier = contact.received.GetMultiplierParameter(format);
    appended.first = decide_first && format.MultiplierIndexOrNone() >= 0 &&
                     doc.FindMultiplier(appended.multiplier) < 0;
    entry.SetFirst(appended.first);
    entry.SetMode(contact.mode);
    entry.SetCallingMethod(contact.calling_method != 0);
    entry.SetCardFlag(CQuillmarkData_LogDataItem::kCardRequested, contact.card_requested);
    entry.SetComment(contact.comment);
    if (entry.IsValid()) {
        contest.GetActiveBand()->AddEntry(std::move(entry));
    }
    return appended;
}

Cp932 SecondStatusText(const CQuillmarkData_LogDataItem& earlier, const Cp932& delimiters,
                       const CTimeZoneRule& rule) {
    const Cp932 separator = J(" ◆ ");
    return J("【 Second 】 ") + FormatTime("%Y %#m/%#d - %#H:%M:%S", earlier.GetTime(), rule) +
           separator + Text(earlier.GetCallSign(), delimiters) + separator +
           Text(earlier.GetSentContestNumber(), delimiters) + separator +
           Text(earlier.GetReceivedContestNumber(), delimiters) + separator +
           std::to_string(earlier.GetPoints());
}

Cp932 FirstNotice(const CQuillmarkDoc& doc, const Cp932& multiplier) {
    Cp932 text = J("【 ") + multiplier + J(" 】");
    const int found = doc.FindCityCode(-1, 0, multiplier, true);
    const CCityCodeData_MainDataOrganization* const city_codes = doc.GetCityCodeOrganization();
    if (const auto* city =
            city_codes != nullptr && found >= 0 ? city_codes->GetTotalItemAt(found) : nullptr;
        city != nullptr) {
        text += "\n" + city->GetField(CCityCodeData_CityCodeDataItem::kCityName) + "     [ " +
                city->GetField(CCityCodeData_CityCodeDataItem::kReading) + " ]";
    }
    return text + J("\n\nこのマルチは初回です。");
}

LogOutcome LogContact(CQuillmarkDoc& doc, const ContactRequest& request) {
    CQuillmarkData_MainData& contest = doc.GetContest();
    const CQuillmarkSystem& settings = doc.GetSettings();
    const Cp932& delimiters = settings.GetPunctuationMarks();
    if (!contest.IsValid()) {
        return Refused(J("コンテストが設定されていません。"));
    }
    ActiveBandSwitch restore(contest);
    if (request.band) {
        const int index = contest.FindBandIndex(*request.band);
        if (index < 0) {
            return Refused(J("周波数帯 ") + BandText(*request.band) +
                           J(" は、このコンテストにありません。"));
        }
        contest.SetActiveBandAt(index);
    }
    CQuillmarkData_SubMainData* const band = contest.GetActiveBand();
    if (band == nullptr) {
        return Refused(J("入力を行いたい周波数帯をアクティブにしてください。"));
    }

    // The texts go through the wizard's pages, typed as the operator would type them.
    CLogDataInput_CallSign call_sign_page;
    call_sign_page.SetCallSignType(contest.GetCallSignType());
    call_sign_page.OnSetActive(settings);
    call_sign_page.TypeText(request.call_sign);
    if (const LogDataInputCheck check = call_sign_page.OnWizardNext(settings); !check.passed) {
        return Refused(check.warning);
    }
    Contact contact;
    contact.call_sign = call_sign_page.GetCallSign();
    const Cp932 call_text = Text(contact.call_sign, delimiters);

    const CallSignCheck call_check = CheckCallSign(doc, contact.call_sign);
    if (call_check.verdict == CallSignCheck::Verdict::own_call_sign) {
        return Refused(J("【 ") + call_text + J(" 】\n\nこれは、自局の呼出符号です。"));
    }
    if (call_check.verdict == CallSignCheck::Verdict::second && !request.allow_second) {
        return Refused(J("【 ") + call_text + J(" 】\n\nこの呼出符号は重複します。\n") +
                       SecondStatusText(*band->GetEntryAt(call_check.earlier), delimiters,
                                        settings.GetDisplayTimeZoneRule()));
    }

    CLogDataInput_ContestNumber number_page;
    number_page.SetContestNumberType(contest.GetContestNumberType());
    number_page.SetSentContestNumber(band->GetSentContestNumber());
    number_page.OnSetActive(settings);
    if (request.sent) {
        number_page.SetSentEditText({});
        number_page.TypeSentText(*request.sent);
    }
    number_page.TypeReceivedText(request.received);
    if (const LogDataInputCheck check = number_page.OnWizardNext(settings); !check.passed) {
        return Refused(check.warning);
    }
    contact.sent = number_page.GetSentContestNumber();
    contact.received = number_page.GetReceivedContestNumber();

    CLogDataInput_Points points_page;
    points_page.SetEditValue(request.points.value_or(settings.GetDefaultPoints()));
    if (const LogDataInputCheck check = points_page.OnWizardNext(settings); !check.passed) {
        return Refused(check.warning);
    }
    contact.points = points_page.GetPoints();

    CLogDataInput_ElectricWaveType mode_page;
    mode_page.SetMode(band->GetMode());
    mode_page.OnSetActive(settings);
    if (request.mode && !mode_page.SelectText(request.mode->empty()
                                                  ? CLogDataInput_ElectricWaveType::GetNoModeText()
                                                  : *request.mode)) {
        return Refused(J("電波の型式「") + *request.mode + J("」は、選択できません。"));
    }
    mode_page.OnWizardNext(settings);
    contact.mode = mode_page.GetMode();

    contact.calling_method =
        request.calling_method.value_or(band->GetCallingMethod() != 0 ? 1 : 0) != 0 ? 1 : 0;
    contact.card_requested = settings.GetDefaultSettingOfCardDemand() != 0;
    contact.comment = request.comment;
    contact.time = request.time.value_or(CQuillmarkSystem::GetCurrentTime());

    if (CarryBandDefaultsForward(*band, contact)) {
        doc.UpdateAllViews(kHintDefaultsChanged);
    }
    const int64_t last = band->GetEntryCount() > 0
                             ? band->GetEntryAt(band->GetEntryCount() - 1)->GetTime()
                             : contact.time;
    const Appended appended = AppendToActiveBand(doc, contact, true);
    if (contact.time < last) {
        // As after manual input: back in time order, First assigned again.
        doc.RebuildLogData(CQuillmarkDoc::kRebuildSortAndFirst);
    }
    doc.SetModifiedFlag(true);
    LogOutcome outcome;
    outcome.logged = true;
    if (appended.first) {
        outcome.notice = FirstNotice(doc, appended.multiplier);
    }
    return outcome;
}

}  // namespace log_entry_append
