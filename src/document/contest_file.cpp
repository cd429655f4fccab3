#include "document/contest_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <map>
#include <numeric>
#include <utility>
#include <vector>

#include "legacy/old_file_converter.h"
#include "model/contest.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"
#include "platform/progress_sink.h"
#include "platform/safe_file.h"

namespace contest_file {
namespace {

const Cp932& Text(const char* utf8) {
    // The texts are few and fixed; each is converted once (map nodes never move).
    static thread_local std::map<const char*, Cp932> cache;
    auto found = cache.find(utf8);
    if (found == cache.end()) {
        found = cache.emplace(utf8, Utf8ToCp932(utf8)).first;
    }
    return found->second;
}

constexpr const char* kWritingText = "ファイルに書き込んでいます。しばらくお待ちください．．．";
constexpr const char* kWrittenText = "ファイルへの書き込みを完了しました。";
constexpr const char* kReadingText = "ファイルから読み込んでいます。しばらくお待ちください．．．";
constexpr const char* kConvertCaption = "クイルマーク - 旧バージョンのデータファイルのコンバート";

constexpr const char* kNotADataFile = "not a known data file";

// The largest count, position and length the setup wizard accepts.
constexpr int32_t kMaxSetting = 30000;

std::string Where(int band, int entry = -1) {
    std::string text = "band " + std::to_string(band + 1);
    if (entry >= 0) {
        text += ", entry " + std::to_string(entry + 1);
    }
    return text;
}

std::string CheckFormat(const CQuillmarkData_ParameterType& format, const char* name) {
    if (!format.IsValid()) {
        return std::string("the ") + name + " format is not valid";
    }
    const int count = format.GetParameterCount();
    if (count < 1 || count > kMaxSetting || !format.HasConsistentAttributes()) {
        return std::string("the ") + name + " format has " + std::to_string(count) +
               " parameters but a different number of attribute records";
    }
    for (int i = 0; i < count; ++i) {
        const CQuillmarkData_ParameterAttributes& attributes = *format.GetAttributes(i);
        const std::string which =
            std::string("the ") + name + " format's parameter " + std::to_string(i + 1);
        if (!attributes.IsValid()) {
            return which + " has no valid attributes";
        }
        // The setup wizard keeps lengths within these bounds; a larger one would only make
        // padded texts and printed columns absurdly wide.
        const int32_t min = attributes.GetMinLength();
        const int32_t max = attributes.GetMaxLength();
        if (min < 0 || min > kMaxSetting || max < -1 || max > kMaxSetting ||
            (max != -1 && max < min)) {
            return which + " has the length range " + std::to_string(min) + " to " +
                   std::to_string(max);
        }
    }
    if (!format.HasConsistentTotals()) {
        return std::string("the ") + name + " format's total lengths disagree with its parameters";
    }
    return {};
}

// A valid item must hold exactly one part per parameter of its format: code that walks
// the format's parameters relies on it.
std::string CheckItem(const CQuillmarkData_Item& item, const CQuillmarkData_ParameterType& format,
                      const char* name, bool required) {
    if (!item.IsValid()) {
        return required ? std::string("the ") + name + " is not valid" : std::string();
    }
    if (item.GetPartCount() != format.GetParameterCount()) {
        return std::string("the ") + name + " has " + std::to_string(item.GetPartCount()) +
               " parts, its format " + std::to_string(format.GetParameterCount());
    }
    return {};
}

std::string CheckBand(const CQuillmarkData_SubMainData& band, int index,
                      const CQuillmarkData_MainData& contest) {
    const CQuillmarkData_BandItem& item = band.GetBand();
    if (!item.IsValid()) {
        return Where(index) + ": the band is not valid";
    }
    const int unit = item.GetUnit();
    if (unit != 3 && unit != 6 && unit != 9) {
        return Where(index) + ": unknown frequency unit " + std::to_string(unit);
    }
    if (!std::isfinite(item.GetFrequency())) {
        return Where(index) + ": the frequency is not a number";
    }
    const auto& call_sign_type = contest.GetCallSignType();
    const auto& number_type = contest.GetContestNumberType();
    if (std::string fault =
            CheckItem(band.GetSentContestNumber(), number_type, "sent contest number", false);
        !fault.empty()) {
        return Where(index) + ": " + fault;
    }
    const auto& entries = band.GetEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& entry = entries[i];
        const int at = static_cast<int>(i);
        if (!entry.IsValid()) {
            return Where(index, at) + ": the entry is not valid";
        }
        std::string fault = CheckItem(entry.GetCallSign(), call_sign_type, "call sign", true);
        if (fault.empty()) {
            fault =
                CheckItem(entry.GetSentContestNumber(), number_type, "sent contest number", true);
        }
        if (fault.empty()) {
            fault = CheckItem(entry.GetReceivedContestNumber(), number_type,
                              "received contest number", true);
        }
        if (!fault.empty()) {
            return Where(index, at) + ": " + fault;
        }
    }
    return {};
}

// Two bands that compare equal would make every band lookup ambiguous. Sorting indices
// keeps this O(n log n) even for a hostile file with very many bands.
std::string CheckDistinctBands(const CQuillmarkData_MainData& contest) {
    std::vector<int> order(static_cast<size_t>(contest.GetBandCount()));
    std::iota(order.begin(), order.end(), 0);
    auto band = [&](int i) -> const CQuillmarkData_BandItem& {
        return contest.GetBandAt(i)->GetBand();
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return band(a).Compare(band(b)) < 0; });
    for (size_t i = 1; i < order.size(); ++i) {
        if (band(order[i - 1]).Compare(band(order[i])) == 0) {
            const int first = std::min(order[i - 1], order[i]);
            const int second = std::max(order[i - 1], order[i]);
            return "bands " + std::to_string(first + 1) + " and " + std::to_string(second + 1) +
                   " are the same band";
        }
    }
    return {};
}

// A header that could not even be read is "ends too early" only when the bytes present
// start like the current header; anything else is simply not a data file.
std::string HeaderReadError(const std::string& bytes, const CArchiveException& error) {
    if (bytes.empty()) {
        return "the file is empty";
    }
    std::vector<Cp932> headers{CurrentHeader()};
    for (const OldFileHeader& old : RecognisedOldHeaders()) {
        headers.push_back(old.header);
    }
    for (const Cp932& header : headers) {
        CArchive expected;
        expected.WriteString(header);
        const std::string& image = expected.Buffer();
        if (bytes.size() < image.size() && image.compare(0, bytes.size(), bytes) == 0) {
            return error.what();
        }
    }
    return kNotADataFile;
}

// What a conversion could not carry over, for the operator; empty when nothing was lost.
Cp932 ConversionNotice(const LoadResult& result) {
    std::string text;
    if (result.dropped_entries > 0) {
        text += "現在の形式に合わないため変換できなかったログデータが " +
                std::to_string(result.dropped_entries) +
                " 件ありました。これらのログデータは読み込まれていません。";
    }
    if (result.own_call_sign_lost) {
        text += std::string(text.empty() ? "" : "\n") +
                "自局の呼出符号が現在の形式に合わないため、空欄にしました。";
    }
    if (result.own_sent_number_lost) {
        text += std::string(text.empty() ? "" : "\n") +
                "自局の送信コンテストナンバーが現在の形式に合わないため、空欄にしました。";
    }
    return Utf8ToCp932(text);
}

LoadResult Fail(CQuillmarkData_MainData& contest, LoadResult result, std::string error) {
    contest.DeleteContents();
    result.loaded = false;
    result.error = std::move(error);
    return result;
}

}  // namespace

const Cp932& CurrentHeader() {
    return Text("クイルマーク for Windows NT  Version 4.00 互換データファイル ");
}

const char* CurrentFormatName() {
    return "4.00";
}

std::string StoreContest(const CQuillmarkData_MainData& contest) {
    CArchive ar;
    ar.WriteString(CurrentHeader());
    // Serialize is the one routine for both directions; storing only reads the contest.
    const_cast<CQuillmarkData_MainData&>(contest).Serialize(ar);
    return ar.TakeBuffer();
}

bool Save(const std::string& path, const CQuillmarkData_MainData& contest, IProgressSink& sink,
          std::string* reason) {
    safe_file::Failure failure;
    if (Save(path, contest, sink, safe_file::WriteOptions{}, &failure)) {
        return true;
    }
    if (reason != nullptr) {
        *reason = failure.reason;
    }
    return false;
}

bool Save(const std::string& path, const CQuillmarkData_MainData& contest, IProgressSink& sink,
          const safe_file::WriteOptions& options, safe_file::Failure* failure) {
    sink.SetStatusText(Text(kWritingText));
    std::string image;
    try {
        image = StoreContest(contest);
    } catch (const CArchiveException& e) {
        if (failure != nullptr) {
            *failure = {safe_file::Step::write, EINVAL, std::string("cannot write: ") + e.what()};
        }
        return false;
    }
    if (!safe_file::WriteFileSafely(path, image, options, failure)) {
        return false;
    }
    sink.SetStatusText(Text(kWrittenText));
    return true;
}

std::string CheckLoadedContest(CQuillmarkData_MainData& contest, bool* repaired_active) {
    if (repaired_active != nullptr) {
        *repaired_active = false;
    }
    if (!contest.IsValid()) {
        return "the contest record is not valid";
    }
    const auto& call_sign_type = contest.GetCallSignType();
    const auto& number_type = contest.GetContestNumberType();
    if (std::string fault = CheckFormat(call_sign_type, "call sign"); !fault.empty()) {
        return fault;
    }
    if (std::string fault = CheckFormat(number_type, "contest number"); !fault.empty()) {
        return fault;
    }
    const int main_index = call_sign_type.GetMainParameterIndex();
    if (main_index < 0 || main_index >= call_sign_type.GetParameterCount()) {
        return "the call sign format's main parameter " + std::to_string(main_index) +
               " is outside its parameters";
    }
    // The multiplier flag is 0 or 1; with 1 the index must name a parameter, or the
    // multiplier counts and the graph setup would disagree about whether there is one.
    const int has_multiplier = number_type.HasMultiplier();
    if (has_multiplier != 0 && has_multiplier != 1) {
        return "the contest number format's multiplier flag is " + std::to_string(has_multiplier);
    }
    if (has_multiplier == 1 && number_type.MultiplierIndexOrNone() < 0) {
        return "the contest number format's multiplier parameter " +
               std::to_string(number_type.GetMultiplierParameterIndex()) +
               " is outside its parameters";
    }
    if (std::string fault =
            CheckItem(contest.GetOwnCallSign(), call_sign_type, "own call sign", false);
        !fault.empty()) {
        return fault;
    }
    for (int i = 0; i < contest.GetBandCount(); ++i) {
        if (std::string fault = CheckBand(*contest.GetBandAt(i), i, contest); !fault.empty()) {
            return fault;
        }
    }
    if (std::string fault = CheckDistinctBands(contest); !fault.empty()) {
        return fault;
    }
    // An active index out of range is repaired rather than refused: nothing is lost when the
    // operator has to pick the active band again.
    const int active = contest.GetActiveBandIndex();
    if (active < -1 || active >= contest.GetBandCount()) {
        contest.ClearActiveBand();
        if (repaired_active != nullptr) {
            *repaired_active = true;
        }
    }
    return {};
}

LoadResult LoadFromBytes(std::string bytes, std::string_view punctuation_marks,
                         CQuillmarkData_MainData& contest, IProgressSink& sink) {
    sink.SetStatusText(Text(kReadingText));
    LoadResult result;
    CQuillmarkData_MainData loaded;
    const std::string head = bytes.substr(0, 512);
    CArchive ar = CArchive::ForLoading(std::move(bytes));
    Cp932 header;
    try {
        header = ar.ReadString();
    } catch (const CArchiveException& e) {
        return Fail(contest, result, HeaderReadError(head, e));
    }
    try {
        if (header == CurrentHeader()) {
            result.format = CurrentFormatName();
            // Bytes after the contest are ignored, as the old program ignored them.
            loaded.Serialize(ar);
        } else {
            const OldFileHeader* old = FindOldHeader(header);
            if (old == nullptr) {
                return Fail(contest, result, kNotADataFile);
            }
            result.format = old->format;
            const OldFileConversion conversion =
                ConvertOldFile(ar, header, punctuation_marks, loaded, sink);
            if (!conversion.recognised) {
                return Fail(contest, result, kNotADataFile);
            }
            result.dropped_entries = conversion.dropped_entries;
            result.own_call_sign_lost = conversion.own_call_sign_lost;
            result.own_sent_number_lost = conversion.own_sent_number_lost;
            // Entries that were dropped may have carried a First flag; time order and First
            // are assigned afresh so the multiplier count is right.
            loaded.RebuildAll(CQuillmarkData_SubMainData::kRebuildSort |
                              CQuillmarkData_SubMainData::kRebuildFirst);
        }
    } catch (const CArchiveException& e) {
        return Fail(contest, result, e.what());
    }
    if (std::string fault = CheckLoadedContest(loaded, &result.active_band_repaired);
        !fault.empty()) {
        return Fail(contest, result, "damaged contest data: " + fault);
    }
    contest = std::move(loaded);
    result.loaded = true;
    if (const Cp932 notice = ConversionNotice(result); !notice.empty()) {
        sink.ShowNotice(notice, Text(kConvertCaption));
    }
    return result;
}

LoadResult Load(const std::string& path, std::string_view punctuation_marks,
                CQuillmarkData_MainData& contest, IProgressSink& sink) {
    std::string bytes;
    std::string reason;
    if (!safe_file::ReadWholeFile(path, bytes, &reason)) {
        sink.SetStatusText(Text(kReadingText));
        return Fail(contest, LoadResult{}, reason);
    }
    return LoadFromBytes(std::move(bytes), punctuation_marks, contest, sink);
}

}  // namespace contest_file
