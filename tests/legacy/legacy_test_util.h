#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "../cli/sample_contest.h"
#include "../platform/recording_sink.h"
#include "legacy/old_file_converter.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "old_file_writer.h"
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

// A contest that a failed or refused conversion must leave exactly as it was.
inline CQuillmarkData_MainData ExistingContest() {
    return sample::MakeContest(1, 2);
}

// A conversion into ExistingContest(), as the loader runs it: the header string read from
// the file image, then the rest converted. result is empty when an archive exception
// stopped it, and error says why.
struct Converted {
    std::optional<OldFileConversion> result;
    std::string error;
    CQuillmarkData_MainData contest = ExistingContest();
    RecordingSink sink;
};

inline Converted Convert(const std::string& image, std::string_view delimiters = kDelimiters) {
    Converted converted;
    try {
        CArchive ar(image);
        const Cp932 header = ar.ReadString();
        converted.result =
            ConvertOldFile(ar, header, delimiters, converted.contest, converted.sink);
    } catch (const CArchiveException& e) {
        converted.error = e.what();
    }
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
    struct Fit {
        const CQuillmarkData_Item& item;
        const CQuillmarkData_ParameterType& format;
        const char* what;
    };
    std::vector<Fit> items = {{contest.GetOwnCallSign(), call_sign_type, "own call sign"},
                              {band.GetSentContestNumber(), number_type, "sent number"}};
    for (const auto& entry : band.GetEntries()) {
        if (!entry.IsValid() || !entry.GetCallSign().IsValid() ||
            !entry.GetSentContestNumber().IsValid() ||
            !entry.GetReceivedContestNumber().IsValid()) {
            return AssertionFailure() << "entry not valid";
        }
        items.push_back({entry.GetCallSign(), call_sign_type, "call sign"});
        items.push_back({entry.GetSentContestNumber(), number_type, "sent"});
        items.push_back({entry.GetReceivedContestNumber(), number_type, "received"});
    }
    for (const Fit& fit : items) {
        if (fit.item.IsValid() && fit.item.GetPartCount() != fit.format.GetParameterCount()) {
            return AssertionFailure() << fit.what << " has " << fit.item.GetPartCount()
                                      << " parts for " << fit.format.GetParameterCount();
        }
    }
    return ::testing::AssertionSuccess();
}

// A frequency in the shortest text that reads back as the same double.
inline std::string Number(double value, std::chars_format format = std::chars_format::general) {
    char text[400];
    return std::string(text, std::to_chars(text, text + sizeof text, value, format).ptr);
}

inline std::string Text(const CQuillmarkData_Item& item) {
    return item.IsValid() ? Cp932ToUtf8(item.GetText("/")) : "(none)";
}

// A conversion and the contest it gave, for the goldens: the result, the contest and its
// formats, the one band and its entries (times from the samples' start) and the totals.
inline std::string Describe(const OldFileConversion& result,
                            const CQuillmarkData_MainData& contest) {
    std::ostringstream out;
    out << "format " << result.format << ", " << result.dropped_entries << " dropped"
        << (result.own_call_sign_lost ? ", own call sign lost" : "")
        << (result.own_sent_number_lost ? ", own sent number lost" : "") << "\n";
    if (const ::testing::AssertionResult sound = IsSoundConversion(contest); !sound) {
        out << "not sound: " << sound.message() << "\n";
        return out.str();
    }
    const int64_t start = old_file_writer::kSampleStart;
    out << Cp932ToUtf8(contest.GetContestName()) << " +" << contest.GetStartTime() - start
        << " to +" << contest.GetEndTime() - start << ", own " << Text(contest.GetOwnCallSign())
        << "\n";
    out << "call sign " << Attributes(contest.GetCallSignType()) << "\n";
    out << "number " << Attributes(contest.GetContestNumberType()) << "\n";
    const CQuillmarkData_SubMainData& band = *contest.GetBandAt(0);
    out << "band " << Number(band.GetBand().GetFrequency(), std::chars_format::fixed) << " unit "
        << band.GetBand().GetUnit() << ", mode \"" << Cp932ToUtf8(band.GetMode()) << "\", calling "
        << band.GetCallingMethod() << ", sent " << Text(band.GetSentContestNumber()) << "\n";
    for (const auto& e : band.GetEntries()) {
        out << "  " << Text(e.GetCallSign()) << " +" << e.GetTime() - start
            << (e.GetFirst() ? " First" : " -") << ", sent " << Text(e.GetSentContestNumber())
            << ", received " << Text(e.GetReceivedContestNumber()) << ", points " << e.GetPoints()
            << ", cards " << e.GetCardFlags() << ", mode \"" << Cp932ToUtf8(e.GetMode())
            << "\", calling " << e.GetCallingMethod() << ", comment \""
            << Cp932ToUtf8(e.GetComment()) << "\"\n";
    }
    out << "multipliers " << contest.GetTotalMultiplierCount() << ", points "
        << contest.GetTotalPoints() << "\n";
    return out.str();
}

}  // namespace legacy_test
