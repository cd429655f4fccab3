// Runs the built quillmark-cli through the sessions of tests/data/cli/session.txt and (with Qt)
// print_session.txt, and compares everything it printed, and the files it wrote, with the
// goldens session_seen.txt and print_seen.txt.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "../platform/golden.h"
#include "../platform/temp_folder.h"
#include "cli_run.h"
#include "document/contest_file.h"
#include "model/band_data.h"
#include "platform/cp932_convert.h"
#include "platform/file_lock.h"
#include "platform/progress_sink.h"
#include "platform/safe_file.h"
#include "sample_contest.h"

namespace fs = std::filesystem;

namespace {

using platform_test::ReplacedAll;

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

// Each band (the active one marked) with its frequency, mode, sent number, calling method and
// count of entries, then (unless only counted) its entries as
// call|sent|received|points|mode|method|First|comment.
std::string Entries(const CQuillmarkData_MainData& contest, bool counted_only) {
    std::ostringstream text;
    for (int b = 0; b < contest.GetBandCount(); ++b) {
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(b);
        text << (b == contest.GetActiveBandIndex() ? "* " : "  ") << band.GetBand().GetFrequency()
             << " " << band.GetMode() << " " << band.GetSentContestNumber().GetText("/") << " "
             << band.GetCallingMethod() << ", " << band.GetEntryCount() << " entries\n";
        for (const CQuillmarkData_LogDataItem& e : band.GetEntries()) {
            if (counted_only) {
                break;
            }
            text << "    " << e.GetCallSign().GetText("/") << "|"
                 << e.GetSentContestNumber().GetText("/") << "|"
                 << e.GetReceivedContestNumber().GetText("/") << "|" << e.GetPoints() << "|"
                 << e.GetMode() << "|" << e.GetCallingMethod() << "|" << e.GetFirst() << "|"
                 << Cp932ToUtf8(e.GetComment()) << "\n";
        }
    }
    return text.str();
}

// The words of a script line; "..." keeps blanks and may be empty.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    for (size_t at = 0; at < line.size();) {
        if (line[at] == ' ') {
            ++at;
        } else if (line[at] == '"') {
            const size_t end = line.find('"', at + 1);
            words.push_back(line.substr(at + 1, end - at - 1));
            at = end + 1;
        } else {
            const size_t end = std::min(line.find(' ', at), line.size());
            words.push_back(line.substr(at, end - at));
            at = end;
        }
    }
    return words;
}

// A written file as text: UTF-8 as it is, anything else read as CP932; "\r" shown as "<CR>",
// and the day the file was made as <today>.
std::string Shown(const std::string& bytes) {
    const std::string text = TryUtf8ToCp932(bytes) ? bytes : Cp932ToUtf8(bytes);
    const std::regex today(R"(<DATE>[^<]*</DATE>|<CREATED_TIMESTAMP:15>\d{8} \d{6})");
    return std::regex_replace(ReplacedAll(text, "\r", "<CR>"), today, "<today>");
}

// Each line of the script is shown after "$ " and followed by what it printed: standard output
// as it is ("[N] " before a command keeps its first N lines), standard error after "! ", then
// the exit status. "@file NAME" shows a file, "@same A B" compares two, "@exists NAME" says
// whether there is one, "@entries NAME" shows a contest's bands and entries ("@count NAME"
// only their counts), "@pages PDF"
// counts a PDF's pages; "(no arguments)" runs the tool without any. The tool runs in a folder
// of its own holding the files the script names; <data> stands for tests/data.
std::string Session(const std::string& script_name) {
    platform_test::TempFolder folder;
    const std::string data = QUILLMARK_TEST_DATA_DIR;
    CNullProgressSink sink;
    CQuillmarkData_MainData no_band = TinyContest();
    no_band.DeleteAllBands();
    const std::string image = contest_file::StoreContest(TinyContest());
    for (const auto& [name, contest] :
         {std::pair<std::string, CQuillmarkData_MainData>{"tiny.qmk", TinyContest()},
          {"-tiny.qmk", TinyContest()},
          {"unsorted.qmk", sample::MakeContest(1, 6, 2)},
          {"three_bands.qmk", sample::MakeContest(3, 20)},
          {"no_band.qmk", no_band},
          {"two_bands.qmk", sample::MakeContest(2, 6, 3)},
          {"two_bands.before", sample::MakeContest(2, 6, 3)},
          {"forty_one.qmk", sample::MakeContest(2, 41)},
          {"no_entries.qmk", sample::MakeContest(1, 0)}}) {
        EXPECT_TRUE(contest_file::Save(folder / name, contest, sink));
    }
    for (const auto& [name, bytes] :
         {std::pair<std::string, std::string>{"foreign.qmk", "\x05hello world"},
          {"empty.qmk", ""},
          {"short.qmk", image.substr(0, image.size() - 3)},
          {"codes.ini", sample::J("// 都市コード\r\n13:東京都:ﾄｳｷｮｳﾄ\r\n") +
                            std::string("99:\0x:y\r\n", 9) + "11:" + sample::J("埼玉県") +
                            ":\r\n"}}) {
        EXPECT_TRUE(safe_file::WriteFileSafely(folder / name, bytes));
    }

    // Qt's own folder for the printing build (cli_run.h names it), so that it has nothing to
    // say about it.
    fs::create_directory(folder / "runtime");
    fs::permissions(folder / "runtime", fs::perms::owner_all);
    const fs::path previous = fs::current_path();
    fs::current_path(folder.Path());
    std::string seen, usage = "(no --help yet)";
    const std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    std::istringstream script(platform_test::ReadAll(data + "/" + script_name));
    for (std::string line; std::getline(script, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        seen += "$ " + line + "\n";
        std::vector<std::string> words = Words(ReplacedAll(line, "<data>", data));
        if (words[0] == "@file") {
            seen += Shown(platform_test::ReadAll(words[1])) + "\n";
            continue;
        }
        if (words[0] == "@same") {
            seen += platform_test::ReadAll(words[1]) == platform_test::ReadAll(words[2])
                        ? "same\n"
                        : "different\n";
            continue;
        }
        if (words[0] == "@entries" || words[0] == "@count") {
            CQuillmarkData_MainData contest;
            seen += contest_file::Load(words[1], "/", contest, sink).loaded
                        ? Entries(contest, words[0] == "@count")
                        : "not loaded\n";
            continue;
        }
        // A lock as the program leaves it: held by this test's own process, or by a program
        // that is gone.
        if (words[0] == "@lock" || words[0] == "@stale-lock") {
            std::ofstream(file_lock::LockFilePathOf(words[1]))
                << ::getpid() << "\n"
                << (words[0] == "@lock" ? self : "quillmark") << "\n"
                << file_lock::HostName() << "\n";
            continue;
        }
        // The command started N times at once, "?" in it the letters A, B, ...
        if (words[0] == "@together") {
            std::vector<pid_t> running;
            for (int i = 0; i < std::stoi(words[1]); ++i) {
                std::vector<std::string> args(words.begin() + 2, words.end());
                for (std::string& arg : args) {
                    arg = ReplacedAll(arg, "?", std::string(1, static_cast<char>('A' + i)));
                }
                const std::string err = folder / (".stderr" + std::to_string(i));
                running.push_back(cli_test::Start(folder, args, "/dev/null", err));
            }
            for (const pid_t child : running) {
                seen += "exit " + std::to_string(cli_test::Wait(child)) + "\n";
            }
            continue;
        }
        if (words[0] == "@pages") {
            const std::string command = "pdfinfo '" + words[1] + "' >.info 2>&1";
            const std::string info =
                std::system(command.c_str()) == 0 ? platform_test::ReadAll(folder / ".info") : "";
            std::smatch pages;
            seen += std::regex_search(info, pages, std::regex("Pages:.*")) ? pages.str() + "\n"
                                                                           : "(not read)\n";
            continue;
        }
        if (words[0] == "@exists") {
            seen += fs::exists(words[1]) ? "yes\n" : "no\n";
            continue;
        }
        size_t keep = std::string::npos;
        if (words[0].starts_with("[")) {
            keep = std::stoul(words[0].substr(1));
            words.erase(words.begin());
        }
        if (words == std::vector<std::string>{"(no", "arguments)"}) {
            words.clear();
        }
        const cli_test::RunResult result = cli_test::Run(folder, words);
        std::istringstream out(result.out);
        size_t lines = 0;
        for (std::string text; std::getline(out, text); ++lines) {
            if (lines < keep) {
                seen += text + "\n";
            }
        }
        if (lines > keep) {
            seen += "(" + std::to_string(lines - keep) + " more lines)\n";
        }
        if (line == "--help") {
            usage = result.out;
        }
        // The usage that follows a usage error is the one --help printed.
        std::istringstream err(ReplacedAll(
            ReplacedAll(ReplacedAll(result.err, data, "<data>"), usage, "(the usage of --help)\n"),
            "process " + std::to_string(::getpid()) + " on " + file_lock::HostName(),
            "process <test> on <host>"));
        for (std::string text; std::getline(err, text);) {
            seen += "! " + text + "\n";
        }
        seen += "exit " + std::to_string(result.status) + "\n";
    }
    fs::current_path(previous);
    return seen;
}

TEST(Cli, SessionPrintsWhatTheGoldenTranscriptShows) {
    platform_test::ExpectGolden("cli/session_seen", Session("cli/session.txt"));
}

// Printing goes through the program's page code with Qt; without it the tool says why not.
TEST(Cli, PrintSessionPrintsThePagesTheGoldenShows) {
#ifdef QUILLMARK_HAVE_QT_GUI
    platform_test::ExpectGolden("cli/print_seen", Session("cli/print_session.txt"));
#else
    platform_test::TempFolder folder;
    CNullProgressSink sink;
    ASSERT_TRUE(contest_file::Save(folder / "log.qmk", TinyContest(), sink));
    const cli_test::RunResult result =
        cli_test::Run(folder, {"print", folder / "log.qmk", "a.pdf"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "quillmark-cli: printing needs the build with Qt\n");
#endif
}

}  // namespace
