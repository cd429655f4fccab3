#include "platform/file_lock.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/safe_file.h"
#include "safe_file_folder.h"

namespace fs = std::filesystem;

namespace {

class FileLock : public safe_file_test::SafeFileFolder {
protected:
    void SetUp() override {
        SafeFileFolder::SetUp();
        path_ = Path("log.qmk");
        Put(path_, "old");
    }

    std::string path_;
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

TEST(LockFileName, IsAHiddenFileBesideTheLog) {
    EXPECT_EQ(file_lock::LockFilePathOf("/a/b/log.qmk"), "/a/b/.log.qmk.lock");
    EXPECT_EQ(file_lock::LockFilePathOf("log.qmk"), ".log.qmk.lock");
}

TEST_F(FileLock, TheOwnerIsReadFromQtsLockFileLines) {
    const std::string lock = file_lock::LockFilePathOf(path_);
    struct Case {
        const char* text;
        std::optional<pid_t> pid;
    } const cases[] = {
        {"4711\nquillmark\nhost\nmachine-id\nboot-id\n", 4711},
        {"4711\nquillmark\n", 4711},
        {"4711\n", std::nullopt},
        {"x11\nquillmark\nhost\n", std::nullopt},
        {"0\nquillmark\nhost\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        std::ofstream(lock) << c.text;
        const std::optional<file_lock::Owner> owner = file_lock::ReadLockOwner(lock);
        ASSERT_EQ(owner.has_value(), c.pid.has_value()) << c.text;
        if (owner) {
            EXPECT_EQ(owner->pid, *c.pid);
            EXPECT_EQ(owner->program, "quillmark");
        }
    }
    EXPECT_FALSE(file_lock::ReadLockOwner(Path("none")));
}

std::optional<std::string> Gone(pid_t) {
    return std::nullopt;
}
std::optional<std::string> Quillmark(pid_t) {
    return "quillmark";
}
std::optional<std::string> Unseen(pid_t) {
    return std::string();
}
std::optional<std::string> Editor(pid_t) {
    return "editor";
}

TEST(LockOwner, OnlyAGoneOrReplacedProcessOnThisHostMakesALockStale) {
    struct Case {
        const char* host;
        std::optional<std::string> (*process)(pid_t);
        bool running;
    } const cases[] = {
        {"here", Quillmark, true}, {"here", Gone, false}, {"here", Editor, false},
        {"here", Unseen, true},    {"", Gone, false},     {"there", Gone, true},
        {"there", Editor, true},
    };
    for (const Case& c : cases) {
        const file_lock::Owner owner{42, "quillmark", c.host};
        EXPECT_EQ(file_lock::IsRunning(owner, "here", c.process), c.running) << c.host;
    }
    const std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    EXPECT_EQ(file_lock::ProcessProgram(::getpid()), self);
}

}  // namespace
