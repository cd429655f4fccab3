// quillmark-cli dump FILE [--rebuild]: the contest of a data file as JSON on standard output.
#include <cstdio>

#include "command_line.h"
#include "contest_json.h"
#include "load_contest.h"
#include "model/contest.h"

int RunDump(const CommandLine& line) {
    const std::string& path = line.arguments[0];
    CQuillmarkData_MainData contest;
    const contest_file::LoadResult result =
        LoadContestForCommand(path, line.punctuation_marks, contest);
    if (!result.loaded) {
        return kExitFileError;
    }
    if (line.Has("--rebuild")) {
        contest.RebuildAll(CQuillmarkData_SubMainData::kRebuildSort |
                           CQuillmarkData_SubMainData::kRebuildFirst);
    }
    const std::string json = ContestToJson(contest, result.format);
    if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() ||
        std::fflush(stdout) != 0) {
        return ReportFileError("standard output", "cannot write");
    }
    return kExitOk;
}
