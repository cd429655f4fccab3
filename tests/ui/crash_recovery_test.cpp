#include "ui/app/crash_recovery.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "../cli/sample_contest.h"
#include "../platform/case_table.h"
#include "dialogs/scripted_operator.h"
#include "document/contest_file.h"
#include "platform/file_lock.h"
#include "platform/progress_sink.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace {

TEST(CrashRecovery, OnlyTheNamesOfAutomaticSavesCount) {
    for (const platform_test::CaseRow& row : platform_test::CaseTable("ui/save_names.txt", 2)) {
        EXPECT_EQ(crash_recovery::IsAutomaticSaveName(row[0]), row[1] == "counts") << row[0];
    }
}

class Leftovers : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        path_ = folder_.path().toStdString();
    }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }
    void SaveContest(const std::string& name, int contacts) const {
        const CQuillmarkData_MainData contest = sample::MakeContest(1, contacts);
        CNullProgressSink sink;
        ASSERT_TRUE(contest_file::Save(Path(name), contest, sink));
        Stamp(name);
    }
    // The saving time the question shows.
    void Stamp(const std::string& name) const {
        const timespec times[2] = {{1700003600, 0}, {1700003600, 0}};
        ::utimensat(AT_FDCWD, Path(name).c_str(), times, 0);
    }

    QTemporaryDir folder_;
    std::string path_;
};

TEST_F(Leftovers, AreTheAutomaticSavesNoRunningProgramHoldsInNumberOrder) {
    for (const char* name :
         {"Tmp_10.qmk", "Tmp_2.qmk", "Tmp_1.qmk", "Tmp_3.qmk", "Tmp_02.qmk", "log.qmk"}) {
        std::ofstream(Path(name)) << "x";
    }
    fs::create_directory(Path("Tmp_4.qmk"));
    // Tmp_3.qmk is open in a running program: this test's own process.
    const std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    std::ofstream(file_lock::LockFilePathOf(Path("Tmp_3.qmk"))) << ::getpid() << "\n"
                                                                << self << "\n"
                                                                << file_lock::HostName() << "\n";
    // Tmp_2.qmk's lock was left by a program that is gone.
    std::ofstream(file_lock::LockFilePathOf(Path("Tmp_2.qmk"))) << ::getpid() << "\nquillmark\n"
                                                                << file_lock::HostName() << "\n";
    EXPECT_EQ(crash_recovery::FindLeftovers(path_, crash_recovery::IsHeldByRunningProgram),
              (std::vector<std::string>{Path("Tmp_1.qmk"), Path("Tmp_2.qmk"), Path("Tmp_10.qmk")}));
}

TEST_F(Leftovers, EachIsOpenedDeletedOrKeptAsTheOperatorAnswers) {
    SaveContest("Tmp_1.qmk", 2);
    std::ofstream(Path("Tmp_2.qmk")) << "damaged";
    Stamp("Tmp_2.qmk");
    SaveContest("Tmp_3.qmk", 0);
    SaveContest("Tmp_4.qmk", 1);
    CScriptedOperator op;
    op.AnswerMessage(message_box::kIdYes);     // Tmp_1: open
    op.AnswerMessage(message_box::kIdNo);      // Tmp_2: delete …
    op.AnswerMessage(message_box::kIdOk);      // … yes, really
    op.AnswerMessage(message_box::kIdNo);      // Tmp_3: delete …
    op.AnswerMessage(message_box::kIdCancel);  // … no, after all
    op.AnswerMessage(message_box::kIdCancel);  // Tmp_4: keep
    std::vector<std::string> opened;
    crash_recovery::OfferLeftovers(op, path_, "/", CTimeZoneRule::Utc(),
                                   [&](const std::string& path) { opened.push_back(path); });
    EXPECT_EQ(opened, std::vector<std::string>{Path("Tmp_1.qmk")});
    EXPECT_FALSE(fs::exists(Path("Tmp_2.qmk")));
    EXPECT_TRUE(fs::exists(Path("Tmp_3.qmk")));
    EXPECT_TRUE(fs::exists(Path("Tmp_4.qmk")));
    EXPECT_EQ(op.UnusedAnswerCount(), 0);
    // What the operator was asked, with the temporary folder as FOLDER.
    std::string seen;
    for (const auto& message : op.Messages()) {
        seen += "[" + Cp932ToUtf8(message.caption) + "] " + std::to_string(message.style) + " -> " +
                std::to_string(message.answer) + ": " + Cp932ToUtf8(message.text) + "\n";
    }
    ui_test::ExpectGolden("ui/crash_recovery_questions",
                          platform_test::ReplacedAll(seen, path_, "FOLDER"));
}

}  // namespace
