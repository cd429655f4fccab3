// Runs the built quillmark-cli on sample files and checks its output and exit statuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "../document/submission_readers.h"
#include "../platform/temp_folder.h"
#include "cli_run.h"
#include "document/contest_file.h"
#include "platform/progress_sink.h"
#include "platform/safe_file.h"
#include "sample_contest.h"

namespace fs = std::filesystem;

namespace {

using platform_test::ReadAll;

using cli_test::RunResult;

class Cli : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_ / name; }

    std::string SaveSample(const std::string& name, const CQuillmarkData_MainData& contest) {
        CNullProgressSink sink;
        std::string reason;
        EXPECT_TRUE(contest_file::Save(Path(name), contest, sink, &reason)) << reason;
        return Path(name);
    }
    RunResult Run(const std::vector<std::string>& args) { return cli_test::Run(folder_, args); }

    platform_test::TempFolder folder_;
};

// One contest with one band and one entry, every text kind represented.
CQuillmarkData_MainData TinyContest() {
    CQuillmarkData_MainData contest;
    contest.SetContest(sample::J("テスト"), 1700000000, 1700003600, sample::CallSign("JA1ZZZ/1"),
                       sample::CallSignFormat(), sample::ContestNumberFormat());
    contest.SetCategoryCode("XMA");
    contest.SetCategoryName(sample::J("電信"));
    CQuillmarkData_SubMainData* band = contest.GetBandAt(contest.AddBand(model_test::Band(1.9, 6)));
    band->SetMode("CW");
    band->SetSentContestNumber(sample::Number("599/10"));
    band->SetCallingMethod(false);
    CQuillmarkData_LogDataItem entry;
    entry.SetEntry(1700000060, sample::CallSign("JA1ABC"), sample::Number("599/10"),
                   sample::Number("579/1001"), 2);
    entry.SetFirst(true);
    entry.SetMode("CW");
    entry.SetCallingMethod(true);
    entry.SetCardFlag(1, true);
    entry.SetCardFlag(4, true);
    entry.SetComment(sample::J("「引用」\"x\"\\\t"));
    band->AddEntry(entry);
    contest.SetActiveBandAt(0);
    return contest;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

// The whole dump of TinyContest, byte for byte, is the golden file tests/data/cli/tiny.json.
TEST_F(Cli, DumpPrintsTheWholeContestAsJson) {
    const RunResult result = Run({"dump", SaveSample("tiny.qmk", TinyContest())});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ReadAll(std::string(QUILLMARK_TEST_DATA_DIR) + "/cli/tiny.json"));
}

std::vector<long long> Times(const std::string& json) {
    std::vector<long long> times;
    const std::regex time(R"re("time": (-?\d+))re");
    for (auto it = std::sregex_iterator(json.begin(), json.end(), time);
         it != std::sregex_iterator(); ++it) {
        times.push_back(std::stoll((*it)[1]));
    }
    return times;
}

int CountOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

TEST_F(Cli, DumpRebuildSortsByTimeAndAssignsFirstAgain) {
    // Stored out of time order, and every First flag wrong.
    CQuillmarkData_MainData contest = sample::MakeContest(1, 6, 2);
    const std::string file = SaveSample("log.qmk", contest);

    const RunResult plain = Run({"dump", file});
    ASSERT_EQ(plain.status, 0) << plain.err;
    const std::vector<long long> stored = Times(plain.out);
    ASSERT_EQ(stored.size(), 6u);
    EXPECT_GT(stored[0], stored[1]);

    const RunResult rebuilt = Run({"dump", file, "--rebuild"});
    ASSERT_EQ(rebuilt.status, 0) << rebuilt.err;
    std::vector<long long> sorted = stored;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(Times(rebuilt.out), sorted);
    // Two multiplier values: exactly two First entries, and the totals agree.
    EXPECT_EQ(CountOf(rebuilt.out, "\"first\": 1,"), 2);
    EXPECT_NE(rebuilt.out.find("\"multipliers\": 2"), std::string::npos);
}

TEST_F(Cli, ConvertOfACurrentFileIsByteIdentical) {
    const std::string in = SaveSample("in.qmk", sample::MakeContest(3, 20));
    const RunResult result = Run({"convert", in, Path("out.qmk")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(ReadAll(Path("out.qmk")), ReadAll(in));
}

TEST_F(Cli, DoubleDashAllowsFileNamesStartingWithADash) {
    SaveSample("-log.qmk", TinyContest());
    const fs::path previous = fs::current_path();
    fs::current_path(folder_.Path());
    const RunResult result = Run({"dump", "--", "-log.qmk"});
    fs::current_path(previous);
    EXPECT_EQ(result.status, 0) << result.err;
}

struct FileErrorCase {
    const char* name;
    std::string bytes;  // empty name: no file at all
    const char* reason;
};

TEST_F(Cli, FileErrorsGiveOneLineNamingTheFileAndExitOne) {
    const std::string image = contest_file::StoreContest(TinyContest());
    const FileErrorCase cases[] = {
        {"missing.qmk", "", "cannot open: No such file or directory"},
        {"foreign.qmk", "\x05hello world", "not a known data file"},
        {"empty.qmk", "", "the file is empty"},
        {"short.qmk", image.substr(0, image.size() - 3), "ends too early"},
    };
    for (const FileErrorCase& c : cases) {
        const std::string path = Path(c.name);
        if (std::string(c.name) != "missing.qmk") {
            ASSERT_TRUE(safe_file::WriteFileSafely(path, c.bytes));
        }
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"dump", path},
              std::vector<std::string>{"convert", path, Path("out.qmk")}}) {
            const RunResult result = Run(args);
            EXPECT_EQ(result.status, 1) << c.name;
            EXPECT_EQ(result.out, "");
            const std::string prefix = "quillmark-cli: " + path + ": " + c.reason;
            EXPECT_EQ(result.err.rfind(prefix, 0), 0u) << result.err;
            EXPECT_EQ(CountOf(result.err, "\n"), 1) << result.err;
            EXPECT_FALSE(fs::exists(Path("out.qmk")));
        }
    }
}

TEST_F(Cli, AnOutputThatCannotBeWrittenIsNamedInOneLine) {
    const std::string in = SaveSample("in.qmk", TinyContest());
    const std::string out = Path("no/such/folder/out");
    for (const char* command : {"convert", "export"}) {
        const RunResult result = Run({command, in, out});
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_EQ(result.err.rfind("quillmark-cli: " + out + ": ", 0), 0u) << result.err;
        EXPECT_EQ(CountOf(result.err, "\n"), 1) << result.err;
    }
}

TEST_F(Cli, UsageErrorsExitTwoWithUsageText) {
    const std::string file = SaveSample("log.qmk", TinyContest());
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate", file},
        {"dump"},
        {"dump", file, file},
        {"dump", file, "--rebuld"},
        {"dump", file, "--punctuation"},
        {"dump", file, "--punctuation", ""},
        {"dump", file, "--punctuation=/", "--punctuation=,"},
        {"convert", file},
        {"convert", file, Path("o.qmk"), "--rebuild"},
    };
    for (const auto& args : cases) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.status, 2) << testing::PrintToString(args);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage: quillmark-cli dump FILE [--rebuild]"), std::string::npos)
            << result.err;
    }
    EXPECT_FALSE(fs::exists(Path("o.qmk")));
    const RunResult help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("quillmark-cli convert IN OUT [--punctuation MARKS]"),
              std::string::npos);
}

std::string LegacySample(const std::string& version) {
    return std::string(QUILLMARK_TEST_DATA_DIR) + "/legacy/v" + version + ".qmk";
}

TEST_F(Cli, DumpOfAnOldFileNamesItsFormatAndWarnsAboutLostEntries) {
    for (const std::string version : {"230", "300", "310", "330", "350"}) {
        const std::string format = version.substr(0, 1) + "." + version.substr(1);
        const RunResult result = Run({"dump", LegacySample(version)});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out.rfind("{\n  \"format\": \"" + format + "\",\n", 0), 0u) << version;
        EXPECT_EQ(CountOf(result.out, "\"active_band\": 0,"), 1);
        EXPECT_EQ(result.err, "quillmark-cli: " + LegacySample(version) +
                                  ": warning: 1 entry of the " + format +
                                  " file could not be converted and was left out\n");
    }
}

TEST_F(Cli, ConvertWritesAnOldFileInTheCurrentFormat) {
    const RunResult converted = Run({"convert", LegacySample("350"), Path("new.qmk")});
    ASSERT_EQ(converted.status, 0) << converted.err;
    const RunResult old_dump = Run({"dump", LegacySample("350")});
    const RunResult new_dump = Run({"dump", Path("new.qmk")});
    ASSERT_EQ(new_dump.status, 0) << new_dump.err;
    EXPECT_EQ(new_dump.err, "");
    // The same contest, now read from a 4.00 file.
    EXPECT_EQ(Replace(old_dump.out, "\"format\": \"3.50\"", "\"format\": \"4.00\""), new_dump.out);
}

// Before or after the files, with or without "=".
TEST_F(Cli, PunctuationDecidesWhatAnOldFileKeeps) {
    const RunResult result = Run({"dump", "--punctuation", " /", LegacySample("230")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(CountOf(result.out, "\"time\":"), 0);
    EXPECT_NE(result.err.find("warning: 4 entries of the 2.30 file could not be converted and "
                              "were left out"),
              std::string::npos)
        << result.err;
    const RunResult after =
        Run({"convert", LegacySample("230"), Path("o.qmk"), "--punctuation= /"});
    EXPECT_EQ(after.status, 0) << after.err;
    EXPECT_NE(after.err.find("warning: 4 entries"), std::string::npos) << after.err;
}

TEST_F(Cli, ExportWritesTheTextFileOfTheProgramsExport) {
    const std::string file = SaveSample("log.qmk", TinyContest());
    const RunResult result =
        Run({"export", file, Path("out.log"), "--utc", "--under-decimal-point", "2"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(ReadAll(Path("out.log")),
              "1.9    CW        14/11/23 2214  JA1ABC    599 10      579 1001    1001    2\r\n");
}

// What the program refuses (no band), bad switches, and what a format cannot do without.
TEST_F(Cli, ExportRefusalsSayWhyInOneLineAndWriteNothing) {
    const std::string file = SaveSample("log.qmk", TinyContest());
    CQuillmarkData_MainData no_band = TinyContest();
    no_band.DeleteAllBands();
    const std::string bandless = SaveSample("no_band.qmk", no_band);
    const struct {
        std::vector<std::string> args;  // the file, then the switches
        int status;
        std::string err;
    } cases[] = {
        {{bandless},
         1,
         bandless + ": 周波数帯が 1 つも存在しないため、このコマンドは利用できません。"},
        {{bandless, "--under-decimal-point=6"}, 2, "--under-decimal-point takes 0 to 5, not '6'"},
        {{file, "--format", "csv"},
         2,
         "--format takes text, jarl-r21, jarl-r10, cabrillo or adif, not 'csv'"},
        {{file, "--format", "cabrillo"},
         1,
         file + ": Cabrillo needs the contest's name: give it with --contest"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"export", c.args[0], Path("out")};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const RunResult result = Run(args);
        EXPECT_EQ(result.status, c.status) << c.err;
        EXPECT_EQ(result.err.rfind("quillmark-cli: " + c.err + "\n", 0), 0u) << result.err;
        EXPECT_FALSE(fs::exists(Path("out")));
    }
}

TEST_F(Cli, CityCodesListsTheRecordsAsJsonAndWarnsAboutDamagedLines) {
    const std::string path = Path("codes.ini");
    ASSERT_TRUE(safe_file::WriteFileSafely(
        path, sample::J("// 都市コード\r\n13:東京都:ﾄｳｷｮｳﾄ\r\n") + std::string("99:\0x:y\r\n", 9) +
                  "11:" + sample::J("埼玉県") + ":\r\n"));
    const RunResult result = Run({"citycodes", path});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "[\n  [\n    \"13\",\n    \"東京都\",\n    \"ﾄｳｷｮｳﾄ\"\n  ],\n  [\n    \"11\",\n"
              "    \"埼玉県\",\n    \"\"\n  ]\n]\n");
    EXPECT_EQ(result.err, "quillmark-cli: " + path + ": warning: 1 damaged lines were skipped\n");
    const RunResult missing = Run({"citycodes", Path("none.ini")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              "quillmark-cli: " + Path("none.ini") + ": cannot open the city code file\n");
}

TEST_F(Cli, SampleWritesALoadableContestThatOnlyTheSeedChanges) {
    for (const char* name : {"a.qmk", "b.qmk"}) {
        ASSERT_EQ(Run({"sample", Path(name), "--contacts", "40", "--seed=7"}).status, 0);
    }
    ASSERT_EQ(Run({"sample", Path("c.qmk"), "--contacts=40", "--seed", "8"}).status, 0);
    EXPECT_EQ(ReadAll(Path("a.qmk")), ReadAll(Path("b.qmk")));
    EXPECT_NE(ReadAll(Path("a.qmk")), ReadAll(Path("c.qmk")));
    const RunResult dump = Run({"dump", Path("a.qmk")});
    EXPECT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.err, "");
    EXPECT_GT(CountOf(dump.out, "\"time\":"), 0);
    EXPECT_LE(CountOf(dump.out, "\"time\":"), 40);
    // A count out of range or not a number is a usage error, before anything is written.
    for (const char* count : {"1000001", "abc"}) {
        const RunResult refused = Run({"sample", Path("d.qmk"), "--contacts", count});
        EXPECT_EQ(refused.status, 2) << count;
        EXPECT_EQ(refused.err,
                  "quillmark-cli: --contacts takes 0 to 1000000 and --seed a number\n");
    }
}

// Each submission format from the command line: the contact read back, JST unless --utc, the
// warnings of what the settings leave empty or the format cannot hold.
TEST_F(Cli, ExportWritesEachSubmissionFormatWithItsWarnings) {
    const std::string file = SaveSample("log.qmk", TinyContest());
    const struct {
        std::vector<std::string> switches;
        const char* first_line;
        const char* time;  // hhmm of the contact as read back
        const char* warning;
    } cases[] = {
        {{"--format", "jarl-r21"},
         "<SUMMARYSHEET VERSION=R2.1>",
         "0714",
         "warning: required fields written empty: ADDRESS（住所）, NAME（氏名（社団の名称））"},
        {{"--format=jarl-r10", "--utc"},
         "<SUMMARYSHEET VERSION=R1.0>",
         "2214",
         "warning: required fields written empty: ADDRESS"},
        {{"--format", "cabrillo", "--contest", "ja-test"}, "START-OF-LOG: 3.0", "2214", ""},
        {{"--format", "adif"},
         "Quillmark ADIF export",
         "2214",
         "warning: 1 texts that are not ASCII were left out"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"export", file, Path("out")};
        args.insert(args.end(), c.switches.begin(), c.switches.end());
        const RunResult result = Run(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.err.find(c.warning), std::string::npos) << result.err;
        const std::string text = ReadAll(Path("out"));
        EXPECT_EQ(text.substr(0, text.find("\r\n")), c.first_line);
        const submission_read::Log log = c.first_line[0] == 'S'
                                             ? submission_read::ReadCabrillo(text)
                                         : c.first_line[0] == 'Q' ? submission_read::ReadAdif(text)
                                                                  : submission_read::ReadJarl(text);
        ASSERT_EQ(log.contacts.size(), 1u) << text;
        EXPECT_EQ(log.contacts[0].call, "JA1ABC");
        EXPECT_EQ(log.contacts[0].time, c.time);
        EXPECT_EQ(log.contacts[0].received, "579 1001");
    }
}

}  // namespace
