#include "settings/quillmark_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <tuple>

#include "../platform/case_table.h"
#include "changed_settings.h"
#include "settings/memory_settings_store.h"

namespace {

// A store holding the given section/key/value triples.
CMemorySettingsStore StoreWith(
    std::initializer_list<std::tuple<const char*, std::string, std::string>> values) {
    CMemorySettingsStore store;
    for (const auto& [section, key, value] : values) {
        store.SetString(section, key, value);
    }
    return store;
}

CQuillmarkSystem LoadedFrom(const CMemorySettingsStore& store) {
    CQuillmarkSystem system;
    system.Load(store);
    system.Validate(false);
    return system;
}

TEST(QuillmarkSystem, DefaultDateDisplayStringIsTheJapaneseClockFormat) {
    EXPECT_EQ(CQuillmarkSystem::DefaultDateDisplayString(),
              "[ %#Y \x94N  %#m \x8C\x8E %#d \x93\xFA ( %A )  %#H \x8E\x9E %M \x95\xAA %S "
              "\x95\x62 ]");
}

// A store of case-table values: "S1=a;D1=b;P=-/" for pair 1's source and destination and
// the punctuation marks.
CMemorySettingsStore Stored(const std::string& values) {
    CMemorySettingsStore store;
    std::istringstream list(platform_test::Unescaped(values));
    for (std::string value; std::getline(list, value, ';');) {
        const std::string key = value.substr(0, value.find('='));
        const std::string text = value.substr(key.size() + 1);
        if (key == "P") {
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
    const CQuillmarkSystem plus = LoadedFrom(Stored("P=+/"));
    CMemorySettingsStore saved;
    ASSERT_TRUE(plus.Save(saved));
    EXPECT_EQ(Pairs(LoadedFrom(saved)), Pairs(plus));
}

// The typed characters of a pair without destination are deleted.
TEST(QuillmarkSystem, MissingDestinationDeletesTheTypedCharacters) {
    CQuillmarkSystem system = LoadedFrom(Stored("S1=x;D1=d1;S2=y;D2=d2;S3=z"));
    Cp932 text = "azb";
    size_t caret = 3;
    EXPECT_TRUE(system.ReplaceInputText(text, caret));
    EXPECT_EQ(text, "ab");
    EXPECT_EQ(caret, 2u);
}

TEST(QuillmarkSystem, ReplacingReturnsWhenAPairWasRefused) {
    CQuillmarkSystem system = LoadedFrom(Stored("S1= ;D1=/ ;S2==;D2=59/"));
    Cp932 text = "A B=";
    size_t caret = 4;
    system.ReplaceInputText(text, caret);
    EXPECT_EQ(text, "A B59/");
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
        EXPECT_EQ(saved.GetInt(c[0], c[1], -99), std::stoi(c[3]))
            << c[0] << "/" << c[1] << "=" << c[2];
    }
    // The print type of the session starts as the loaded default.
    EXPECT_EQ(LoadedFrom(StoreWith({{"Printing", "DefaultPrintType", "3"}})).GetCurrentPrintType(),
              3);
    EXPECT_EQ(LoadedFrom(StoreWith({{"Printing", "DefaultPrintType", "9"}})).GetCurrentPrintType(),
              1);
}

TEST(QuillmarkSystem, EmptyTextsBecomeTheirDefaults) {
    const CQuillmarkSystem system = LoadedFrom(StoreWith(
        {{"DateDisplay", "DateDisplayString", ""}, {"PunctuationMarks", "PunctuationMarks", ""}}));
    EXPECT_EQ(system.GetDateDisplayString(), CQuillmarkSystem::DefaultDateDisplayString());
    EXPECT_EQ(system.GetPunctuationMarks(), "/,.");
}

TEST(QuillmarkSystem, ValidateWithResetDiscardsLoadedValues) {
    CMemorySettingsStore store;
    store.SetInt("AddingLogData", "DefaultPoints", 7);
    store.SetString("SummarySheetInformation", "Name", "JA1ZZZ");
    store.SetString("InputTextReplacement", "SourceCharacters_1", "a");
    CQuillmarkSystem system;
    system.Load(store);
    system.SetCurrentPrintType(4);
    system.Validate(true);
    EXPECT_EQ(system.GetDefaultPoints(), 1);
    EXPECT_EQ(system.GetName(), "");
    EXPECT_EQ(system.GetIsInputPointsEveryTime(), 1);
    EXPECT_EQ(system.GetCurrentPrintType(), 1);
    EXPECT_EQ(system.GetSourceCharactersArray(), (std::vector<Cp932>{" ", "=+"}));
}

TEST(QuillmarkSystem, PairOperationsRefuseEmptySourcesAndBadIndices) {
    CQuillmarkSystem system;
    system.RemoveAllReplacementPairs();
    EXPECT_EQ(system.GetReplacementPairCount(), 0);
    EXPECT_FALSE(system.AddReplacementPair("", "x"));
    EXPECT_FALSE(system.AddReplacementPair("ab", "xb"));  // would feed itself
    EXPECT_TRUE(system.AddReplacementPair("ab", "x"));
    EXPECT_TRUE(system.AddReplacementPair("c", ""));
    EXPECT_FALSE(system.SetSourceCharacters(0, ""));
    EXPECT_FALSE(system.SetSourceCharacters(2, "z"));
    EXPECT_FALSE(system.SetSourceCharacters(-1, "z"));
    EXPECT_FALSE(system.SetSourceCharacters(0, "x"));  // would feed itself
    EXPECT_TRUE(system.SetSourceCharacters(0, "q"));
    EXPECT_FALSE(system.SetDestinationCharacters(1, "cc"));
    EXPECT_TRUE(system.SetDestinationCharacters(1, "d"));
    EXPECT_FALSE(system.SetDestinationCharacters(2, "d"));
    EXPECT_FALSE(system.RemoveReplacementPair(2));
    EXPECT_TRUE(system.RemoveReplacementPair(0));
    EXPECT_EQ(system.GetSourceCharactersArray(), (std::vector<Cp932>{"c"}));
    EXPECT_EQ(system.GetDestinationCharactersArray(), (std::vector<Cp932>{"d"}));
    EXPECT_EQ(system.GetSourceCharacters(5), "");
}

// The keys a save of the default settings writes, in order (tests/data/settings).
std::vector<std::string> SavedKeys() {
    std::ifstream file(QUILLMARK_TEST_DATA_DIR "/settings/saved_keys.txt");
    std::vector<std::string> keys;
    for (std::string key; std::getline(file, key);) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys.size(), 43u);
    return keys;
}

TEST(QuillmarkSystemSave, WritesEveryKeyInOrder) {
    CMemorySettingsStore store;
    EXPECT_TRUE(CQuillmarkSystem().Save(store));
    EXPECT_EQ(store.GetWriteLog(), SavedKeys());
}

TEST(QuillmarkSystemSave, SummaryTextsAreSavedEvenWithSavingOff) {
    CQuillmarkSystem system;
    system.SetIsSavingSettingsEnabled(0);
    system.SetRemarks("73");
    system.SetDefaultPoints(5);
    CMemorySettingsStore store;
    system.Save(store);
    std::vector<std::string> expected = {"System/IsSavingSettingsEnabled"};
    for (const std::string& key : SavedKeys()) {
        if (key.rfind("SummarySheetInformation/", 0) == 0) {
            expected.push_back(key);
        }
    }
    EXPECT_EQ(store.GetWriteLog(), expected);
    EXPECT_EQ(store.GetString("SummarySheetInformation", "Remarks", ""), "73");
    EXPECT_EQ(store.GetInt("System", "IsSavingSettingsEnabled", -1), 0);
}

TEST(QuillmarkSystemSave, PlacementFlagOneWritesNoRectangle) {
    for (const int flag : {0, 1}) {
        CQuillmarkSystem system;
        system.SetMainWindowPlacementSaveFlag(flag);
        system.SetMainWindowRect({10, 20, 30, 40});
        CMemorySettingsStore store;
        system.Save(store);
        EXPECT_EQ(store.GetInt("MainWindowPlacement", "MainWindowPlacementSaveFlag", -1), flag);
        EXPECT_FALSE(store.Contains("MainWindowPlacement", "MainWindowRect.left")) << flag;
        EXPECT_FALSE(store.Contains("MainWindowPlacement", "MainWindowState")) << flag;
    }
}

TEST(QuillmarkSystemSave, StalePairKeysAreRemoved) {
    CMemorySettingsStore store = Stored("S1=b;D1=-;S2=c;D2=-;S3=d;D3=-;S4=e;D4=-;S5=f;D5=-");
    store.SetString("InputTextReplacement", "DestinationCharacters_9", "-");
    store.SetString("InputTextReplacement", "SourceCharacters_x", "kept");
    CQuillmarkSystem system = LoadedFrom(store);
    ASSERT_EQ(system.GetReplacementPairCount(), 5);
    ASSERT_TRUE(system.RemoveReplacementPair(1));
    ASSERT_TRUE(system.RemoveReplacementPair(1));
    ASSERT_TRUE(system.RemoveReplacementPair(1));
    system.Save(store);
    std::vector<std::string> keys = store.GetKeys("InputTextReplacement");
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"DestinationCharacters_1", "DestinationCharacters_2",
                                              "IsReplacingInputTextEnabled", "SourceCharacters_1",
                                              "SourceCharacters_2", "SourceCharacters_x"}));
    const CQuillmarkSystem reloaded = LoadedFrom(store);
    EXPECT_EQ(reloaded.GetSourceCharactersArray(), (std::vector<Cp932>{"b", "f"}));
}

TEST(QuillmarkSystemSave, RoundTripKeepsEverySetting) {
    const CQuillmarkSystem original = settings_test::ChangedSettings();
    CMemorySettingsStore store;
    ASSERT_TRUE(original.Save(store));
    settings_test::ExpectSameSave(original, LoadedFrom(store));
}

TEST(QuillmarkSystem, DisplayRuleFollowsTheUtcSetting) {
    CQuillmarkSystem system;
    EXPECT_FALSE(system.GetDisplayTimeZoneRule().IsUtc());
    system.SetIsDisplayUTC(1);
    EXPECT_TRUE(system.GetDisplayTimeZoneRule().IsUtc());
    // A value out of range is not taken as UTC before validation brings it to 0.
    system.SetIsDisplayUTC(5);
    EXPECT_FALSE(system.GetDisplayTimeZoneRule().IsUtc());
    system.Validate(false);
    EXPECT_EQ(system.GetIsDisplayUTC(), 0);
}

}  // namespace
