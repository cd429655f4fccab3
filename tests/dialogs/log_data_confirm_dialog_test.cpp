#include "dialogs/log_data_confirm_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

#include "dialog_golden.h"
#include "platform/time_zone_rule.h"

namespace {

using namespace dialog_test;

// Every field as the confirmation shows it (title, date line, call, numbers with the first
// delimiter, mode, comment, points, calling method, cards 1 2 4): empty, filled from an entry,
// after an invalid entry (refused, nothing changed), then with another date, mode and
// caption; the date line drops the leading zeros of year, month, day and hour only.
TEST(LogDataConfirmDialog, WhatItShowsOfAnEntry) {
    std::ostringstream seen;
    const auto show = [&seen](const char* what, const CLogDataConfirmDialog& d) {
        seen << what << ": " << U(d.GetWindowTitle()) << " | " << U(d.GetDateText()) << " | "
             << d.GetCallSign() << " | " << d.GetSentContestNumber() << " | "
             << d.GetReceivedContestNumber() << " | " << U(d.GetModeText()) << " | "
             << U(d.GetComment()) << " | " << d.GetPoints() << " | " << d.GetCallingMethod()
             << " | " << d.GetCardFlag(1) << d.GetCardFlag(2) << d.GetCardFlag(4) << "\n";
    };
    CLogDataConfirmDialog dialog;
    show("empty", dialog);
    auto entry =
        Entry(Contest(), Utc(2021, 6, 5, 9, 3, 7), "JA1ABC/2", "599/100", "579/13", 3, J("電信"));
    entry.SetCallingMethod(true);
    entry.SetCardFlag(1, true);
    entry.SetCardFlag(4, true);
    entry.SetComment(J("メモ"));
    ASSERT_TRUE(dialog.SetEntry(entry, ",/", CTimeZoneRule::Utc()));
    show("entry", dialog);
    EXPECT_FALSE(dialog.SetEntry(CQuillmarkData_LogDataItem(), "/", CTimeZoneRule::Utc()));
    show("invalid entry", dialog);
    dialog.SetDate(Utc(2000, 12, 31, 23, 59, 0), CTimeZoneRule::Utc());
    dialog.SetMode("SSB");
    dialog.SetCaption(J("ログデータ入力の確認"));
    show("changed", dialog);
    dialog.SetDate(Utc(2001, 1, 2, 0, 0, 9), CTimeZoneRule::Utc());
    show("early date", dialog);
    ExpectGolden("dialogs/log_data_confirm", seen.str());
}

TEST(LogDataConfirmDialog, IconCallingMethodAndCardBitsRefuseOtherValues) {
    CLogDataConfirmDialog dialog;
    for (int icon : {16, 32, 48, 64}) {
        EXPECT_TRUE(dialog.SetIcon(icon)) << icon;
        EXPECT_EQ(dialog.GetIcon(), icon);
    }
    for (int icon : {0, 1, 33, 80, 128, -16}) {
        EXPECT_FALSE(dialog.SetIcon(icon)) << icon;
        EXPECT_EQ(dialog.GetIcon(), 64);
    }
    EXPECT_TRUE(dialog.SetCallingMethod(0));
    EXPECT_FALSE(dialog.SetCallingMethod(2));
    EXPECT_FALSE(dialog.SetCallingMethod(-1));
    EXPECT_EQ(dialog.GetCallingMethod(), 0);
    for (int bit : {0, 3, 8, 6}) {
        EXPECT_FALSE(dialog.SetCardFlag(bit, true)) << bit;
    }
    EXPECT_FALSE(dialog.GetCardFlag(1) || dialog.GetCardFlag(2) || dialog.GetCardFlag(4));
}

}  // namespace
