// quillmark-cli log: one contact into a contest file by the entry wizard's rules (its refusals,
// which leave the file as it was, are in the command-line session's transcript), the lock of a
// file the program has open, and commands on one file taking turns.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "document/contest_file.h"
#include "model/band_data.h"
#include "platform/file_lock.h"
#include "platform/progress_sink.h"
#include "sample_contest.h"

namespace fs = std::filesystem;

namespace {

class LogCommand : public testing::Test {
protected:
    void SetUp() override {
        file_ = (dir_ / "log.qmk").string();
        CNullProgressSink sink;
        // Two bands (7 MHz, 3500 kHz active), six contacts each, multipliers 100 to 102.
        ASSERT_TRUE(contest_file::Save(file_, sample::MakeContest(2, 6, 3), sink));
    }

    pid_t Start(const std::vector<std::string>& args, const std::string& err) const {
        std::vector<std::string> all{"log", file_};
        all.insert(all.end(), args.begin(), args.end());
        return cli_test::Start(folder_, all, "/dev/null", err);
    }
    static int Wait(pid_t child) { return cli_test::Wait(child); }
    int Log(const std::vector<std::string>& args) {
        return Wait(Start(args, (dir_ / "err").string()));
    }
    std::string Err() const { return platform_test::ReadAll(dir_ / "err"); }
    std::string Bytes() const { return platform_test::ReadAll(file_); }
    CQuillmarkData_MainData Load() const {
        CQuillmarkData_MainData contest;
        CNullProgressSink sink;
        EXPECT_TRUE(contest_file::Load(file_, "/", contest, sink).loaded);
        return contest;
    }
    // The last entry of band b as call|sent|received|points|mode|method|First.
    std::string Last(int b) const {
        const CQuillmarkData_MainData contest = Load();
        const CQuillmarkData_SubMainData& band = *contest.GetBandAt(b);
        const CQuillmarkData_LogDataItem& e = *band.GetEntryAt(band.GetEntryCount() - 1);
        return e.GetCallSign().GetText("/") + "|" + e.GetSentContestNumber().GetText("/") + "|" +
               e.GetReceivedContestNumber().GetText("/") + "|" + std::to_string(e.GetPoints()) +
               "|" + e.GetMode() + "|" + std::to_string(e.GetCallingMethod()) + "|" +
               std::to_string(e.GetFirst());
    }

    platform_test::TempFolder folder_;
    const fs::path dir_ = folder_.Path();
    std::string file_;
};

TEST_F(LogCommand, AContactGoesToTheActiveBandWithItsDefaultsAndFirstDecided) {
    ASSERT_EQ(Log({"JA1new", "599/101"}), 0) << Err();
    // Points from the settings (1), mode and calling method from the band (SSB, answering).
    EXPECT_EQ(Last(1), "JA1NEW|599/10|599/101|1|SSB|0|0");
    ASSERT_EQ(Log({"JA2NEW", "579/999", "--sent", "599/20", "--points", "3", "--mode", "CW", "--cq",
                   "--comment", "移動"}),
              0)
        << Err();
    EXPECT_EQ(Last(1), "JA2NEW|599/20|579/999|3|CW|1|1");
    const CQuillmarkData_MainData contest = Load();
    const CQuillmarkData_SubMainData& band = *contest.GetBandAt(1);
    EXPECT_EQ(band.GetSentContestNumber().GetText("/"), "599/20");
    EXPECT_EQ(band.GetMode(), "CW");
    EXPECT_EQ(band.GetCallingMethod(), 1);
    EXPECT_EQ(band.GetEntryAt(7)->GetComment(), sample::J("移動"));
    EXPECT_EQ(contest.GetActiveBandIndex(), 1);
}

TEST_F(LogCommand, ANamedBandAnEarlierTimeAndAnAllowedSecond) {
    // A Second on the active band, logged when allowed.
    ASSERT_EQ(Log({"JA0AAB", "599/555", "--allow-second"}), 0) << Err();
    EXPECT_EQ(Last(1), "JA0AAB|599/10|599/555|1|SSB|0|1");
    // Another band; the active band stays. A time before every contact sorts it first and
    // takes the First flag of its multiplier from the later contact.
    ASSERT_EQ(Log({"JA9OLD", "599/100", "--band", "7000kHz", "--time", "1699999000"}), 0) << Err();
    const CQuillmarkData_MainData contest = Load();
    EXPECT_EQ(contest.GetActiveBandIndex(), 1);
    const CQuillmarkData_SubMainData& band = *contest.GetBandAt(0);
    ASSERT_EQ(band.GetEntryCount(), 7);
    EXPECT_EQ(band.GetEntryAt(0)->GetCallSign().GetText("/"), "JA9OLD");
    EXPECT_EQ(band.GetEntryAt(0)->GetFirst(), 1);
    int firsts = 0;
    for (const auto& entry : band.GetEntries()) {
        firsts += entry.GetFirst();
    }
    EXPECT_EQ(firsts, 3);
}

TEST_F(LogCommand, AFileTheProgramHasOpenIsRefusedUntilItsLockIsStale) {
    const std::string before = Bytes();
    const std::string lock = file_lock::LockFilePathOf(file_);
    // This test's own process holds the lock, as the program would.
    const std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    std::ofstream(lock) << ::getpid() << "\n" << self << "\n" << file_lock::HostName() << "\n";
    EXPECT_EQ(Log({"JA1NEW", "599/101"}), 1);
    EXPECT_NE(Err().find("open in " + self + " (process " + std::to_string(::getpid())),
              std::string::npos)
        << Err();
    EXPECT_EQ(Bytes(), before);
    // A lock left by a program that is gone does not stop the contact.
    std::ofstream(lock) << ::getpid() << "\nquillmark\n" << file_lock::HostName() << "\n";
    EXPECT_EQ(Log({"JA1NEW", "599/101"}), 0) << Err();
}

TEST_F(LogCommand, CommandsOnOneFileTakeTurnsAndLoseNothing) {
    std::vector<pid_t> running;
    for (int i = 0; i < 8; ++i) {
        running.push_back(
            Start({"JA5T" + std::string(1, static_cast<char>('A' + i)) + "A", "599/101"},
                  (dir_ / ("err" + std::to_string(i))).string()));
    }
    for (const pid_t child : running) {
        EXPECT_EQ(Wait(child), 0);
    }
    EXPECT_EQ(Load().GetBandAt(1)->GetEntryCount(), 6 + 8);
}

}  // namespace
