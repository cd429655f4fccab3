#include "dialogs/log_data_confirm_dialog.h"

#include <gtest/gtest.h>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"
#include "platform/time_zone_rule.h"

namespace {

using namespace doc_test;

TEST(LogDataConfirmDialog, EntryFillsEveryFieldWithTextsAndTheDateLine) {
    const auto contest = Contest();
    auto entry =
        Entry(contest, Utc(2021, 6, 5, 9, 3, 7), "JA1ABC/2", "599/100", "579/13", 3, J("電信"));
    entry.SetCallingMethod(true);
    entry.SetCardFlag(1, true);
    entry.SetCardFlag(4, true);
    entry.SetComment(J("メモ"));
    CLogDataConfirmDialog dialog;
    ASSERT_TRUE(dialog.SetEntry(entry, ",/", CTimeZoneRule::Utc()));
    EXPECT_EQ(dialog.GetDateText(), J("2021 年  6 月 5 日   9 時 03 分 07 秒"));
    EXPECT_EQ(dialog.GetCallSign(), "JA1ABC,2");
    EXPECT_EQ(dialog.GetSentContestNumber(), "599,100");
    EXPECT_EQ(dialog.GetReceivedContestNumber(), "579,13");
    EXPECT_EQ(dialog.GetPoints(), 3);
    EXPECT_EQ(dialog.GetModeText(), J("電信"));
    EXPECT_EQ(dialog.GetCallingMethod(), 1);
    EXPECT_TRUE(dialog.GetCardFlag(1));
    EXPECT_FALSE(dialog.GetCardFlag(2));
    EXPECT_TRUE(dialog.GetCardFlag(4));
    EXPECT_EQ(dialog.GetComment(), J("メモ"));
}

TEST(LogDataConfirmDialog, DateLineDropsLeadingZerosOfYearMonthDayAndHourOnly) {
    CLogDataConfirmDialog dialog;
    dialog.SetDate(Utc(2000, 12, 31, 23, 59, 0), CTimeZoneRule::Utc());
    EXPECT_EQ(dialog.GetDateText(), J("2000 年  12 月 31 日   23 時 59 分 00 秒"));
    dialog.SetDate(Utc(2001, 1, 2, 0, 0, 9), CTimeZoneRule::Utc());
    EXPECT_EQ(dialog.GetDateText(), J("2001 年  1 月 2 日   0 時 00 分 09 秒"));
}

TEST(LogDataConfirmDialog, EmptyModeIsShownAsNotGiven) {
    CLogDataConfirmDialog dialog;
    EXPECT_EQ(dialog.GetModeText(), J("（指定されていません。）"));
    EXPECT_EQ(dialog.GetMode(), "");
    dialog.SetMode("SSB");
    EXPECT_EQ(dialog.GetModeText(), "SSB");
}

TEST(LogDataConfirmDialog, WindowTitleNamesTheProgramAndTheCaption) {
    CLogDataConfirmDialog dialog;
    EXPECT_EQ(dialog.GetWindowTitle(), J("クイルマーク"));
    dialog.SetCaption(J("ログデータ入力の確認"));
    EXPECT_EQ(dialog.GetWindowTitle(), J("クイルマーク - ログデータ入力の確認"));
}

TEST(LogDataConfirmDialog, AcceptsOnlyTheFourMessageBoxIcons) {
    CLogDataConfirmDialog dialog;
    for (int icon : {16, 32, 48, 64}) {
        EXPECT_TRUE(dialog.SetIcon(icon)) << icon;
        EXPECT_EQ(dialog.GetIcon(), icon);
    }
    for (int icon : {0, 1, 33, 80, 128, -16}) {
        EXPECT_FALSE(dialog.SetIcon(icon)) << icon;
        EXPECT_EQ(dialog.GetIcon(), 64);
    }
}

TEST(LogDataConfirmDialog, InvalidEntryIsRefusedAndChangesNothing) {
    CLogDataConfirmDialog dialog;
    dialog.SetCallSign("JA1XYZ");
    dialog.SetPoints(7);
    EXPECT_FALSE(dialog.SetEntry(CQuillmarkData_LogDataItem(), "/", CTimeZoneRule::Utc()));
    EXPECT_EQ(dialog.GetCallSign(), "JA1XYZ");
    EXPECT_EQ(dialog.GetPoints(), 7);
    EXPECT_EQ(dialog.GetDateText(), "");
}

TEST(LogDataConfirmDialog, CallingMethodAndCardBitsRefuseOtherValues) {
    CLogDataConfirmDialog dialog;
    EXPECT_TRUE(dialog.SetCallingMethod(1));
    EXPECT_FALSE(dialog.SetCallingMethod(2));
    EXPECT_FALSE(dialog.SetCallingMethod(-1));
    EXPECT_EQ(dialog.GetCallingMethod(), 1);
    EXPECT_TRUE(dialog.SetCallingMethod(0));
    EXPECT_EQ(dialog.GetCallingMethod(), 0);
    for (int bit : {0, 3, 8, 6}) {
        EXPECT_FALSE(dialog.SetCardFlag(bit, true)) << bit;
    }
    EXPECT_FALSE(dialog.GetCardFlag(1) || dialog.GetCardFlag(2) || dialog.GetCardFlag(4));
    EXPECT_TRUE(dialog.SetCardFlag(2, true));
    EXPECT_TRUE(dialog.GetCardFlag(2));
    EXPECT_TRUE(dialog.SetCardFlag(2, false));
    EXPECT_FALSE(dialog.GetCardFlag(2));
}
}  // namespace
