#pragma once

#include <cstdint>
#include <optional>

#include "model/band.h"
#include "model/parameter_item.h"
#include "platform/cp932.h"
#include "platform/time_zone_rule.h"

class CQuillmarkDoc;
class CQuillmarkData_LogDataItem;
class CQuillmarkData_SubMainData;

// The rules a new contact passes on its way into the log, shared by the log entry wizard's
// run (quillmark_doc_input.cpp) and the entry of one contact without a wizard (LogContact,
// used by quillmark-cli log): the own call sign is refused, a station already worked on the
// active band is a Second, the band's defaults move to the contact's values, and the entry
// is First when no entry of the active band carries its multiplier yet. Works on a
// CQuillmarkDoc and its active band; talks to nobody (the callers show the texts).
namespace log_entry_append {

// What the call sign of a new contact meets on the active band.
struct CallSignCheck {
    enum class Verdict { new_station, own_call_sign, second };
    Verdict verdict = Verdict::new_station;
    int earlier = -1;  // for a Second: the first earlier entry with the same main parameter
};
CallSignCheck CheckCallSign(const CQuillmarkDoc& doc, const CQuillmarkData_CallSignItem& call_sign);

// The values of one contact as the wizard collects them.
struct Contact {
    int64_t time = 0;
    CQuillmarkData_CallSignItem call_sign;
    CQuillmarkData_ContestNumberItem sent;
    CQuillmarkData_ContestNumberItem received;
    int points = 1;
    Cp932 mode;
    int calling_method = 0;
    bool card_requested = false;
    Cp932 comment;
};

// The band's own sent contest number, mode and calling method become the contact's. True
// when one of them changed.
bool CarryBandDefaultsForward(CQuillmarkData_SubMainData& band, const Contact& contact);

struct Appended {
    bool first = false;
    Cp932 multiplier;  // the received multiplier parameter (empty without one)
};
// Builds the entry and appends it to the active band; with decide_first it is First when
// the contest number has a multiplier parameter and no entry of the band has its value. An
// entry that cannot be made (an invalid item) leaves the band as it was.
Appended AppendToActiveBand(CQuillmarkDoc& doc, const Contact& contact, bool decide_first);

// "【 Second 】 " + time + " ◆ " + call sign + … + points: the earlier contact on one line.
Cp932 SecondStatusText(const CQuillmarkData_LogDataItem& earlier, const Cp932& delimiters,
                       const CTimeZoneRule& rule);
// The notice of a First multiplier with its city from the city code databases.
Cp932 FirstNotice(const CQuillmarkDoc& doc, const Cp932& multiplier);

// One contact without a wizard, as texts. Unset values take what the wizard would have:
// the band's sent number, mode and calling method, the settings' points and card request,
// the current time, no comment.
struct ContactRequest {
    Cp932 call_sign;
    Cp932 received;
    std::optional<Cp932> sent;
    std::optional<int64_t> time;
    std::optional<int> points;
    std::optional<Cp932> mode;
    std::optional<int> calling_method;
    Cp932 comment;
    // The band to log on; the active band when unset (the active band stays as it was).
    std::optional<CQuillmarkData_BandItem> band;
    // A Second is logged instead of refused.
    bool allow_second = false;
};

struct LogOutcome {
    bool logged = false;
    // Why it was refused: the warning the wizard shows for the same input (CP932).
    Cp932 refusal;
    // For a First multiplier, the notice the wizard shows.
    Cp932 notice;
};
// Checks the texts with the wizard's own pages, then the call sign as above, and appends the
// entry. A time before the band's last contact puts the log back in time order and assigns
// First again. The document is marked modified; it is not saved.
LogOutcome LogContact(CQuillmarkDoc& doc, const ContactRequest& request);

}  // namespace log_entry_append
