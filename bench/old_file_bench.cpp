// Conversion of large old data files: a 3.50 file and a 2.30 file of 100,000 entries each,
// converted with a sink that ignores the progress window.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "legacy/old_file_converter.h"
#include "model/contest.h"
#include "model/parameter_format.h"
#include "platform/archive.h"
#include "platform/progress_sink.h"

namespace {

constexpr int kEntries = 100'000;
constexpr int64_t kStart = 962452800;

std::string Header(OldFileVersion version) {
    for (const OldFileHeader& known : RecognisedOldHeaders()) {
        if (known.version == version) {
            return known.header;
        }
    }
    return {};
}

std::string CallSign(int i) {
    std::string text = "JA1AAA";
    for (int at = 5; at >= 3; --at, i /= 26) {
        text[at] = static_cast<char>('A' + i % 26);
    }
    return text;
}

std::string Version350File() {
    CArchive ar;
    ar.WriteString(Header(OldFileVersion::v350));
    ar.WriteInt32(1);
    ar.WriteString("bench");
    ar.WriteDouble(7.0);
    ar.WriteInt32(2);
    ar.WriteString("CW");
    ar.WriteTime(kStart);
    ar.WriteTime(kStart + 86400);
    ar.WriteInt32(1);
    ar.WriteStringArray({"JA1ZZZ", ""});
    ar.WriteInt32(1);
    ar.WriteStringArray({"599", "10"});
    ar.WriteInt32(1);
    ar.WriteCount(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        ar.WriteInt32(1);
        ar.WriteTime(kStart + (kEntries - i) % 86400);
        ar.WriteInt32(1);
        ar.WriteStringArray({CallSign(i), ""});
        ar.WriteInt32(1);
        ar.WriteStringArray({"599", "10"});
        ar.WriteInt32(1);
        ar.WriteStringArray({"599", std::to_string(10 + i % 50)});
        ar.WriteInt32(0);
        ar.WriteInt32(1);
        ar.WriteString("");
        ar.WriteInt32(0);
        ar.WriteInt32(1);
        ar.WriteString("");
    }
    CQuillmarkData_CallSignType call_sign_type;
    call_sign_type.SetDefaultFormat(2, 0);
    call_sign_type.Serialize(ar);
    CQuillmarkData_ContestNumberType number_type;
    number_type.SetDefaultFormat(2, 1);
    number_type.Serialize(ar);
    return ar.TakeBuffer();
}

std::string Version230File() {
    CArchive ar;
    ar.WriteString(Header(OldFileVersion::v230));
    ar.WriteCount(kEntries);
    // Distinct addresses for the object tags.
    std::vector<char> objects(kEntries);
    for (int i = 0; i < kEntries; ++i) {
        ar.WriteObjectTag(&objects[i], "CQmkdata", 1);
        ar.WriteTime(kStart + (kEntries - i) % 86400);
        ar.WriteString(CallSign(i) + " / 1");
        ar.WriteStringArray({"599", "10"});
        ar.WriteStringArray({"599", std::to_string(10 + i % 50)});
        ar.WriteString("      ");
        ar.WriteInt32(1);
        ar.WriteInt32(0);
    }
    ar.WriteStringArray({});
    ar.WriteStringArray({});
    ar.WriteCount(0);
    ar.WriteString("bench");
    ar.WriteString("JA1ZZZ");
    ar.WriteStringArray({"599", "10"});
    ar.WriteString("7");
    ar.WriteTime(kStart);
    ar.WriteTime(kStart + 86400);
    for (int i = 0; i < 3; ++i) {
        ar.WriteInt32(0);
    }
    ar.WriteTime(kStart);
    ar.WriteUInt16(2);
    ar.WriteUInt16(0);
    ar.WriteUInt16(0);
    return ar.TakeBuffer();
}

void ConvertImage(benchmark::State& state, const std::string& image) {
    CNullProgressSink sink;
    for (auto _ : state) {
        CArchive ar(image);
        const std::string header = ar.ReadString();
        CQuillmarkData_MainData contest;
        const OldFileConversion result = ConvertOldFile(ar, header, "/,.", contest, sink);
        if (!result.recognised || result.dropped_entries != 0) {
            state.SkipWithError("conversion failed");
        }
        benchmark::DoNotOptimize(contest.GetTotalEntryCount());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_ConvertVersion350(benchmark::State& state) {
    static const std::string image = Version350File();
    ConvertImage(state, image);
}

void BM_ConvertVersion230(benchmark::State& state) {
    static const std::string image = Version230File();
    ConvertImage(state, image);
}

BENCHMARK(BM_ConvertVersion350)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertVersion230)->Unit(benchmark::kMillisecond);

}  // namespace
