#include "legacy/old_file_converter.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <utility>

#include "legacy/old_230_text.h"
#include "legacy/qmkdata.h"
#include "model/band.h"
#include "model/band_data.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/archive.h"
#include "platform/cp932_convert.h"
#include "platform/progress_sink.h"

namespace {

constexpr const char* kCaption = "クイルマーク - 旧バージョンのデータファイルのコンバート";
constexpr const char* kMessage =
    "旧バージョンのデータファイルをコンバートしています。しばらくお待ちください．．．";
constexpr const char* kFileKind = "ファイル種類 ： ";
constexpr const char* kReadingStage = "ファイルの読み込み中．．．";
constexpr const char* kContestStage = "コンテスト情報の変換・設定中．．．";
constexpr const char* kEntryStage = "ログデータの変換・設定中．．．";

// Letting events run costs far more than converting one entry.
constexpr size_t kPumpInterval = 64;
// No radio band comes anywhere near 1 PHz; such a value can only come from a damaged file.
constexpr double kMaxFrequencyHz = 1e15;

constexpr int32_t kCardBits[] = {
    CQuillmarkData_LogDataItem::kCardRequested,
    CQuillmarkData_LogDataItem::kCardSent,
    CQuillmarkData_LogDataItem::kCardReceived,
};

[[noreturn]] void Reject(const std::string& message) {
    throw CArchiveException(CArchiveException::badData, message);
}

// The progress window for the length of one conversion; closed however the conversion ends.
class ProgressWindow {
public:
    ProgressWindow(IProgressSink& sink, std::string_view header) : sink_(sink) {
        sink_.SetProgressText(0, Utf8ToCp932(kCaption));
        sink_.SetProgressText(1, Utf8ToCp932(kMessage));
        sink_.SetProgressText(2, Utf8ToCp932(kFileKind) + Cp932(header));
        sink_.ShowProgress();
    }
    ~ProgressWindow() { sink_.CloseProgress(); }
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    void Stage(const char* utf8) { sink_.SetProgressText(3, Utf8ToCp932(utf8)); }
    IProgressSink& Sink() { return sink_; }

private:
    IProgressSink& sink_;
};

// What the contest stage needs from any old layout; the texts are still to be validated.
struct ContestSource {
    Cp932 name;
    int64_t start = 0;
    int64_t end = 0;
    Cp932 own_call_sign;
    Cp932 own_sent;
    // Whether the file held an own call sign / sent number at all (so failing to take it
    // over loses something).
    bool own_call_sign_stored = false;
    bool own_sent_stored = false;
    CQuillmarkData_CallSignType call_sign_type;
    CQuillmarkData_ContestNumberType number_type;
    double frequency = 0.0;
    int unit = 6;
    Cp932 mode;
    bool calling = true;
};

// One old entry, its texts still to be validated.
struct EntrySource {
    int64_t time = 0;
    Cp932 call_sign;
    Cp932 sent;
    Cp932 received;
    bool first = false;
    int32_t points = 0;
    int32_t card_flags = 0;
};

int UnitOfCode(int32_t code) {
    switch (code) {
        case 1:
            return 3;
        case 2:
            return 6;
        case 3:
            return 9;
        default:
            Reject("unknown frequency unit code " + std::to_string(code));
    }
}

// The stored formats of 3.10 and later are taken as they are; one the current model could
// not use (counts and attribute records that disagree, an index outside the parameters)
// would drop every entry or worse, so the file is refused.
void CheckStoredFormat(const CQuillmarkData_ParameterType& format, const char* name) {
    bool sound =
        format.IsValid() && format.GetParameterCount() >= 1 && format.HasConsistentAttributes();
    for (int i = 0; sound && i < format.GetParameterCount(); ++i) {
        sound = format.GetAttributes(i)->IsValid();
    }
    if (!sound) {
        Reject(std::string("the stored ") + name + " format is damaged");
    }
}

void CheckStoredFormats(const CQuillmarkData_CallSignType& call_sign_type,
                        const CQuillmarkData_ContestNumberType& number_type) {
    CheckStoredFormat(call_sign_type, "call sign");
    CheckStoredFormat(number_type, "contest number");
    const int main_index = call_sign_type.GetMainParameterIndex();
    const int count = number_type.GetParameterCount();
    const int has = number_type.HasMultiplier();
    const int multiplier = number_type.GetMultiplierParameterIndex();
    if (main_index < 0 || main_index >= call_sign_type.GetParameterCount() ||
        (has != 0 && has != 1) || (has == 1 && (multiplier < 0 || multiplier >= count))) {
        Reject("the stored formats name a parameter they do not have");
    }
}

CQuillmarkData_CallSignType CallSignType230() {
    using cp932::kHalfWidthDigit;
    using cp932::kHalfWidthLetter;
    ParameterAttributesArray attributes(2);
    attributes[0].SetAttributes(5, 6, kHalfWidthDigit | kHalfWidthLetter, "");
    attributes[1].SetAttributes(0, 1, kHalfWidthDigit, "");
    CQuillmarkData_CallSignType format;
    format.SetFormat(2, 0, attributes);
    return format;
}

CQuillmarkData_ContestNumberType NumberType230(uint16_t count, uint16_t letters_flag) {
    using cp932::kHalfWidthDigit;
    using cp932::kHalfWidthLetter;
    // Only these four parameters have known rules; any other count would build a format
    // with parameters that have none.
    if (count < 2 || count > 4) {
        Reject("2.30 contest numbers with " + std::to_string(count) + " parameters");
    }
    const uint32_t classes = letters_flag != 0 ? (kHalfWidthDigit | kHalfWidthLetter)
                                               : static_cast<uint32_t>(kHalfWidthDigit);
    ParameterAttributesArray attributes(count);
    attributes[0].SetAttributes(2, 3, kHalfWidthDigit, "");
    attributes[1].SetAttributes(2, 6, classes, "");
    if (count >= 3) {
        attributes[2].SetAttributes(0, 3, classes, "");
    }
    if (count >= 4) {
        attributes[3].SetAttributes(0, 6, CQuillmarkData_ParameterAttributes::kAllClasses, "");
    }
    CQuillmarkData_ContestNumberType format;
    format.SetFormat(count, 1, attributes);
    return format;
}

CQuillmarkData_BandItem BandOf(double frequency, int unit) {
    CQuillmarkData_BandItem band;
    if (!std::isfinite(frequency) || frequency < 0.0 ||
        frequency * std::pow(10.0, unit) >= kMaxFrequencyHz || !band.SetBand(frequency, unit)) {
        Reject("the stored frequency " + std::to_string(frequency) + " is not a usable band");
    }
    return band;
}

// The contest with its one band, active; texts that no longer fit leave their item empty.
CQuillmarkData_MainData SetUpContest(const ContestSource& source, std::string_view delimiters,
                                     OldFileConversion& result) {
    const CQuillmarkData_BandItem band = BandOf(source.frequency, source.unit);
    CQuillmarkData_CallSignItem own_call_sign;
    if (!own_call_sign.SetText(source.own_call_sign, delimiters, source.call_sign_type)) {
        result.own_call_sign_lost = source.own_call_sign_stored;
    }
    CQuillmarkData_ContestNumberItem own_sent;
    if (!own_sent.SetText(source.own_sent, delimiters, source.number_type)) {
        result.own_sent_number_lost = source.own_sent_stored;
    }
    CQuillmarkData_MainData contest;
    contest.SetContest(source.name, source.start, source.end, own_call_sign, source.call_sign_type,
                       source.number_type);
    contest.AddBand(band);
    contest.SetActiveBandAt(0);
    CQuillmarkData_SubMainData& sub = *contest.GetBandAt(0);
    sub.SetMode(source.mode);
    if (own_sent.IsValid()) {
        sub.SetSentContestNumber(own_sent);
    }
    sub.SetCallingMethod(source.calling);
    return contest;
}

bool AppendEntry(const EntrySource& source, std::string_view delimiters,
                 CQuillmarkData_MainData& contest) {
    CQuillmarkData_CallSignItem call_sign;
    CQuillmarkData_ContestNumberItem sent;
    CQuillmarkData_ContestNumberItem received;
    const auto& number_type = contest.GetContestNumberType();
    CQuillmarkData_LogDataItem entry;
    if (!call_sign.SetText(source.call_sign, delimiters, contest.GetCallSignType()) ||
        !sent.SetText(source.sent, delimiters, number_type) ||
        !received.SetText(source.received, delimiters, number_type) ||
        !entry.SetEntry(source.time, call_sign, sent, received, source.points)) {
        return false;
    }
    entry.SetFirst(source.first);
    for (const int32_t bit : kCardBits) {
        entry.SetCardFlag(bit, (source.card_flags & bit) != 0);
    }
    entry.SetMode("");
    entry.SetCallingMethod(true);
    entry.SetComment("");
    return contest.GetBandAt(0)->AddEntry(std::move(entry)) >= 0;
}

// The entry stage: every old entry in stored order, then the band put in time order with
// its First flags recomputed, so that a dropped First entry does not lose its multiplier.
template <class EntryAt>
void ConvertEntries(size_t count, const EntryAt& entry_at, std::string_view delimiters,
                    CQuillmarkData_MainData& contest, OldFileConversion& result,
                    ProgressWindow& progress) {
    progress.Stage(kEntryStage);
    IProgressSink& sink = progress.Sink();
    sink.SetProgressRange(0, count > INT_MAX ? INT_MAX : static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) {
        if (!AppendEntry(entry_at(i), delimiters, contest)) {
            ++result.dropped_entries;
        }
        const size_t done = i + 1;
        sink.SetProgressPos(done > INT_MAX ? INT_MAX : static_cast<int>(done));
        if (done % kPumpInterval == 0 || done == count) {
            sink.PumpEvents();
        }
    }
    contest.GetBandAt(0)->Rebuild(contest, CQuillmarkData_SubMainData::kRebuildSort |
                                               CQuillmarkData_SubMainData::kRebuildFirst);
}

template <OldFileVersion V>
CQuillmarkData_MainData ConvertVersion3(CArchive& ar, std::string_view delimiters,
                                        OldFileConversion& result, ProgressWindow& progress) {
    progress.Stage(kReadingStage);
    OldMainDataRecord<V> record;
    record.Serialize(ar);
    if constexpr (V == OldFileVersion::v300 || V == OldFileVersion::v310) {
        OldGraphDataRecord graph;
        graph.Serialize(ar);
    }

    progress.Stage(kContestStage);
    ContestSource source;
    source.name = record.name;
    source.start = record.start;
    source.end = record.end;
    if constexpr (V == OldFileVersion::v300) {
        // 3.00 stored formats that later versions no longer read; the defaults replace them.
        source.call_sign_type.SetDefaultFormat(2, 0);
        source.number_type.SetDefaultFormat(4, 1);
    } else {
        CheckStoredFormats(record.call_sign_format, record.number_format);
        source.call_sign_type = record.call_sign_format;
        source.number_type = record.number_format;
    }
    source.own_call_sign = record.own_call_sign.GetText(delimiters);
    source.own_sent = record.own_sent.GetText(delimiters);
    source.own_call_sign_stored = record.own_call_sign.IsValid();
    source.own_sent_stored = record.own_sent.IsValid();
    source.frequency = record.frequency;
    source.unit = UnitOfCode(record.unit_code);
    if constexpr (V == OldFileVersion::v350) {
        source.mode = record.mode;
        source.calling = record.calling_method != 0;
    }
    CQuillmarkData_MainData contest = SetUpContest(source, delimiters, result);

    const auto entry_at = [&](size_t i) {
        const auto& old = record.entries[i];
        return EntrySource{old.time,
                           old.call_sign.GetText(delimiters),
                           old.sent.GetText(delimiters),
                           old.received.GetText(delimiters),
                           old.first != 0,
                           old.points,
                           old.GetCardFlags()};
    };
    ConvertEntries(record.entries.size(), entry_at, delimiters, contest, result, progress);
    return contest;
}

CQuillmarkData_MainData ConvertVersion230(CArchive& ar, std::string_view delimiters,
                                          OldFileConversion& result, ProgressWindow& progress) {
    progress.Stage(kReadingStage);
    Old230Sequence old;
    old.Serialize(ar);

    progress.Stage(kContestStage);
    ContestSource source;
    source.name = old.name;
    source.start = old.start;
    source.end = old.end;
    source.call_sign_type = CallSignType230();
    source.number_type = NumberType230(old.number_parameter_count, old.letters_flag);
    const size_t count = old.number_parameter_count;
    source.own_call_sign = old230::CallSignText(old.own_call_sign, delimiters);
    source.own_sent = old230::ContestNumberText(old.own_sent, count, delimiters);
    source.own_call_sign_stored = !old230::RemoveBlanks(old.own_call_sign).empty();
    for (size_t i = 0; i < count && i < old.own_sent.size(); ++i) {
        source.own_sent_stored =
            source.own_sent_stored || !old230::RemoveBlanks(old.own_sent[i]).empty();
    }
    source.frequency = old230::ParseDecimal(old.frequency_text);
    source.unit = 6;
    CQuillmarkData_MainData contest = SetUpContest(source, delimiters, result);

    const auto entry_at = [&](size_t i) {
        const CQmkdata& entry = old.entries[i];
        return EntrySource{entry.time,
                           old230::CallSignText(entry.call_sign, delimiters),
                           old230::ContestNumberText(entry.sent, count, delimiters),
                           old230::ContestNumberText(entry.received, count, delimiters),
                           entry.IsFirst(),
                           entry.points,
                           CQuillmarkData_LogDataItem::kCardRequested};
    };
    ConvertEntries(old.entries.size(), entry_at, delimiters, contest, result, progress);
    return contest;
}

}  // namespace

const std::vector<OldFileHeader>& RecognisedOldHeaders() {
    static const std::vector<OldFileHeader> headers = {
        {OldFileVersion::v230,
         Utf8ToCp932("クイルマーク for Windows  Version 2.30 互換データファイル "), "2.30"},
        {OldFileVersion::v300,
         Utf8ToCp932("クイルマーク for Windows NT  Version 3.00 互換データファイル "), "3.00"},
        {OldFileVersion::v310,
         Utf8ToCp932("クイルマーク for Windows NT  Version 3.10 互換データファイル "), "3.10"},
        {OldFileVersion::v330,
         Utf8ToCp932("クイルマーク for Windows NT  Version 3.30 互換データファイル "), "3.30"},
        {OldFileVersion::v350,
         Utf8ToCp932("クイルマーク for Windows NT  Version 3.50 互換データファイル "), "3.50"},
    };
    return headers;
}

const OldFileHeader* FindOldHeader(std::string_view header) {
    for (const OldFileHeader& known : RecognisedOldHeaders()) {
        if (known.header == header) {
            return &known;
        }
    }
    return nullptr;
}

OldFileConversion ConvertOldFile(CArchive& ar, std::string_view header,
                                 std::string_view punctuation_marks,
                                 CQuillmarkData_MainData& contest, IProgressSink& sink) {
    OldFileConversion result;
    const OldFileHeader* known = FindOldHeader(header);
    if (known == nullptr) {
        return result;
    }
    result.recognised = true;
    result.format = known->format;

    ProgressWindow progress(sink, header);
    CQuillmarkData_MainData converted;
    switch (known->version) {
        case OldFileVersion::v230:
            converted = ConvertVersion230(ar, punctuation_marks, result, progress);
            break;
        case OldFileVersion::v300:
            converted =
                ConvertVersion3<OldFileVersion::v300>(ar, punctuation_marks, result, progress);
            break;
        case OldFileVersion::v310:
            converted =
                ConvertVersion3<OldFileVersion::v310>(ar, punctuation_marks, result, progress);
            break;
        case OldFileVersion::v330:
            converted =
                ConvertVersion3<OldFileVersion::v330>(ar, punctuation_marks, result, progress);
            break;
        case OldFileVersion::v350:
            converted =
                ConvertVersion3<OldFileVersion::v350>(ar, punctuation_marks, result, progress);
            break;
    }
    contest = std::move(converted);
    return result;
}
