#include "dialogs/replacing_edit.h"

#include <gtest/gtest.h>

#include "settings/quillmark_system.h"

namespace {

// An empty source and switch values other than 0 and 1 are refused; the settings' pairs
// replace the edit's own. (What the operator sees while typing, the replaced text with the
// caret at the end, is the line edit's test with the widgets.)
TEST(ReplacingEdit, TakesThePairsAndTheSwitchFromTheSettings) {
    CReplacingEdit edit;
    EXPECT_FALSE(edit.AddPair("", "/"));
    EXPECT_TRUE(edit.AddPair("x", ""));
    EXPECT_FALSE(edit.SetReplacing(2));
    EXPECT_FALSE(edit.SetReplacing(-1));
    EXPECT_EQ(edit.GetReplacing(), 0);
    CQuillmarkSystem settings;
    settings.RemoveAllReplacementPairs();
    settings.AddReplacementPair(",", "/");
    settings.SetIsReplacingInputTextEnabled(1);
    edit.LoadFromSettings(settings);
    EXPECT_EQ(edit.GetPairCount(), 1);
    EXPECT_EQ(edit.GetReplacing(), 1);
    settings.SetIsReplacingInputTextEnabled(0);
    edit.LoadFromSettings(settings);
    EXPECT_EQ(edit.GetReplacing(), 0);
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

}  // namespace
