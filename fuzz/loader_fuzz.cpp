// libFuzzer harness for the contest data file loader (current and older versions).
//
// Any input must end in a clean failure or in a contest that passes the load checks, survives
// the operations that walk all of its data, and saves and loads back unchanged. Anything
// else (a crash, a sanitizer report, an exception other than the archive's) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/contest_file.h"
#include "model/contest.h"
#include "platform/archive.h"
#include "platform/progress_sink.h"

namespace {

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CNullProgressSink sink;
    CQuillmarkData_MainData contest;
    const contest_file::LoadResult result = contest_file::LoadFromBytes(
        std::string(reinterpret_cast<const char*>(data), size), "/,.", contest, sink);
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
