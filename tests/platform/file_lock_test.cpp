#include "platform/file_lock.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "case_table.h"
#include "platform/safe_file.h"
#include "safe_file_folder.h"

namespace fs = std::filesystem;

namespace {

class FileLock : public safe_file_test::SafeFileFolder {
protected:
    FileLock() { Put(path_, "old"); }

    const std::string path_ = Path("log.qmk");
};

TEST_F(FileLock, AWriterMakesOthersWaitAndItsReplacementIsWhatTheyLock) {
    using Result = CFileUpdateLock::Result;
    CFileUpdateLock writer;
    std::string reason;
    ASSERT_EQ(writer.Lock(path_, CFileUpdateLock::Mode::exclusive, 0, &reason), Result::locked);
    CFileUpdateLock reader;
    EXPECT_EQ(reader.Lock(path_, CFileUpdateLock::Mode::shared, 20, &reason), Result::busy);
    EXPECT_EQ(reason, "another program is writing it");
    // The writer replaces the file: the old one stays locked, the new one is free.
    ASSERT_TRUE(safe_file::WriteFileSafely(path_, "new"));
    EXPECT_EQ(reader.Lock(path_, CFileUpdateLock::Mode::shared, 0, &reason), Result::locked);
    writer.Unlock();
    CFileUpdateLock second_reader;
    EXPECT_EQ(second_reader.Lock(path_, CFileUpdateLock::Mode::shared, 0, &reason), Result::locked);
    EXPECT_EQ(writer.Lock(path_, CFileUpdateLock::Mode::exclusive, 0, &reason), Result::busy);
    EXPECT_EQ(writer.Lock(Path("none.qmk"), CFileUpdateLock::Mode::exclusive, 0, &reason),
              Result::failed);
    EXPECT_EQ(reason, "cannot open: No such file or directory");
}

// The lock file is a hidden file beside the log.
TEST_F(FileLock, TheOwnerIsReadFromQtsLockFileLines) {
    EXPECT_EQ(file_lock::LockFilePathOf("/a/b/log.qmk"), "/a/b/.log.qmk.lock");
    EXPECT_EQ(file_lock::LockFilePathOf("log.qmk"), ".log.qmk.lock");
    const std::string lock = file_lock::LockFilePathOf(path_);
    for (const auto& c : platform_test::CaseTable("platform/lock_owners.txt", 2)) {
        std::ofstream(lock) << platform_test::Unescaped(c[0]);
        const std::optional<file_lock::Owner> owner = file_lock::ReadLockOwner(lock);
        ASSERT_EQ(owner.has_value(), c[1] != "none") << c[0];
        if (owner) {
            EXPECT_EQ(owner->pid, std::stoi(c[1]));
            EXPECT_EQ(owner->program, "quillmark");
        }
    }
    EXPECT_FALSE(file_lock::ReadLockOwner(Path("none")));
}

// What runs under the owner's process id, by the names the cases use.
using Process = std::optional<std::string> (*)(pid_t);
const std::map<std::string, Process> kProcesses = {
    {"quillmark", [](pid_t) -> std::optional<std::string> { return "quillmark"; }},
    {"editor", [](pid_t) -> std::optional<std::string> { return "editor"; }},
    {"gone", [](pid_t) -> std::optional<std::string> { return std::nullopt; }},
    {"", [](pid_t) -> std::optional<std::string> { return std::string(); }},
};

TEST(LockOwner, OnlyAGoneOrReplacedProcessOnThisHostMakesALockStale) {
    for (const auto& c : platform_test::CaseTable("platform/stale_locks.txt", 3)) {
        const file_lock::Owner owner{42, "quillmark", c[0]};
        EXPECT_EQ(file_lock::IsRunning(owner, "here", kProcesses.at(c[1])), c[2] == "running")
            << c[0] << " " << c[1];
    }
    const std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    EXPECT_EQ(file_lock::ProcessProgram(::getpid()), self);
}

}  // namespace
