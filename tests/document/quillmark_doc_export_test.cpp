#include <gtest/gtest.h>

#include <filesystem>

#include "doc_session.h"

namespace {

using namespace doc_test;

class TextExportCommand : public DocSession {
protected:
    void SetUpLog() {
        doc_.GetContest() = Contest();
        Log().AddBand(Band(7, 6));
        Log().AddBand(Band(1200, 6));
        Add(0, kTime, "JA1ABC", "599/13", true);
        BandAt(1).AddEntry(Entry(Log(), kTime + 60, "JA1AB", "59/100", "59/13", 2, ""));
    }
};

// Without a band it refuses before asking for a file.
TEST_F(TextExportCommand, AsksForASaveFileNamedAfterTheOwnCallSignAndCancelEnds) {
    doc_.GetContest() = Contest();
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    SetUpLog();
    operator_.AnswerFileName(std::nullopt);
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    for (const FileNameRequest& r : operator_.FileRequests()) {
        noted_ += "request: save " + std::to_string(r.save) + ", " + U(r.filter) + ", " +
                  r.default_name + "." + r.default_extension + ", prompt " +
                  std::to_string(r.prompt_overwrite) + ", hide read-only " +
                  std::to_string(r.hide_read_only) + "\n";
    }
    ExpectSeen("text_export_cancelled");
}

TEST_F(TextExportCommand, WritesEveryBandInUtcWhenTheSettingSaysSo) {
    SetUpLog();
    const std::string path = folder_ / "JA1ZZZ.log";
    operator_.AnswerFileName(path);
    EXPECT_TRUE(doc_.ExportLogDataAsText()) << operator_.Transcript();
    EXPECT_EQ(platform_test::ReadAll(path),
              "7      CW        05/06/21 0930  JA1ABC    599 100     599 13      13      1\r\n"
              "1200             05/06/21 0931  JA1AB     59  100     59  13              2\r\n");
    ExpectSeen("text_export_written");
}

TEST_F(TextExportCommand, OpenAndWriteFailuresAreShownAndTheCommandEndsCancelled) {
    SetUpLog();
    operator_.AnswerFileName(folder_ / "missing/out.log");
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    operator_.AnswerFileName("/dev/full");
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    ExpectSeen("text_export_failures");
}

}  // namespace
