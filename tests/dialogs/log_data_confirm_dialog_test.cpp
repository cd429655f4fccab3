#include "dialogs/log_data_confirm_dialog.h"

#include <gtest/gtest.h>

#include "../document/document_test_util.h"
#include "platform/time_zone_rule.h"

namespace {

using namespace doc_test;

TEST(LogDataConfirmDialog, EntryFillsEveryFieldWithTextsAndTheDateLine) {
    auto entry =
        Entry(Contest(), Utc(2021, 6, 5, 9, 3, 7), "JA1ABC/2", "599/100", "579/13", 3, J("電信"));
    entry.SetCallingMethod(true);
    entry.SetCardFlag(1, true);
    entry.SetCardFlag(4, true);
    entry.SetComment(J("メモ"));
    CLogDataConfirmDialog dialog;
    ASSERT_TRUE(dialog.SetEntry(entry, ",/", CTimeZoneRule::Utc()));
    EXPECT_EQ(
        (Texts{U(dialog.GetDateText()), dialog.GetCallSign(), dialog.GetSentContestNumber(),
               dialog.GetReceivedContestNumber(), U(dialog.GetModeText()), U(dialog.GetComment())}),
        (Texts{"2021 年  6 月 5 日   9 時 03 分 07 秒", "JA1ABC,2", "599,100", "579,13", "電信",
               "メモ"}));
    EXPECT_EQ(dialog.GetPoints(), 3);
    EXPECT_EQ(dialog.GetCallingMethod(), 1);
    EXPECT_TRUE(dialog.GetCardFlag(1) && !dialog.GetCardFlag(2) && dialog.GetCardFlag(4));

    // An invalid entry is refused and changes nothing.
    EXPECT_FALSE(dialog.SetEntry(CQuillmarkData_LogDataItem(), "/", CTimeZoneRule::Utc()));
    EXPECT_EQ(dialog.GetCallSign(), "JA1ABC,2");
    EXPECT_EQ(dialog.GetPoints(), 3);
}

TEST(LogDataConfirmDialog, DateLineDropsLeadingZerosOfYearMonthDayAndHourOnly) {
    CLogDataConfirmDialog dialog;
    EXPECT_EQ(dialog.GetDateText(), "");
    dialog.SetDate(Utc(2000, 12, 31, 23, 59, 0), CTimeZoneRule::Utc());
    EXPECT_EQ(U(dialog.GetDateText()), "2000 年  12 月 31 日   23 時 59 分 00 秒");
    dialog.SetDate(Utc(2001, 1, 2, 0, 0, 9), CTimeZoneRule::Utc());
    EXPECT_EQ(U(dialog.GetDateText()), "2001 年  1 月 2 日   0 時 00 分 09 秒");
}

TEST(LogDataConfirmDialog, TitleAndAnEmptyModeAreShownAsTexts) {
    CLogDataConfirmDialog dialog;
    EXPECT_EQ(U(dialog.GetModeText()), "（指定されていません。）");
    EXPECT_EQ(dialog.GetMode(), "");
    dialog.SetMode("SSB");
    EXPECT_EQ(dialog.GetModeText(), "SSB");
    EXPECT_EQ(U(dialog.GetWindowTitle()), "クイルマーク");
    dialog.SetCaption(J("ログデータ入力の確認"));
    EXPECT_EQ(U(dialog.GetWindowTitle()), "クイルマーク - ログデータ入力の確認");
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
