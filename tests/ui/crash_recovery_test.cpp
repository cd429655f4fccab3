#include "ui/app/crash_recovery.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "../platform/case_table.h"
#include "platform/file_lock.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace {

TEST(CrashRecovery, OnlyTheNamesOfAutomaticSavesCount) {
    for (const platform_test::CaseRow& row : platform_test::CaseTable("ui/save_names.txt", 2)) {
        EXPECT_EQ(crash_recovery::IsAutomaticSaveName(row[0]), row[1] == "counts") << row[0];
    }
}

// The leftovers found; how each is offered to the operator is the application's start test.
TEST(CrashRecovery, LeftoversAreTheAutomaticSavesNoRunningProgramHoldsInNumberOrder) {
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString();
    const auto Path = [&path](const std::string& name) { return path + "/" + name; };
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
    EXPECT_EQ(crash_recovery::FindLeftovers(path, crash_recovery::IsHeldByRunningProgram),
              (std::vector<std::string>{Path("Tmp_1.qmk"), Path("Tmp_2.qmk"), Path("Tmp_10.qmk")}));
}

}  // namespace
