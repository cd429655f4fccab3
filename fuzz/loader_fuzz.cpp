// libFuzzer harness for the contest data file loader (current and older versions).
//
// Any input must end in a clean failure or in a contest that passes the load checks, survives
// the operations that walk all of its data, and saves and loads back unchanged; and the load
// must never hold more heap than a small multiple of the input's size. Anything else (a
// crash, a sanitizer report, an exception other than the archive's) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "document/contest_file.h"
#include "heap_peak.h"
#include "legacy/old_file_converter.h"
#include "model/contest.h"
#include "platform/archive.h"
#include "platform/progress_sink.h"

namespace {

// The heap a load may hold, with room for the fixed cost of the first load. The worst a
// file can do is a list of empty texts: one byte each in the file, one string (32 bytes)
// each in memory; a real log takes three to five times its size. Texts the loader converts
// once and keeps are made before the first input (WarmUp), so they do not count.
constexpr size_t kHeapPerInputByte = 40;
constexpr size_t kHeapFixed = 32 * 1024;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void Exercise(CQuillmarkData_MainData& contest) {
    const std::string delimiters = "/,.";
    contest.GetOwnCallSign().GetText(delimiters);
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        const CQuillmarkData_SubMainData* band = contest.GetBandAt(b);
        band->GetBand().GetBandText(2, 2, false);
        for (const auto& entry : band->GetEntries()) {
            entry.GetCallSign().GetText(delimiters);
            entry.GetCallSign().GetPaddedText(delimiters, contest.GetCallSignType());
            entry.GetReceivedContestNumber().GetPaddedText(delimiters,
                                                           contest.GetContestNumberType());
            entry.GetReceivedContestNumber().GetMultiplierParameter(contest.GetContestNumberType());
        }
    }
    contest.GetTotalMultiplierCount();
    contest.GetScore();
}

void WarmUp() {
    CNullProgressSink sink;
    std::vector<Cp932> headers{contest_file::CurrentHeader()};
    for (const OldFileHeader& old : RecognisedOldHeaders()) {
        headers.push_back(old.header);
    }
    for (const Cp932& header : headers) {
        CArchive ar;
        ar.WriteString(header);
        ar.WriteInt32(1);
        CQuillmarkData_MainData contest;
        contest_file::LoadFromBytes(ar.TakeBuffer(), "/,.", contest, sink);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    WarmUp();
    heap_peak::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CNullProgressSink sink;
    CQuillmarkData_MainData contest;
    const heap_peak::Scope heap;
    const contest_file::LoadResult result = contest_file::LoadFromBytes(
        std::string(reinterpret_cast<const char*>(data), size), "/,.", contest, sink);
    if (const char* report = std::getenv("QM_HEAP_REPORT"); report != nullptr) {
        std::fprintf(stderr, "heap %zu for %zu bytes\n", heap.Claimed(), size);
    }
    Check(heap.Claimed() <= kHeapPerInputByte * size + kHeapFixed);
    if (!result.loaded) {
        Check(!result.error.empty() && !contest.IsValid());
        return 0;
    }
    Check(contest_file::CheckLoadedContest(contest).empty());
    const std::string image = contest_file::StoreContest(contest);
    CQuillmarkData_MainData again;
    Check(contest_file::LoadFromBytes(image, "/,.", again, sink).loaded);
    Check(again == contest);
    Check(contest_file::StoreContest(again) == image);
    Exercise(contest);
    contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildSort |
                       CQuillmarkData_SubMainData::kRebuildFirst);
    Exercise(contest);
    return 0;
}
