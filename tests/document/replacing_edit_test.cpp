#include "document/replacing_edit.h"

#include <gtest/gtest.h>

#include "settings/quillmark_system.h"

namespace {

TEST(ReplacingEdit, RefusesAnEmptySourceAndSwitchValuesOtherThanZeroAndOne) {
    CReplacingEdit edit;
    EXPECT_FALSE(edit.AddPair("", "/"));
    EXPECT_TRUE(edit.AddPair(",", ""));
    EXPECT_EQ(edit.GetPairCount(), 1);
    EXPECT_FALSE(edit.SetReplacing(2));
    EXPECT_FALSE(edit.SetReplacing(-1));
    EXPECT_EQ(edit.GetReplacing(), 0);
    edit.RemoveAllPairs();
    EXPECT_EQ(edit.GetPairCount(), 0);
}

TEST(ReplacingEdit, CommaTypedAtTheEndBecomesASlashAndTheCaretStaysAtTheEnd) {
    CReplacingEdit edit;
    edit.AddPair(",", "/");
    edit.SetReplacing(1);
    Cp932 text = "JA1ABC,";
    size_t caret = text.size();
    Cp932 shown;
    size_t shown_caret = 0;
    EXPECT_TRUE(edit.OnTextChanged(text, caret, [&](const Cp932& t, size_t c) {
        shown = t;
        shown_caret = c;
    }));
    EXPECT_EQ(text, "JA1ABC/");
    EXPECT_EQ(shown, "JA1ABC/");
    EXPECT_EQ(shown_caret, 7u);
}

struct Case {
    const char* text;
    size_t caret;
    const char* expected;
    size_t expected_caret;
};

class ReplacingEditPairs : public testing::TestWithParam<Case> {};

// The two default pairs with "/" as the first delimiter.
TEST_P(ReplacingEditPairs, ReplaceEverySourceCharacterAndShiftTheCaret) {
    CReplacingEdit edit;
    edit.AddPair(" ", "/");
    edit.AddPair("=+", "59/");
    edit.SetReplacing(1);
    Cp932 text = GetParam().text;
    size_t caret = GetParam().caret;
    edit.OnTextChanged(text, caret);
    EXPECT_EQ(text, GetParam().expected);
    EXPECT_EQ(caret, GetParam().expected_caret);
}

INSTANTIATE_TEST_SUITE_P(Defaults, ReplacingEditPairs,
                         testing::Values(Case{"=", 1, "59/", 3}, Case{"+13", 3, "59/13", 5},
                                         Case{"=+", 2, "59/59/", 6}, Case{"599 13", 6, "599/13", 6},
                                         // Caret before the replacement does not move.
                                         Case{"599 13=", 2, "599/1359/", 2},
                                         Case{"NOCHANGE", 3, "NOCHANGE", 3}));

TEST(ReplacingEdit, DoesNothingWhenSwitchedOff) {
    CReplacingEdit edit;
    edit.AddPair(" ", "/");
    Cp932 text = "A B";
    size_t caret = 3;
    EXPECT_FALSE(edit.OnTextChanged(text, caret));
    EXPECT_EQ(text, "A B");
}

TEST(ReplacingEdit, TheChangeOfShowingTheTextReplacesNothing) {
    CReplacingEdit edit;
    edit.AddPair(" ", "/");
    edit.SetReplacing(1);
    Cp932 text = "A B";
    size_t caret = 3;
    bool nested = true;
    edit.OnTextChanged(text, caret, [&](const Cp932&, size_t) {
        // The edit's text changes again while it is shown: that change must not replace.
        Cp932 again = "C D";
        size_t again_caret = 3;
        nested = edit.OnTextChanged(again, again_caret);
    });
    EXPECT_FALSE(nested);
    // And afterwards the edit replaces again.
    Cp932 later = "E F";
    EXPECT_TRUE(edit.OnTextChanged(later, caret));
}

TEST(ReplacingEdit, SelfFeedingPairEndsAndTheOthersStillApply) {
    CReplacingEdit edit;
    edit.AddPair("a", "aa");
    edit.AddPair(" ", "/");
    edit.SetReplacing(1);
    Cp932 text = "a b";
    size_t caret = 3;
    EXPECT_TRUE(edit.OnTextChanged(text, caret));
    EXPECT_EQ(text, "a/b");
}

TEST(ReplacingEdit, DoubleByteCharacterWhoseTrailByteIsASourceIsKept) {
    // "ソ" is 0x83 0x5C; its trail byte is the backslash.
    CReplacingEdit edit;
    edit.AddPair("\\", "/");
    edit.SetReplacing(1);
    Cp932 text = "\x83\x5C\\";
    size_t caret = text.size();
    EXPECT_TRUE(edit.OnTextChanged(text, caret));
    EXPECT_EQ(text, "\x83\x5C/");
}

TEST(ReplacingEdit, TakesThePairsAndTheSwitchFromTheSettings) {
    CQuillmarkSystem settings;
    settings.RemoveAllReplacementPairs();
    settings.AddReplacementPair(",", ".");
    settings.SetIsReplacingInputTextEnabled(1);
    CReplacingEdit edit;
    edit.AddPair("x", "y");
    edit.LoadFromSettings(settings);
    EXPECT_EQ(edit.GetPairCount(), 1);
    EXPECT_EQ(edit.GetReplacing(), 1);
    Cp932 text = "x,";
    size_t caret = 2;
    edit.OnTextChanged(text, caret);
    EXPECT_EQ(text, "x.");

    settings.SetIsReplacingInputTextEnabled(0);
    edit.LoadFromSettings(settings);
    EXPECT_EQ(edit.GetReplacing(), 0);
}

}  // namespace
