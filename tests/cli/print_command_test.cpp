// quillmark-cli print: PDFs through the program's page code, and the exit statuses.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "../platform/temp_folder.h"
#include "document/contest_file.h"
#include "platform/progress_sink.h"
#include "sample_contest.h"

namespace fs = std::filesystem;

namespace {

class PrintCommand : public testing::Test {
protected:
    void SetUp() override {
#ifndef QUILLMARK_HAVE_QT_GUI
        GTEST_SKIP() << "printing needs the build with Qt";
#endif
    }
    std::string Save(const std::string& name, const CQuillmarkData_MainData& contest) {
        CNullProgressSink sink;
        EXPECT_TRUE(contest_file::Save((dir_ / name).string(), contest, sink));
        return (dir_ / name).string();
    }
    // The tool's exit status; its standard error goes to err.
    int Print(const std::string& arguments) {
        const std::string command = std::string(QUILLMARK_CLI) + " print " + arguments + " 2>" +
                                    (dir_ / "err").string() + " >/dev/null";
        return WEXITSTATUS(std::system(command.c_str()));
    }
    std::string Err() const {
        return platform_test::ReadAll(dir_ / "err");
    }
    // Pages of a PDF as pdfinfo reads them; -1 without pdfinfo.
    int Pages(const fs::path& pdf) const {
        const fs::path info = dir_ / "info";
        const std::string command = "pdfinfo '" + pdf.string() + "' >'" + info.string() + "' 2>&1";
        if (WEXITSTATUS(std::system(command.c_str())) != 0) {
            return -1;
        }
        std::ifstream in(info);
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("Pages:", 0) == 0) {
                return std::stoi(line.substr(6));
            }
        }
        return -1;
    }

    platform_test::TempFolder folder_;
    const fs::path dir_ = folder_.Path();
};

// Without Qt the tool says why it cannot print; the other tests need the printing build.
class PrintCommandWithoutQt : public PrintCommand {
protected:
    void SetUp() override {}
};

TEST_F(PrintCommandWithoutQt, SaysPrintingNeedsQtOrPrints) {
    const std::string file = Save("log.qmk", sample::MakeContest(1, 3));
#ifdef QUILLMARK_HAVE_QT_GUI
    EXPECT_EQ(Print(file + " " + (dir_ / "a.pdf").string()), 0) << Err();
#else
    EXPECT_EQ(Print(file + " " + (dir_ / "a.pdf").string()), 2);
    EXPECT_EQ(Err(), "quillmark-cli: printing needs the build with Qt\n");
#endif
}

TEST_F(PrintCommand, EachTypeGivesItsPagesAndNothingToPrintIsStatusThree) {
    // 41 entries on the active band: two log sheets, one extended page, three label pages.
    const std::string file = Save("log.qmk", sample::MakeContest(2, 41));
    struct Case {
        const char* type;
        int pages;
    } const cases[] = {{"1", 2}, {"2", 1}, {"3", 3}, {"4", 1}};
    for (const Case& c : cases) {
        const fs::path pdf = dir_ / (std::string("type") + c.type + ".pdf");
        ASSERT_EQ(Print(file + " " + pdf.string() + " --type " + c.type), 0) << Err();
        const int pages = Pages(pdf);
        if (pages >= 0) {
            EXPECT_EQ(pages, c.pages) << c.type;
        }
    }
    const std::string empty = Save("empty.qmk", sample::MakeContest(1, 0));
    EXPECT_EQ(Print(empty + " " + (dir_ / "none.pdf").string() + " --type 1"), 3);
    EXPECT_NE(Err().find("現在、当該印刷は実行できません。"), std::string::npos) << Err();
    EXPECT_FALSE(fs::exists(dir_ / "none.pdf"));
}

TEST_F(PrintCommand, BadArgumentsAndFilesGiveTheirStatus) {
    const std::string file = Save("log.qmk", sample::MakeContest(1, 3));
    EXPECT_EQ(Print(file + " " + (dir_ / "a.pdf").string() + " --type 5"), 2);
    EXPECT_EQ(Print(file + " " + (dir_ / "a.pdf").string() + " --paper A3"), 2);
    EXPECT_EQ(Print((dir_ / "missing.qmk").string() + " " + (dir_ / "a.pdf").string()), 1);
    EXPECT_EQ(Print(file + " " + (dir_ / "no" / "such" / "folder.pdf").string()), 1);
    EXPECT_EQ(Print(file + " " + (dir_ / "b5.pdf").string() + " --paper B5 --utc"), 0) << Err();
}

}  // namespace
