#pragma once

// What the dialog state tests share: the document tests' builders, the message boxes the
// operator saw written as lines, and long expected texts kept whole under tests/data/dialogs.
#include <gtest/gtest.h>

#include <string>

#include "../document/document_test_util.h"
#include "../platform/golden.h"
#include "dialogs/scripted_operator.h"

namespace dialog_test {

using namespace doc_test;

using platform_test::ExpectGolden;

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
