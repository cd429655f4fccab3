#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/safe_file.h"

// A fresh folder under the system's temporary folder for one test, removed with everything
// in it, and a whole-file reader; shared by the tests of every layer that read and write files.
namespace platform_test {

// The bytes of the file at path; a file that cannot be read fails the test.
inline std::string ReadAll(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(safe_file::ReadWholeFile(path, bytes)) << path;
    return bytes;
}

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qm_test_XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }
    std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

}  // namespace platform_test
