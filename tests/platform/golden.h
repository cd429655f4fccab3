#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/safe_file.h"
#include "temp_folder.h"

// Long expected texts (transcripts, pages, dumps) live whole as tests/data/<name>.txt.
// QUILLMARK_REGENERATE_GOLDEN=1 rewrites them from the code; read the diff before committing.
namespace platform_test {

// text with every from replaced by to: goldens show temporary paths and the like as a name.
inline std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

inline void ExpectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(QUILLMARK_TEST_DATA_DIR) + "/" + name + ".txt";
    if (std::getenv("QUILLMARK_REGENERATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(safe_file::WriteFileSafely(path, text)) << path;
    }
    EXPECT_EQ(text, ReadAll(path)) << name;
}

}  // namespace platform_test
