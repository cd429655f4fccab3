#pragma once

// What the dialog state tests share: the document tests' builders, the message boxes the
// operator saw written as lines, and long expected texts kept whole under tests/data/dialogs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "../document/document_test_util.h"
#include "../platform/temp_folder.h"
#include "dialogs/scripted_operator.h"
#include "platform/safe_file.h"

namespace dialog_test {

using namespace doc_test;

// QUILLMARK_REGENERATE_GOLDEN=1 rewrites the golden file from the code.
inline void ExpectGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(QUILLMARK_TEST_DATA_DIR) + "/dialogs/" + name + ".txt";
    if (std::getenv("QUILLMARK_REGENERATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(safe_file::WriteFileSafely(path, text)) << path;
    }
    EXPECT_EQ(text, platform_test::ReadAll(path)) << name;
}

// The message boxes shown since the last call, "[caption] style: text" each on its own line
// ("accepted" when none), and forgets them.
inline std::string Told(CScriptedOperator& op) {
    std::string lines;
    for (const Shown& shown : MessagesOf(op)) {
        lines +=
            "[" + shown.caption + "] " + std::to_string(shown.style) + ": " + shown.text + "\n";
    }
    op.ClearRecords();
    return lines.empty() ? "accepted\n" : lines;
}

}  // namespace dialog_test
