#include "load_contest.h"

#include "command_line.h"
#include "model/contest.h"
#include "platform/progress_sink.h"

contest_file::LoadResult LoadContestForCommand(const std::string& path,
                                               const Cp932& punctuation_marks,
                                               CQuillmarkData_MainData& contest) {
    // Status texts and the notice are for the window; the warnings below say the same here.
    CNullProgressSink sink;
    contest_file::LoadResult result = contest_file::Load(path, punctuation_marks, contest, sink);
    if (!result.loaded) {
        ReportFileError(path, result.error);
        return result;
    }
    if (result.dropped_entries > 0) {
        const bool one = result.dropped_entries == 1;
        ReportWarning(path, std::to_string(result.dropped_entries) + (one ? " entry" : " entries") +
                                " of the " + result.format + " file could not be converted and " +
                                (one ? "was" : "were") + " left out");
    }
    if (result.own_call_sign_lost) {
        ReportWarning(path, "the own call sign does not fit its format and was left empty");
    }
    if (result.own_sent_number_lost) {
        ReportWarning(path,
                      "the own sent contest number does not fit its format and was left empty");
    }
    if (result.active_band_repaired) {
        ReportWarning(path, "the active band index was out of range; no band is active");
    }
    return result;
}
