#include "settings/quillmark_system.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../platform/case_table.h"
#include "../platform/golden.h"
#include "changed_settings.h"
#include "platform/cp932_convert.h"
#include "settings/memory_settings_store.h"

namespace {

CQuillmarkSystem LoadedFrom(const CMemorySettingsStore& store) {
    CQuillmarkSystem system;
    system.Load(store);
    system.Validate(false);
    return system;
}

// A store of case-table values: "S1=a;D1=b;P=-/" for pair 1's source and destination and
// the punctuation marks, "Section/Key=value" for any other key.
CMemorySettingsStore Stored(const std::string& values) {
    CMemorySettingsStore store;
    for (const std::string& value : platform_test::Items(platform_test::Unescaped(values))) {
        const std::string key = value.substr(0, value.find('='));
        const std::string text = value.substr(key.size() + 1);
        if (const size_t slash = key.find('/'); slash != std::string::npos) {
            store.SetString(key.substr(0, slash), key.substr(slash + 1), text);
        } else if (key == "P") {
            store.SetString("PunctuationMarks", "PunctuationMarks", text);
        } else {
            store.SetString(
                "InputTextReplacement",
                (key[0] == 'S' ? "SourceCharacters_" : "DestinationCharacters_") + key.substr(1),
                text);
        }
    }
    return store;
}

std::string Pairs(const CQuillmarkSystem& system) {
    std::string pairs;
    for (int i = 0; i < system.GetReplacementPairCount(); ++i) {
        pairs += std::string(i == 0 ? "" : " ") + "[" + system.GetSourceCharacters(i) + "]>[" +
                 system.GetDestinationCharacters(i) + "]";
    }
    return pairs;
}

TEST(QuillmarkSystem, ReplacementPairsAreLoadedAndValidated) {
    for (const auto& c : platform_test::CaseTable("settings/loaded_pairs.txt", 3)) {
        EXPECT_EQ(Pairs(LoadedFrom(Stored(c[1]))), platform_test::Unescaped(c[2])) << c[0];
    }
}

TEST(QuillmarkSystem, PairsLeftOutAtLoadStayOutAfterASave) {
    CMemorySettingsStore saved;
    ASSERT_TRUE(LoadedFrom(Stored("P=+/")).Save(saved));
    EXPECT_EQ(Pairs(LoadedFrom(saved)), "[ ]>[+]");
}

// The typed characters of a pair without destination are deleted.
TEST(QuillmarkSystem, MissingDestinationDeletesTheTypedCharacters) {
    Cp932 text = "azb";
    size_t caret = 3;
    EXPECT_TRUE(LoadedFrom(Stored("S1=x;D1=d1;S2=y;D2=d2;S3=z")).ReplaceInputText(text, caret));
    EXPECT_EQ(text + " " + std::to_string(caret), "ab 2");
}

// Out-of-range and unreadable values are brought back to the key's default by the load and
// the validation; the value the settings then hold is the one they save.
TEST(QuillmarkSystem, LoadAndValidateGiveAnAcceptedValue) {
    for (const auto& c : platform_test::CaseTable("settings/validated_values.txt", 4)) {
        CMemorySettingsStore store;
        if (c[2] != "missing") {
            store.SetString(c[0], c[1], c[2]);
        }
        CMemorySettingsStore saved;
        LoadedFrom(store).Save(saved);
        EXPECT_EQ(Cp932ToUtf8(saved.GetRaw(c[0], c[1]).value_or("(not saved)")), c[3])
            << c[0] << "/" << c[1] << "=" << c[2];
    }
    // The print type of the session starts as the loaded default.
    EXPECT_EQ(LoadedFrom(Stored("Printing/DefaultPrintType=3")).GetCurrentPrintType(), 3);
    EXPECT_EQ(LoadedFrom(Stored("Printing/DefaultPrintType=9")).GetCurrentPrintType(), 1);
}

TEST(QuillmarkSystem, ValidateWithResetGivesTheDefaults) {
    CQuillmarkSystem system;
    system.Load(Stored("AddingLogData/DefaultPoints=7;SummarySheetInformation/Name=JA1ZZZ;S1=a"));
    system.SetCurrentPrintType(4);
    system.Validate(true);
    EXPECT_EQ(settings_test::SavedText(system), settings_test::SavedText(CQuillmarkSystem()));
    EXPECT_EQ(system.GetCurrentPrintType(), 1);
}

TEST(QuillmarkSystem, PairOperationsRefuseEmptySourcesBadIndicesAndSelfFeedingPairs) {
    CQuillmarkSystem system;
    system.RemoveAllReplacementPairs();
    for (const auto& c : platform_test::CaseTable("settings/pair_operations.txt", 6)) {
        const int i = c[1] == "-" ? 0 : std::stoi(c[1]);
        const bool done = c[0] == "add"           ? system.AddReplacementPair(c[2], c[3])
                          : c[0] == "source"      ? system.SetSourceCharacters(i, c[2])
                          : c[0] == "destination" ? system.SetDestinationCharacters(i, c[3])
                                                  : system.RemoveReplacementPair(i);
        EXPECT_EQ(done, c[4] == "done") << c[0] << " " << c[1];
        EXPECT_EQ(Pairs(system), c[5]) << c[0] << " " << c[1];
    }
    EXPECT_EQ(system.GetSourceCharacters(5), "");
}

// What a save writes: every key in order, only the summary texts with saving off, no window
// rectangle with placement flag 1, and no keys of pairs that are gone.
TEST(QuillmarkSystemSave, WritesItsKeysInOrder) {
    std::string saves;
    const auto add = [&saves](const std::string& what, const CQuillmarkSystem& system) {
        saves += "--- " + what + "\n" + settings_test::SavedText(system);
    };
    add("the defaults", CQuillmarkSystem());
    CQuillmarkSystem saving_off;
    saving_off.SetIsSavingSettingsEnabled(0);
    saving_off.SetRemarks("73");
    saving_off.SetDefaultPoints(5);
    add("saving off, remarks 73, default points 5", saving_off);
    for (const int flag : {0, 1}) {
        CQuillmarkSystem placed;
        placed.SetMainWindowPlacementSaveFlag(flag);
        placed.SetMainWindowRect({10, 20, 30, 40});
        add("placement flag " + std::to_string(flag) + ", rectangle 10 20 30 40", placed);
    }
    // Five pairs loaded, three removed: the keys of pairs 3 to 5 and a stray 9 go, a key
    // that is not a pair's stays.
    CMemorySettingsStore stored = Stored("S1=b;D1=-;S2=c;D2=-;S3=d;D3=-;S4=e;D4=-;S5=f;D5=-");
    stored.SetString("InputTextReplacement", "DestinationCharacters_9", "-");
    stored.SetString("InputTextReplacement", "SourceCharacters_x", "kept");
    CQuillmarkSystem removed = LoadedFrom(stored);
    ASSERT_EQ(removed.GetReplacementPairCount(), 5);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(removed.RemoveReplacementPair(1));
    }
    saves += "--- three of five pairs removed\n" + settings_test::SavedText(removed, stored);
    std::vector<std::string> keys = stored.GetKeys("InputTextReplacement");
    std::sort(keys.begin(), keys.end());
    saves += "pair keys afterwards:";
    for (const std::string& key : keys) {
        saves += " " + key;
    }
    platform_test::ExpectGolden("settings/saves", saves + "\n");
}

TEST(QuillmarkSystemSave, RoundTripKeepsEverySetting) {
    CMemorySettingsStore store;
    const std::string saved = settings_test::SavedText(settings_test::ChangedSettings(), store);
    EXPECT_EQ(settings_test::SavedText(LoadedFrom(store)), saved);
}

// A value out of range is not taken as UTC even before the validation brings it to 0.
TEST(QuillmarkSystem, DisplayRuleFollowsTheUtcSetting) {
    CQuillmarkSystem system;
    for (const int utc : {0, 1, 5}) {
        system.SetIsDisplayUTC(utc);
        EXPECT_EQ(system.GetDisplayTimeZoneRule().IsUtc(), utc == 1) << utc;
    }
}

}  // namespace
