// Safe saving when the system refuses: every call after the temporary file exists fails in
// turn with a full disk, an I/O error or a refused access, and the old file must stay.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "case_table.h"
#include "platform/safe_file.h"
#include "safe_file_faults.h"
#include "safe_file_folder.h"

namespace fs = std::filesystem;

namespace {

using safe_file::Step;

using safe_file_faults::Set;

class SafeFileFault : public safe_file_test::SafeFileFolder {
protected:
    SafeFileFault() { safe_file_faults::Install(); }
    ~SafeFileFault() override { safe_file_faults::Uninstall(); }
};

TEST_F(SafeFileFault, EveryFailingCallLeavesTheOldFileByteForByteAndTheNextSaveWorks) {
    const std::string old_bytes = std::string(5000, 'o') + '\0' + "end";
    const std::string new_bytes(20000, 'n');
    for (const auto& [step, nth, reason] : {
             std::tuple{Step::write, 1, "cannot write: "},
             std::tuple{Step::write, 4, "cannot write: "},  // after three blocks are on disk
             std::tuple{Step::flush, 1, "cannot flush to disk: "},
             std::tuple{Step::replace, 1, "cannot replace the old file: "},
             std::tuple{Step::flush_folder, 1, "cannot flush the folder to disk: "},
         }) {
        for (const int error : {ENOSPC, EIO, EACCES}) {
            SCOPED_TRACE(reason + std::string(std::strerror(error)) + " #" + std::to_string(nth));
            Put(Path("a.qmk"), old_bytes);
            Set(step, error, nth);
            safe_file::Failure failure;
            EXPECT_FALSE(safe_file::WriteFileSafely(Path("a.qmk"), new_bytes, {}, &failure));
            EXPECT_EQ(failure.step, step);
            EXPECT_EQ(failure.error, error);
            EXPECT_EQ(failure.reason, reason + std::string(std::strerror(error)));
            EXPECT_EQ(Get(Path("a.qmk")), old_bytes);
            EXPECT_EQ(Listing(), std::vector<std::string>{"a.qmk"});

            Set(Step::none, 0);
            ASSERT_TRUE(safe_file::WriteFileSafely(Path("a.qmk"), new_bytes, {}, &failure))
                << failure.reason;
            EXPECT_EQ(Get(Path("a.qmk")), new_bytes);
        }
    }
}

TEST_F(SafeFileFault, AFailedFirstSaveLeavesNothingHalfWritten) {
    Set(Step::flush_folder, EIO);
    EXPECT_FALSE(safe_file::WriteFileSafely(Path("new.qmk"), "x"));
    // Without an old file there is nothing to swap back: the new one stays, complete.
    EXPECT_EQ(Listing(), std::vector<std::string>{"new.qmk"});
    Set(Step::write, ENOSPC);
    EXPECT_FALSE(safe_file::WriteFileSafely(Path("other.qmk"), "x"));
    EXPECT_EQ(Listing(), std::vector<std::string>{"new.qmk"});
}

// With renameat2's swap and no-replace flags and on a file system without them alike.
TEST_F(SafeFileFault, ReplacingWorksAndNoReplaceRefusesANameTakenMeanwhile) {
    for (const unsigned refused : {0u, unsigned{RENAME_EXCHANGE | RENAME_NOREPLACE}}) {
        SCOPED_TRACE(refused);
        Put(Path("a.qmk"), "old");
        fs::remove(Path("b.qmk"));
        Set(Step::none, 0).rename_flags_refused = refused;
        ASSERT_TRUE(safe_file::WriteFileSafely(Path("a.qmk"), "new"));
        EXPECT_EQ(Get(Path("a.qmk")), "new");
        safe_file::Failure failure;
        ASSERT_TRUE(safe_file::WriteFileSafely(Path("b.qmk"), "b", {.replace = false}, &failure));
        EXPECT_FALSE(
            safe_file::WriteFileSafely(Path("b.qmk"), "again", {.replace = false}, &failure));
        EXPECT_EQ(failure.error, EEXIST);
        EXPECT_EQ(Get(Path("b.qmk")), "b");
        EXPECT_EQ(Listing(), (std::vector<std::string>{"a.qmk", "b.qmk"}));
    }
}

// The real full device: a data file is never written into it, nor replaced by a plain file.
TEST_F(SafeFileFault, ADeviceIsRefusedAndStaysADevice) {
    struct stat info {};
    if (::stat("/dev/full", &info) != 0 || !S_ISCHR(info.st_mode)) {
        GTEST_SKIP() << "no /dev/full";
    }
    safe_file::Failure failure;
    EXPECT_FALSE(safe_file::WriteFileSafely("/dev/full", "log", {}, &failure));
    EXPECT_EQ(failure.reason, "cannot write: not a regular file");
    struct stat after {};
    ASSERT_EQ(::stat("/dev/full", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, info.st_rdev);
}

pid_t DeadProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(SafeFileFault, ASaveRemovesTemporariesOfProcessesThatAreGone) {
    const std::string dead = ".a.qmk." + std::to_string(DeadProcess()) + ".1.5f.tmp";
    const std::string live = ".a.qmk." + std::to_string(::getppid()) + ".2.5f.tmp";
    const std::string other = ".b.qmk." + std::to_string(DeadProcess()) + ".1.5f.tmp";
    for (const std::string& name : {dead, live, other}) {
        Put(Path(name), "partial");
    }
    Put(Path("a.qmk"), "old");
    // Even a save that fails itself clears them away.
    Set(Step::write, ENOSPC);
    EXPECT_FALSE(safe_file::WriteFileSafely(Path("a.qmk"), "new"));
    std::vector<std::string> expected{live, other, "a.qmk"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Listing(), expected);
}

TEST(SafeFileTemporaryName, OnlyTheWritersOwnPatternForThatFileCounts) {
    for (const auto& c : platform_test::CaseTable("platform/temporary_names.txt", 2)) {
        pid_t pid = 0;
        EXPECT_EQ(safe_file::IsTemporaryOf(c[0], "a.qmk", &pid), c[1] == "temporary") << c[0];
        if (c[1] == "temporary") {
            EXPECT_EQ(pid, 123);
        }
    }
}

}  // namespace
