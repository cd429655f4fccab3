#include "platform/safe_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "safe_file_folder.h"

namespace fs = std::filesystem;

namespace {

using SafeFile = safe_file_test::SafeFileFolder;

// A new file gets the usual permissions, not the 0600 of a typical temporary file; a file
// replaced keeps its own.
TEST_F(SafeFile, WritesANewFileWithAllByteValuesThenReplacesItKeepingItsPermissions) {
    std::string bytes(256 * 3, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');  // every byte value, three times
    std::string reason;
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(safe_file::WriteFileSafely(Path("a.qmk"), bytes, &reason)) << reason;
    ::umask(mask);
    EXPECT_EQ(Get(Path("a.qmk")), bytes);
    struct stat info {};
    ASSERT_EQ(::stat(Path("a.qmk").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);
    ASSERT_EQ(::chmod(Path("a.qmk").c_str(), 0640), 0);
    ASSERT_TRUE(safe_file::WriteFileSafely(Path("a.qmk"), "new"));
    EXPECT_EQ(Get(Path("a.qmk")), "new");
    ASSERT_EQ(::stat(Path("a.qmk").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(Listing(), std::vector<std::string>{"a.qmk"});
}

TEST_F(SafeFile, AMissingFolderOrAFolderAsTheTargetFailsWithAReasonAndIsLeftAlone) {
    fs::create_directory(Path("d.qmk"));
    Put(Path("d.qmk/inner"), "keep");
    std::string reason;
    EXPECT_FALSE(safe_file::WriteFileSafely(Path("no/such/a.qmk"), "x", &reason));
    EXPECT_NE(reason.find("No such file"), std::string::npos) << reason;
    reason.clear();
    EXPECT_FALSE(safe_file::WriteFileSafely(Path("d.qmk"), "x", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(Get(Path("d.qmk/inner")), "keep");
    EXPECT_EQ(Listing(), std::vector<std::string>{"d.qmk"});
}

// Root ignores permission bits, so the attempt runs in a child that gives up root.
TEST_F(SafeFile, UnwritableFolderLeavesTheOldFileIntact) {
    Put(Path("a.qmk"), "old contents");
    ASSERT_EQ(::chmod(Path("a.qmk").c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dir_.c_str(), 0555), 0);
    bool written = true;
    std::string reason;
    if (::geteuid() == 0) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                ::_exit(3);
            }
            ::_exit(safe_file::WriteFileSafely(Path("a.qmk"), "new", nullptr) ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 3) << "could not drop privileges";
        written = WEXITSTATUS(status) == 1;
    } else {
        written = safe_file::WriteFileSafely(Path("a.qmk"), "new", &reason);
        EXPECT_NE(reason.find("cannot create"), std::string::npos) << reason;
    }
    EXPECT_FALSE(written);
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    EXPECT_EQ(Get(Path("a.qmk")), "old contents");
    EXPECT_EQ(Listing(), std::vector<std::string>{"a.qmk"});
}

TEST_F(SafeFile, SymbolicLinkIsFollowedAndKept) {
    fs::create_directory(Path("real"));
    Put(Path("real/a.qmk"), "old");
    fs::create_symlink(Path("real/a.qmk"), Path("link.qmk"));
    ASSERT_TRUE(safe_file::WriteFileSafely(Path("link.qmk"), "new"));
    EXPECT_TRUE(fs::is_symlink(Path("link.qmk")));
    EXPECT_EQ(Get(Path("real/a.qmk")), "new");
}

TEST_F(SafeFile, RelativePathWritesIntoTheCurrentFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir_);
    const bool written = safe_file::WriteFileSafely("rel.qmk", "r");
    fs::current_path(previous);
    ASSERT_TRUE(written);
    EXPECT_EQ(Get(Path("rel.qmk")), "r");
    EXPECT_EQ(Listing(), std::vector<std::string>{"rel.qmk"});
}

TEST_F(SafeFile, ReadingFailsWithTheCauseAndGivesNoStaleBytes) {
    Put(Path("a.qmk"), std::string(11, 'x'));
    Put(Path("e.qmk"), "");
    std::string bytes = "stale";
    std::string reason;
    EXPECT_FALSE(safe_file::ReadWholeFile(Path("none.qmk"), bytes, &reason));
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(reason.find("No such file"), std::string::npos) << reason;
    EXPECT_FALSE(safe_file::ReadWholeFile(dir_.string(), bytes, &reason));
    EXPECT_NE(reason.find("not a regular file"), std::string::npos) << reason;
    EXPECT_FALSE(safe_file::ReadWholeFile(Path("a.qmk"), bytes, &reason, 10));
    EXPECT_NE(reason.find("too large"), std::string::npos) << reason;
    EXPECT_TRUE(safe_file::ReadWholeFile(Path("a.qmk"), bytes, &reason, 11));
    EXPECT_EQ(bytes.size(), 11u);
    EXPECT_TRUE(safe_file::ReadWholeFile(Path("e.qmk"), bytes));
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
