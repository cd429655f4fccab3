#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "document/work_pacer.h"
#include "platform/cp932.h"

class CCityCodeData_CityCodeDataItem;
class CCityCodeData_MainDataOrganization;
class CCityCodeSearchDialog;
class CLogDataSearchDialog;
class CQuillmarkData_LogDataItem;
class CQuillmarkData_Item;

namespace log_search {

// Whether key occurs in text starting on a character boundary (the trail byte of a
// double-byte character never starts a match); case-sensitive. Every text contains the empty
// key.
bool ContainsText(std::string_view text, std::string_view key);

// Whether a city code record passes the code, name and reading criteria of a city code
// search that are switched on (the worked-multiplier criterion is the caller's).
bool MatchesCityCodeTexts(const CCityCodeData_CityCodeDataItem& item,
                          const CCityCodeSearchDialog& criteria);

}  // namespace log_search

// Decides which log entries a log search finds: an entry is found when no criterion that is
// switched on rejects it ("must match" rejects an entry the test fails, "must not match" one
// it passes). Reads the accepted criteria of a CLogDataSearchDialog, which must outlive it;
// for the multiplier-not-in-database test it collects the codes of every open city code
// database once, so each entry costs one hash look-up instead of a scan of the databases.
class CLogSearchMatcher {
public:
    // delimiters join an item's parameters into its text form; multiplier_index is the
    // contest number's multiplier parameter, -1 when there is none (the multiplier test then
    // rejects nothing). city_codes may be null (no database).
    CLogSearchMatcher(const CLogDataSearchDialog& criteria, std::string_view delimiters,
                      int multiplier_index, const CCityCodeData_MainDataOrganization* city_codes);

    bool Matches(const CQuillmarkData_LogDataItem& entry) const;

private:
    bool TextMatches(const CQuillmarkData_Item& item, int parameter_index,
                     std::string_view key) const;
    bool MultiplierIsUnknown(const CQuillmarkData_LogDataItem& entry) const;

    const CLogDataSearchDialog& criteria_;
    const Cp932 delimiters_;
    const int multiplier_index_;
    const Cp932 mode_;
    std::unordered_set<std::string_view> codes_;
};

namespace log_search {

// Called before testing entry i when the pacer says so (at least before the first entry);
// returning false stops the scan.
using ScanProgress = std::function<bool(int next_index)>;

// The indices, in stored order, of the entries the matcher finds; a stopped scan returns
// what it found up to then.
std::vector<int> FindEntries(const std::vector<CQuillmarkData_LogDataItem>& entries,
                             const CLogSearchMatcher& matcher, const ScanProgress& progress,
                             CWorkPacer pacer = CWorkPacer());

}  // namespace log_search
