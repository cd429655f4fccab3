#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "../platform/recording_sink.h"
#include "legacy/old_file_converter.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"

// Test names show the version rather than its bytes.
inline void PrintTo(OldFileVersion version, std::ostream* out) {
    static const char* const names[] = {"2.30", "3.00", "3.10", "3.30", "3.50"};
    *out << names[static_cast<int>(version)];
}

// Helpers shared by the converter tests: a sink that records what the operator would see,
// a one-call conversion of a file image, and the invariants every converted contest keeps.
namespace legacy_test {

inline constexpr std::string_view kDelimiters = "/,.";

using platform_test::RecordingSink;

struct Converted {
    OldFileConversion result;
    CQuillmarkData_MainData contest;
    RecordingSink sink;
};

// Reads the header string from the file image and converts the rest, as the loader does.
// Archive exceptions propagate.
inline Converted Convert(const std::string& image, std::string_view delimiters = kDelimiters) {
    Converted converted;
    CArchive ar(image);
    const Cp932 header = ar.ReadString();
    converted.result = ConvertOldFile(ar, header, delimiters, converted.contest, converted.sink);
    return converted;
}

// A format as "main I: MIN-MAX/CLASSES ..." (the main or multiplier parameter index, then
// each parameter's attributes); special characters follow a '+'.
inline std::string Attributes(const CQuillmarkData_ParameterType& format, int index) {
    std::string text = "main " + std::to_string(index) + ":";
    for (int i = 0; i < format.GetParameterCount(); ++i) {
        const auto* a = format.GetAttributes(i);
        text += " " + std::to_string(a->GetMinLength()) + "-" + std::to_string(a->GetMaxLength()) +
                "/" + std::to_string(a->GetCharacterClasses()) +
                (a->GetSpecialCharacters().empty() ? "" : "+" + a->GetSpecialCharacters());
    }
    return text;
}
inline std::string Attributes(const CQuillmarkData_CallSignType& format) {
    return Attributes(format, format.GetMainParameterIndex());
}
inline std::string Attributes(const CQuillmarkData_ContestNumberType& format) {
    return Attributes(format, format.GetMultiplierParameterIndex());
}

// The entries of a band as "CALL +SECONDS F|- POINTS CARDS SENT_RST MODE CALLING COMMENT",
// the time counted from the samples' start.
inline std::vector<std::string> Entries(const CQuillmarkData_SubMainData& band) {
    std::vector<std::string> rows;
    for (const auto& e : band.GetEntries()) {
        rows.push_back(Cp932ToUtf8(e.GetCallSign().GetText("/")) + " +" +
                       std::to_string(e.GetTime() - 962452800) + (e.GetFirst() ? " F " : " - ") +
                       std::to_string(e.GetPoints()) + " " + std::to_string(e.GetCardFlags()) +
                       " " + e.GetSentContestNumber().GetParameter(0) + " " +
                       Cp932ToUtf8(e.GetMode()) + " " + std::to_string(e.GetCallingMethod()) + " " +
                       Cp932ToUtf8(e.GetComment()));
    }
    return rows;
}

inline ::testing::AssertionResult ItemFits(const CQuillmarkData_Item& item,
                                           const CQuillmarkData_ParameterType& format,
                                           const char* what) {
    if (item.IsValid() && item.GetPartCount() != format.GetParameterCount()) {
        return ::testing::AssertionFailure() << what << " has " << item.GetPartCount()
                                             << " parts for " << format.GetParameterCount();
    }
    return ::testing::AssertionSuccess();
}

// What every successful conversion gives: a valid contest without category, sound formats,
// exactly one valid band which is active, and only valid entries whose items fit the formats.
inline ::testing::AssertionResult IsSoundConversion(const CQuillmarkData_MainData& contest) {
    using ::testing::AssertionFailure;
    if (!contest.IsValid()) {
        return AssertionFailure() << "contest not valid";
    }
    if (!contest.GetCategoryCode().empty() || !contest.GetCategoryName().empty()) {
        return AssertionFailure() << "contest has a category";
    }
    const auto& call_sign_type = contest.GetCallSignType();
    const auto& number_type = contest.GetContestNumberType();
    if (!call_sign_type.IsValid() || !call_sign_type.HasConsistentAttributes() ||
        !number_type.IsValid() || !number_type.HasConsistentAttributes()) {
        return AssertionFailure() << "formats not sound";
    }
    if (contest.GetBandCount() != 1 || contest.GetActiveBandIndex() != 0) {
        return AssertionFailure() << contest.GetBandCount() << " bands, active "
                                  << contest.GetActiveBandIndex();
    }
    const CQuillmarkData_SubMainData& band = *contest.GetBandAt(0);
    if (!band.GetBand().IsValid()) {
        return AssertionFailure() << "band not valid";
    }
    if (auto fits = ItemFits(contest.GetOwnCallSign(), call_sign_type, "own call sign"); !fits) {
        return fits;
    }
    if (auto fits = ItemFits(band.GetSentContestNumber(), number_type, "sent number"); !fits) {
        return fits;
    }
    for (const auto& entry : band.GetEntries()) {
        if (!entry.IsValid() || !entry.GetCallSign().IsValid() ||
            !entry.GetSentContestNumber().IsValid() ||
            !entry.GetReceivedContestNumber().IsValid()) {
            return AssertionFailure() << "entry not valid";
        }
        for (auto fits : {ItemFits(entry.GetCallSign(), call_sign_type, "call sign"),
                          ItemFits(entry.GetSentContestNumber(), number_type, "sent"),
                          ItemFits(entry.GetReceivedContestNumber(), number_type, "received")}) {
            if (!fits) {
                return fits;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace legacy_test
