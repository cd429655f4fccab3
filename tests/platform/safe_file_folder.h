#pragma once

// A fresh folder per test for the safe-file tests, with what they read and write in it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace safe_file_test {

namespace fs = std::filesystem;

class SafeFileFolder : public testing::Test {
protected:
    // A test may leave the folder read-only; it must still be removed.
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    std::string Path(const std::string& name) const { return folder_ / name; }

    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Get(const std::string& path) { return platform_test::ReadAll(path); }
    std::vector<std::string> Listing() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    platform_test::TempFolder folder_;
    const fs::path dir_ = folder_.Path();
};

}  // namespace safe_file_test
