#include "dialogs/replacing_edit.h"

#include <gtest/gtest.h>

#include "settings/quillmark_system.h"

namespace {

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
}  // namespace
