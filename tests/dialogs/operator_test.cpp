#include "dialogs/operator.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "../document/document_test_util.h"
#include "dialogs/log_data_confirm_dialog.h"
#include "dialogs/scripted_operator.h"

namespace {

using namespace message_box;
using doc_test::J;

TEST(MessageBoxStyle, GivesButtonsDefaultAndEscapeResults) {
    const struct {
        int style;
        std::vector<int> buttons;
        int default_result;
        int escape_result;
    } cases[] = {
        {kOk | kIconExclamation, {kIdOk}, kIdOk, kIdOk},
        {kOkCancel | kIconQuestion, {kIdOk, kIdCancel}, kIdOk, kIdCancel},
        {kYesNo | kIconQuestion | kDefaultButton2, {kIdYes, kIdNo}, kIdNo, kIdNo},
        {kYesNo, {kIdYes, kIdNo}, kIdYes, kIdYes},
        {kYesNoCancel | kDefaultButton3, {kIdYes, kIdNo, kIdCancel}, kIdCancel, kIdCancel},
        {kAbortRetryIgnore | kDefaultButton2, {kIdAbort, kIdRetry, kIdIgnore}, kIdRetry, kIdRetry},
        {kRetryCancel, {kIdRetry, kIdCancel}, kIdRetry, kIdCancel},
        // A default beyond the set falls back to the first button.
        {kOk | kDefaultButton3, {kIdOk}, kIdOk, kIdOk},
        {0xE, {kIdOk}, kIdOk, kIdOk},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonResultsOf(c.style), c.buttons) << c.style;
        EXPECT_EQ(DefaultResultOf(c.style), c.default_result) << c.style;
        EXPECT_EQ(EscapeResultOf(c.style), c.escape_result) << c.style;
    }
}

TEST(FileFilter, SplitsIntoDescriptionAndPatternPairsKeepingOnlyWholePairs) {
    using Pairs = std::vector<std::pair<Cp932, Cp932>>;
    EXPECT_EQ(SplitFileFilter(J("ﾃｷｽﾄ化されたﾛｸﾞ (*.log)|*.log|すべてのﾌｧｲﾙ (*.*)|*.*||")),
              (Pairs{{J("ﾃｷｽﾄ化されたﾛｸﾞ (*.log)"), "*.log"}, {J("すべてのﾌｧｲﾙ (*.*)"), "*.*"}}));
    // "ポ" is 0x83 0x7C in CP932: its trail byte is '|', which does not split.
    const Cp932 name = J("ポ (*.qmk)");
    ASSERT_NE(name.find('|'), std::string::npos);
    EXPECT_EQ(SplitFileFilter(name + "|*.qmk||"), (Pairs{{name, "*.qmk"}}));
    EXPECT_EQ(SplitFileFilter("a|*.a"), (Pairs{{"a", "*.a"}}));
    EXPECT_EQ(SplitFileFilter("a|*.a|b"), (Pairs{{"a", "*.a"}}));
    EXPECT_TRUE(SplitFileFilter("").empty());
    EXPECT_TRUE(SplitFileFilter("||a|*.a||").empty());
}

TEST(ScriptedOperator, UnscriptedQuestionsGetHarmlessAnswersAndAreCountedButNotForever) {
    CScriptedOperator op;
    EXPECT_EQ(op.ShowMessage("q", "c", kYesNo | kIconQuestion | kDefaultButton2), kIdNo);
    EXPECT_EQ(op.AskFileName(FileNameRequest{}), std::nullopt);
    CLogDataConfirmDialog dialog;
    EXPECT_EQ(op.RunDialog(dialog, 0), kIdCancel);
    EXPECT_EQ(op.UnscriptedCount(), 3);
    // Endless unscripted questions fail instead of running forever.
    EXPECT_THROW(
        {
            for (;;) {
                op.ShowMessage("?", "?", message_box::kYesNo | message_box::kDefaultButton2);
            }
        },
        std::runtime_error);
}

}  // namespace
