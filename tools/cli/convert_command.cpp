// quillmark-cli convert IN OUT: a data file of any supported version written in the current
// format, through safe saving.
#include "command_line.h"
#include "document/contest_file.h"
#include "load_contest.h"
#include "model/contest.h"
#include "platform/progress_sink.h"

int RunConvert(const CommandLine& line) {
    const std::string& in = line.arguments[0];
    const std::string& out = line.arguments[1];
    CQuillmarkData_MainData contest;
    if (!LoadContestForCommand(in, line.punctuation_marks, contest).loaded) {
        return kExitFileError;
    }
    CNullProgressSink sink;
    std::string reason;
    if (!contest_file::Save(out, contest, sink, &reason)) {
        return ReportFileError(out, reason);
    }
    return kExitOk;
}
