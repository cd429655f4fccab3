#include "document/log_search.h"

#include <algorithm>
#include <cstdint>

#include "citycode/city_code_organization.h"
#include "dialogs/city_code_search_dialog.h"
#include "dialogs/log_data_search_dialog.h"
#include "model/log_entry.h"

namespace log_search {

bool ContainsText(std::string_view text, std::string_view key) {
    if (key.empty()) {
        return true;
    }
    for (size_t pos = 0; pos + key.size() <= text.size(); pos += cp932::CharLength(text, pos)) {
        if (text.compare(pos, key.size(), key) == 0) {
            return true;
        }
    }
    return false;
}

bool MatchesCityCodeTexts(const CCityCodeData_CityCodeDataItem& item,
                          const CCityCodeSearchDialog& criteria) {
    using Item = CCityCodeData_CityCodeDataItem;
    return (!criteria.IsCodeOn() ||
            ContainsText(item.GetField(Item::kCityCode), criteria.GetCode())) &&
           (!criteria.IsNameOn() ||
            ContainsText(item.GetField(Item::kCityName), criteria.GetName())) &&
           (!criteria.IsReadingOn() ||
            ContainsText(item.GetField(Item::kReading), criteria.GetReading()));
}

}  // namespace log_search

CLogSearchMatcher::CLogSearchMatcher(const CLogDataSearchDialog& criteria,
                                     std::string_view delimiters, int multiplier_index,
                                     const CCityCodeData_MainDataOrganization* city_codes)
    : criteria_(criteria),
      delimiters_(delimiters),
      multiplier_index_(multiplier_index),
      mode_(criteria.GetModeText()) {
    if (criteria.IsOn(CLogDataSearchDialog::kMultiplierNotInDatabase) && city_codes != nullptr) {
        for (int d = 0; d < city_codes->GetCount(); ++d) {
            for (const auto& item : city_codes->GetAt(d)->GetItems()) {
                codes_.insert(item.GetField(CCityCodeData_CityCodeDataItem::kCityCode));
            }
        }
    }
}

bool CLogSearchMatcher::TextMatches(const CQuillmarkData_Item& item, int parameter_index,
                                    std::string_view key) const {
    if (parameter_index >= 0) {
        return log_search::ContainsText(item.ParameterView(parameter_index), key);
    }
    return log_search::ContainsText(item.GetText(delimiters_), key);
}

bool CLogSearchMatcher::MultiplierIsUnknown(const CQuillmarkData_LogDataItem& entry) const {
    const std::string_view multiplier =
        entry.GetReceivedContestNumber().ParameterView(multiplier_index_);
    // An empty code is never looked up, so it counts as missing whatever the databases hold.
    return multiplier.empty() || !codes_.contains(multiplier);
}

bool CLogSearchMatcher::Matches(const CQuillmarkData_LogDataItem& entry) const {
    using D = CLogDataSearchDialog;
    // A criterion that is on rejects the entry when its test disagrees with its state.
    const auto rejects = [this](int criterion, const auto& test) {
        const int state = criteria_.GetSwitch(criterion);
        return state != D::kOff && test() != (state == D::kMustMatch);
    };
    if (rejects(D::kDateTime, [&] {
            return criteria_.GetFrom() <= entry.GetTime() && entry.GetTime() <= criteria_.GetTo();
        })) {
        return false;
    }
    if (rejects(D::kCallSign, [&] {
            return TextMatches(entry.GetCallSign(), criteria_.GetCallSignParameterIndex(),
                               criteria_.GetCallSign());
        })) {
        return false;
    }
    if (rejects(D::kSentContestNumber, [&] {
            return TextMatches(entry.GetSentContestNumber(),
                               criteria_.GetSentContestNumberParameterIndex(),
                               criteria_.GetSentContestNumber());
        })) {
        return false;
    }
    if (rejects(D::kReceivedContestNumber, [&] {
            return TextMatches(entry.GetReceivedContestNumber(),
                               criteria_.GetReceivedContestNumberParameterIndex(),
                               criteria_.GetReceivedContestNumber());
        })) {
        return false;
    }
    if (rejects(D::kFirst, [&] { return entry.GetFirst() == 1; })) {
        return false;
    }
    if (rejects(D::kPoints, [&] {
            return criteria_.GetPointsFrom() <= entry.GetPoints() &&
                   entry.GetPoints() <= criteria_.GetPointsTo();
        })) {
        return false;
    }
    if (rejects(D::kMode, [&] { return entry.GetMode() == mode_; })) {
        return false;
    }
    if (rejects(D::kCallingMethod,
                [&] { return (entry.GetCallingMethod() == 1) == criteria_.IsCallingMethodCQ(); })) {
        return false;
    }
    if (rejects(D::kComment, [&] {
            return log_search::ContainsText(entry.GetComment(), criteria_.GetComment());
        })) {
        return false;
    }
    if (multiplier_index_ >= 0 &&
        rejects(D::kMultiplierNotInDatabase, [&] { return MultiplierIsUnknown(entry); })) {
        return false;
    }
    return true;
}

namespace log_search {

std::vector<int> FindEntries(const std::vector<CQuillmarkData_LogDataItem>& entries,
                             const CLogSearchMatcher& matcher, const ScanProgress& progress,
                             CWorkPacer pacer) {
    std::vector<int> found;
    const int count = static_cast<int>(std::min<size_t>(entries.size(), INT32_MAX));
    for (int i = 0; i < count; ++i) {
        if (progress && pacer.Due() && !progress(i)) {
            break;
        }
        if (matcher.Matches(entries[static_cast<size_t>(i)])) {
            found.push_back(i);
        }
    }
    return found;
}

}  // namespace log_search
