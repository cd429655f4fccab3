#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/safe_file.h"
#include "temp_folder.h"

// Long expected texts (transcripts, pages, dumps) live whole as tests/data/<name>.txt.
// QUILLMARK_REGENERATE_GOLDEN=1 rewrites them from the code; read the diff before committing.
namespace platform_test {

inline void ExpectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(QUILLMARK_TEST_DATA_DIR) + "/" + name + ".txt";
    if (std::getenv("QUILLMARK_REGENERATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(safe_file::WriteFileSafely(path, text)) << path;
    }
    EXPECT_EQ(text, ReadAll(path)) << name;
}

}  // namespace platform_test
