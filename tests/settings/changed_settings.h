#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/cp932_convert.h"
#include "settings/memory_settings_store.h"
#include "settings/quillmark_system.h"

// Settings changed from their defaults and the comparison of two saves, for the round trips
// through memory and through a real INI file.
namespace settings_test {

// The values differ from the defaults, so a key that is not read back shows in a round trip;
// the texts hold what a file must keep: CP932 of both widths, line breaks, quotes, ";", "%".
inline CQuillmarkSystem ChangedSettings() {
    CQuillmarkSystem settings;
    settings.SetnElapse(7);
    settings.SetMainWindowState(3);
    settings.SetMainWindowRect({-8, -8, 1288, 1008});
    settings.SetIsDisplayingDateEnabled(0);
    settings.SetDateDisplayString("%H:%M");
    settings.SetIsDisplayUTC(1);
    settings.SetIsAutomaticSavingEnabled(0);
    settings.SetPunctuationMarks(Utf8ToCp932("／,."));
    settings.SetIsReplacingInputTextEnabled(0);
    settings.RemoveAllReplacementPairs();
    EXPECT_TRUE(settings.AddReplacementPair(Utf8ToCp932("　 "), Utf8ToCp932("／")));
    EXPECT_TRUE(settings.AddReplacementPair("=+", "59/"));
    EXPECT_TRUE(settings.AddReplacementPair("#", ""));
    settings.SetIsInputPointsEveryTime(0);
    settings.SetDefaultPoints(30000);
    settings.SetIsInputCardDataEveryTime(0);
    settings.SetDefaultSettingOfCardDemand(0);
    settings.SetIsInputElectricWaveTypeEveryTime(1);
    settings.SetIsInputCQEveryTime(1);
    settings.SetIsInputCommentsEveryTime(0);
    settings.SetUnderDecimalPoint(0);
    settings.SetDefaultPrintType(2);
    settings.SetIsPrintDialogBypassed(0);
    settings.SetAddress(Utf8ToCp932("東京都千代田区丸の内１－１"));
    settings.SetName(Utf8ToCp932("ｸｲﾙﾏｰｸ無線クラブ"));
    settings.SetPower("@100W");
    settings.SetRemarks(Utf8ToCp932("１行目\r\n2行目, \"引用\" ; 100%"));
    settings.SetIsUseStationParameter(1);
    settings.SetStationParameter(100);
    return settings;
}

// "section/key=value" of each key a save into store writes, in order, texts as UTF-8: settings
// that save the same text hold the same values.
inline std::string SavedText(const CQuillmarkSystem& settings, CMemorySettingsStore& store) {
    store.ClearLogs();
    EXPECT_TRUE(settings.Save(store));
    std::string text;
    for (const std::string& name : store.GetWriteLog()) {
        const size_t slash = name.find('/');
        const auto value = store.GetRaw(name.substr(0, slash), name.substr(slash + 1));
        text += name + "=" + Cp932ToUtf8(value.value_or("(removed)")) + "\n";
    }
    return text;
}

inline std::string SavedText(const CQuillmarkSystem& settings) {
    CMemorySettingsStore store;
    return SavedText(settings, store);
}

}  // namespace settings_test
