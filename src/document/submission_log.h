#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/export_mode_table.h"
#include "document/submission_band.h"
#include "platform/cp932.h"

class CQuillmarkData_Item;
class CQuillmarkData_LogDataItem;
class CQuillmarkData_MainData;
class CQuillmarkData_SubMainData;
namespace log_export {
struct SummaryInformation;
}

// A contest as the submission formats read it: every contact of every band in one time
// order with its band and mode rows, the texts of call signs and contest numbers as tokens
// (the parameters that are not empty, letters in upper case), contact times in JST or UTC,
// the claimed score, and the check that refuses a contact a format cannot hold. Shared by
// the three submission exporters.
namespace submission_log {

struct Contact {
    const CQuillmarkData_LogDataItem* entry = nullptr;
    const CQuillmarkData_SubMainData* band = nullptr;
    const submission_band::Row* band_row = nullptr;  // null outside the amateur bands
    const export_mode::Row* mode = nullptr;          // null for an empty or unknown mode
};

// Every contact of every band, by time; contacts at the same second keep band order and
// then their order in the band. A contact without a mode of its own takes its band's.
std::vector<Contact> ContactsInTimeOrder(const CQuillmarkData_MainData& contest);

// The mode text a contact is written with: its own, else its band's.
std::string_view ModeText(const Contact& contact);

struct Time {
    int64_t year;
    int month;
    int day;
    int hour;
    int minute;
    int second;
};
// A stored time in UTC, or in Japan Standard Time (UTC+9).
Time TimeOf(int64_t seconds, bool utc);

// value in decimal, with leading zeros up to width.
void AppendNumber(std::string& out, int64_t value, int width = 0);
// "2021-06-05" and "09:30"; compact forms "20210605" and "0930" (Cabrillo and ADIF).
void AppendDate(std::string& out, const Time& time, std::string_view separator);
void AppendClock(std::string& out, const Time& time, std::string_view separator);

// The parts of an item that are not empty, letters in upper case, joined by separator.
void AppendTokens(std::string& out, const CQuillmarkData_Item& item, char separator);
std::string Tokens(const CQuillmarkData_Item& item, char separator);
// ASCII letters in upper case, everything else as it is.
std::string Upper(std::string_view text);

// True when every byte is printable ASCII without a blank (0x21 .. 0x7E).
bool IsToken(std::string_view text);
// True when every byte is printable ASCII or a blank (0x20 .. 0x7E).
bool IsAsciiText(std::string_view text);

// The text's lines, split at CR LF, CR or LF; empty lines are kept, a final line break adds
// no line.
std::vector<std::string_view> Lines(std::string_view text);

// The score the summary sheet shows: total points × total multipliers (× 1 without a
// multiplier parameter) × the station coefficient when it is used.
int64_t ClaimedScore(const CQuillmarkData_MainData& contest,
                     const log_export::SummaryInformation& summary);

// Which column of a format's mode table a check uses.
enum class ModeColumn { jarl, cabrillo, adif };

// Why a format cannot write the contest: a band outside the amateur bands, a contact whose
// mode has no counterpart in the format, a call sign or contest number (the own call sign
// included) that is not plain ASCII. The text names the band or the contact and the field
// (CP932); empty when everything can be written.
Cp932 CheckContacts(const CQuillmarkData_MainData& contest, const std::vector<Contact>& contacts,
                    std::string_view format_name, ModeColumn column, bool utc);

}  // namespace submission_log
