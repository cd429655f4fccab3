#include "dialogs/log_data_input_sheet.h"

#include <gtest/gtest.h>

#include <functional>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
using Next = CLogDataInputSheet::NextResult;
using Card = CLogDataInput_Card;

constexpr int kWarningStyle = message_box::kOk | message_box::kIconExclamation;

class LogDataInputSheet : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetIsDisplayUTC(1);
        sheet_.GetCallSignPage().SetCallSignType(CallSignFormat());
        sheet_.GetContestNumberPage().SetContestNumberType(NumberFormat());
    }

    // The operator works the wizard; the run's result is the sheet's, not the window's.
    void Operate(std::function<void(CLogDataInputSheet&)> work) {
        operator_.AnswerDialog(message_box::kIdCancel, [work](CDialogState& dialog, int) {
            work(dynamic_cast<CLogDataInputSheet&>(dialog));
        });
    }

    const CScriptedOperator::Message& OnlyWarning() const {
        EXPECT_EQ(operator_.Messages().size(), 1u) << operator_.Transcript();
        return operator_.Messages().back();
    }

    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CLogDataInputSheet sheet_{operator_, settings_, J("クイルマーク - ログデータの入力")};
};

TEST_F(LogDataInputSheet, PagesRunInBitOrderWhateverTheMask) {
    std::vector<int> bits;
    bool back_on_first = true;
    Operate([&](CLogDataInputSheet& sheet) {
        back_on_first = sheet.HasBackButton();
        for (const CLogDataInputPage* page : sheet.GetRunPages()) {
            bits.push_back(page->GetPageBit());
        }
    });
    EXPECT_EQ(sheet_.RunWizard(128 | 4 | 1 | 32), 2);
    EXPECT_EQ(bits, (std::vector<int>{1, 4, 32, 128}));
    EXPECT_FALSE(back_on_first);
    ASSERT_EQ(operator_.Dialogs().size(), 1u);
    EXPECT_EQ(operator_.Dialogs()[0].name, "CLogDataInputSheet");
    EXPECT_EQ(operator_.Dialogs()[0].mask, 128 | 4 | 1 | 32);
}

TEST_F(LogDataInputSheet, NextOnTheOnlyPageFinishesWithOne) {
    Operate([](CLogDataInputSheet& sheet) {
        sheet.GetCallSignPage().SetEditText("JA1ABC");
        EXPECT_EQ(sheet.Next(), Next::finished);
        // The finished wizard takes no more buttons.
        EXPECT_EQ(sheet.Next(), Next::not_running);
    });
    EXPECT_EQ(sheet_.RunWizard(2), 1);
    EXPECT_EQ(sheet_.GetCallSignPage().GetCallSign().GetText("/"), "JA1ABC");
    EXPECT_FALSE(sheet_.IsRunning());
}

TEST_F(LogDataInputSheet, CancelKeepsPagesLeftWithNextButNotTheCancelledPage) {
    sheet_.GetPointsPage().SetPoints(5);
    Operate([](CLogDataInputSheet& sheet) {
        sheet.GetCallSignPage().SetEditText("JA1ABC");
        ASSERT_EQ(sheet.Next(), Next::moved);
        EXPECT_TRUE(sheet.HasBackButton());
        sheet.GetContestNumberPage().SetSentEditText("599/100");
        sheet.GetContestNumberPage().SetReceivedEditText("599/13");
        ASSERT_EQ(sheet.Next(), Next::moved);
        sheet.GetPointsPage().SetEditValue(9);
        sheet.Cancel();
    });
    EXPECT_EQ(sheet_.RunWizard(2 | 4 | 8), 2);
    EXPECT_EQ(sheet_.GetCallSignPage().GetCallSign().GetText("/"), "JA1ABC");
    EXPECT_EQ(sheet_.GetContestNumberPage().GetReceivedContestNumber().GetText("/"), "599/13");
    EXPECT_EQ(sheet_.GetPointsPage().GetPoints(), 5);
}

TEST_F(LogDataInputSheet, BackDoesNotStoreAndThePageReopensWithItsValue) {
    CQuillmarkData_CallSignItem old = CallSign("JA1ABC", CallSignFormat());
    sheet_.GetCallSignPage().SetCallSign(old);
    Operate([](CLogDataInputSheet& sheet) {
        EXPECT_FALSE(sheet.Back());
        ASSERT_EQ(sheet.Next(), Next::moved);
        sheet.GetContestNumberPage().SetReceivedEditText("599/77");
        ASSERT_TRUE(sheet.Back());
        EXPECT_EQ(sheet.GetActivePage(), &sheet.GetCallSignPage());
        EXPECT_EQ(sheet.GetCallSignPage().GetEditText(), "JA1ABC");
        ASSERT_EQ(sheet.Next(), Next::moved);
        EXPECT_EQ(sheet.GetContestNumberPage().GetReceivedEditText(), "");
        sheet.Cancel();
    });
    EXPECT_EQ(sheet_.RunWizard(2 | 4), 2);
    EXPECT_FALSE(sheet_.GetContestNumberPage().GetReceivedContestNumber().IsValid());
}

TEST_F(LogDataInputSheet, CallSignThatBreaksTheFormatKeepsThePageWithAWarning) {
    Next result = Next::moved;
    int focus = 0;
    Operate([&](CLogDataInputSheet& sheet) {
        sheet.GetCallSignPage().SetEditText("JA");
        result = sheet.Next();
        focus = sheet.GetLastCheck().focus;
        EXPECT_EQ(sheet.GetActivePage(), &sheet.GetCallSignPage());
        sheet.Cancel();
    });
    EXPECT_EQ(sheet_.RunWizard(2 | 4), 2);
    EXPECT_EQ(result, Next::refused);
    EXPECT_EQ(focus, 1046);
    EXPECT_EQ(OnlyWarning().text, J("呼出符号の入力に誤りがあります。"));
    EXPECT_EQ(OnlyWarning().caption, J("クイルマーク - 警告"));
    EXPECT_EQ(OnlyWarning().style, kWarningStyle);
}

struct NumberCase {
    const char* sent;
    const char* received;
    const char* warning;
    int focus;
};

class ContestNumberCheck : public LogDataInputSheet,
                           public testing::WithParamInterface<NumberCase> {};

TEST_P(ContestNumberCheck, NamesTheNumberThatBreaksTheFormat) {
    const NumberCase& c = GetParam();
    int focus = 0;
    Operate([&](CLogDataInputSheet& sheet) {
        sheet.GetContestNumberPage().SetSentEditText(c.sent);
        sheet.GetContestNumberPage().SetReceivedEditText(c.received);
        EXPECT_EQ(sheet.Next(), Next::refused);
        focus = sheet.GetLastCheck().focus;
        sheet.Cancel();
    });
    sheet_.RunWizard(4);
    EXPECT_EQ(OnlyWarning().text, J(c.warning));
    EXPECT_EQ(focus, c.focus);
    // Neither number is stored while the page is refused.
    EXPECT_FALSE(sheet_.GetContestNumberPage().GetSentContestNumber().IsValid());
}

INSTANTIATE_TEST_SUITE_P(
    Warnings, ContestNumberCheck,
    testing::Values(
        NumberCase{"5", "599/13", "送信コンテストナンバーの入力に誤りがあります。", 1077},
        NumberCase{"", "599/13", "送信コンテストナンバーの入力に誤りがあります。", 1077},
        NumberCase{"599/100", "599/1234567", "受信コンテストナンバーの入力に誤りがあります。",
                   1080},
        NumberCase{"bad/", "bad/", "送信コンテストナンバーの入力に誤りがあります。", 1077}));

TEST_F(LogDataInputSheet, TypedTextIsReplacedAndUpperCasedAsTheOperatorTypes) {
    // Default pairs: a blank becomes "/", "=" or "+" becomes "59/".
    Operate([](CLogDataInputSheet& sheet) {
        sheet.GetCallSignPage().TypeText("ja1abc 1");
        EXPECT_EQ(sheet.GetCallSignPage().GetEditText(), "JA1ABC/1");
        ASSERT_EQ(sheet.Next(), Next::moved);
        sheet.GetContestNumberPage().TypeSentText("599");
        sheet.GetContestNumberPage().TypeSentText(" 100");
        sheet.GetContestNumberPage().TypeReceivedText("+13");
        EXPECT_EQ(sheet.GetContestNumberPage().GetSentEditText(), "599/100");
        EXPECT_EQ(sheet.Next(), Next::finished);
    });
    EXPECT_EQ(sheet_.RunWizard(2 | 4), 1);
    EXPECT_EQ(sheet_.GetCallSignPage().GetCallSign().GetText("/"), "JA1ABC/1");
    EXPECT_EQ(sheet_.GetContestNumberPage().GetReceivedContestNumber().GetText("/"), "59/13");
}

TEST_F(LogDataInputSheet, UpperCasingLeavesDoubleByteCharactersAlone) {
    // "ア" is 0x83 0x41 and "ボ" is 0x83 0x7B; "ｱ" (0xB1) and a trail byte 0x61 ("ヂ") too.
    const std::string typed =
        "\x83\x61"
        "a\xB1";
    Operate([&](CLogDataInputSheet& sheet) {
        sheet.GetCallSignPage().TypeText(typed);
        EXPECT_EQ(sheet.GetCallSignPage().GetEditText(),
                  "\x83\x61"
                  "A\xB1");
        sheet.Cancel();
    });
    sheet_.RunWizard(2);
}

TEST_F(LogDataInputSheet, PointsOutsideTheirRangeAreRefused) {
    EXPECT_TRUE(sheet_.GetPointsPage().SetPoints(30000));
    EXPECT_FALSE(sheet_.GetPointsPage().SetPoints(0));
    EXPECT_FALSE(sheet_.GetPointsPage().SetPoints(30001));
    EXPECT_EQ(sheet_.GetPointsPage().GetPoints(), 30000);

    int focus = 0;
    Operate([&](CLogDataInputSheet& sheet) {
        EXPECT_EQ(sheet.GetPointsPage().GetEditValue(), 30000);
        sheet.GetPointsPage().SetEditValue(0);
        EXPECT_EQ(sheet.Next(), Next::refused);
        focus = sheet.GetLastCheck().focus;
        sheet.GetPointsPage().SetEditValue(1);
        EXPECT_EQ(sheet.Next(), Next::finished);
    });
    EXPECT_EQ(sheet_.RunWizard(8), 1);
    EXPECT_EQ(OnlyWarning().text, J("1 から 30000 までの整数を入力してください。"));
    EXPECT_EQ(OnlyWarning().caption, J("クイルマーク"));
    EXPECT_EQ(focus, 1047);
    EXPECT_EQ(sheet_.GetPointsPage().GetPoints(), 1);
}

TEST_F(LogDataInputSheet, ModeListAndTheNoModeItem) {
    const auto& list = CLogDataInput_ElectricWaveType::GetModeList();
    ASSERT_EQ(list.size(), 21u);
    EXPECT_EQ(list[0], J("（指定しない）"));
    EXPECT_EQ(list[1], "CW");
    EXPECT_EQ(list[3], "AM(SSB)");
    EXPECT_EQ(list[20], "F9");

    CLogDataInput_ElectricWaveType& page = sheet_.GetElectricWaveTypePage();
    page.SetMode("");
    EXPECT_EQ(page.GetMode(), "");
    page.SetMode("FM");
    Operate([](CLogDataInputSheet& sheet) {
        CLogDataInput_ElectricWaveType& mode = sheet.GetElectricWaveTypePage();
        EXPECT_EQ(mode.GetSelectedText(), "FM");
        EXPECT_FALSE(mode.SelectText("SSTV"));
        EXPECT_TRUE(mode.SelectText(J("（指定しない）")));
        sheet.Next();
    });
    EXPECT_EQ(sheet_.RunWizard(16), 1);
    EXPECT_EQ(page.GetMode(), "");
}

TEST_F(LogDataInputSheet, ModeOutsideTheListSurvivesARun) {
    sheet_.GetElectricWaveTypePage().SetMode("PSK31");
    Operate([](CLogDataInputSheet& sheet) { sheet.Next(); });
    EXPECT_EQ(sheet_.RunWizard(16), 1);
    EXPECT_EQ(sheet_.GetElectricWaveTypePage().GetMode(), "PSK31");
}

TEST_F(LogDataInputSheet, CallingMethodRadioAndNeither) {
    CLogDataInput_CQ& page = sheet_.GetCQPage();
    EXPECT_EQ(page.GetCallingMethod(), 1);
    EXPECT_TRUE(page.SetCallingMethod(0));
    EXPECT_EQ(page.GetCallingMethod(), 0);
    EXPECT_FALSE(page.SetCallingMethod(2));
    EXPECT_EQ(page.GetCallingMethod(), 0);
    Operate([](CLogDataInputSheet& sheet) {
        EXPECT_EQ(sheet.GetCQPage().GetSelectedRadio(), 1);
        EXPECT_FALSE(sheet.GetCQPage().SelectRadio(2));
        EXPECT_TRUE(sheet.GetCQPage().SelectRadio(CLogDataInput_CQ::kNoRadio));
        sheet.Next();
    });
    EXPECT_EQ(sheet_.RunWizard(32), 1);
    EXPECT_EQ(page.GetCallingMethod(), 2);
}

TEST_F(LogDataInputSheet, CardBoxesFollowTheirModes) {
    CLogDataInput_Card& card = sheet_.GetCardPage();
    EXPECT_FALSE(card.SetMode(Card::kSent, 3));
    EXPECT_FALSE(card.SetValue(Card::kSent, 3));
    ASSERT_TRUE(card.SetMode(Card::kRequested, Card::kModeTwoState));
    ASSERT_TRUE(card.SetMode(Card::kSent, Card::kModeThreeState));
    ASSERT_TRUE(card.SetMode(Card::kReceived, Card::kModeHidden));
    for (Card::Box box : {Card::kRequested, Card::kSent, Card::kReceived}) {
        card.SetValue(box, Card::kIndeterminate);
    }
    Operate([](CLogDataInputSheet& sheet) {
        CLogDataInput_Card& page = sheet.GetCardPage();
        // A two-state box cannot show "unchanged": it opens cleared.
        EXPECT_EQ(page.GetBoxState(Card::kRequested), Card::kOff);
        EXPECT_EQ(page.GetBoxState(Card::kSent), Card::kIndeterminate);
        EXPECT_FALSE(page.CheckBox(Card::kRequested, Card::kIndeterminate));
        EXPECT_FALSE(page.CheckBox(Card::kReceived, Card::kOn));
        EXPECT_TRUE(page.CheckBox(Card::kRequested, Card::kOn));
        sheet.Next();
    });
    EXPECT_EQ(sheet_.RunWizard(64), 1);
    EXPECT_EQ(card.GetValue(Card::kRequested), Card::kOn);
    EXPECT_EQ(card.GetValue(Card::kSent), Card::kIndeterminate);
    EXPECT_EQ(card.GetValue(Card::kReceived), Card::kIndeterminate);
}

struct DateCase {
    std::array<int, 6> fields;
    int64_t expected;
};

class DatePageComposition : public LogDataInputSheet,
                            public testing::WithParamInterface<DateCase> {};

TEST_P(DatePageComposition, CarriesOverflowAsTheCalendarDoes) {
    const DateCase& c = GetParam();
    Operate([&](CLogDataInputSheet& sheet) {
        for (int i = 0; i < 6; ++i) {
            sheet.GetDatePage().SetField(static_cast<CLogDataInput_Date::Field>(i), c.fields[i]);
        }
        EXPECT_EQ(sheet.Next(), Next::finished);
    });
    EXPECT_EQ(sheet_.RunWizard(1), 1);
    EXPECT_EQ(sheet_.GetDatePage().GetDate(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DatePageComposition,
    testing::Values(DateCase{{2021, 4, 31, 10, 0, 0}, Utc(2021, 5, 1, 10, 0)},
                    DateCase{{2021, 2, 29, 0, 0, 0}, Utc(2021, 3, 1, 0, 0)},
                    DateCase{{2020, 2, 29, 0, 0, 0}, Utc(2020, 2, 29, 0, 0)},
                    DateCase{{2021, 12, 31, 23, 59, 59}, Utc(2021, 12, 31, 23, 59, 59)},
                    DateCase{{2037, 12, 31, 23, 59, 59}, Utc(2037, 12, 31, 23, 59, 59)},
                    DateCase{{1970, 1, 1, 0, 0, 0}, 0}));

struct DateRangeCase {
    int field;
    int value;
    const char* warning;
    int focus;
};

class DatePageRange : public LogDataInputSheet,
                      public testing::WithParamInterface<DateRangeCase> {};

TEST_P(DatePageRange, RefusesAFieldOutsideItsRange) {
    const DateRangeCase& c = GetParam();
    sheet_.GetDatePage().SetDate(Utc(2021, 6, 5, 9, 30));
    int focus = 0;
    Operate([&](CLogDataInputSheet& sheet) {
        sheet.GetDatePage().SetField(static_cast<CLogDataInput_Date::Field>(c.field), c.value);
        EXPECT_EQ(sheet.Next(), Next::refused);
        focus = sheet.GetLastCheck().focus;
        sheet.Cancel();
    });
    EXPECT_EQ(sheet_.RunWizard(1), 2);
    EXPECT_EQ(OnlyWarning().text, J(c.warning));
    EXPECT_EQ(focus, c.focus);
    EXPECT_EQ(sheet_.GetDatePage().GetDate(), Utc(2021, 6, 5, 9, 30));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DatePageRange,
    testing::Values(DateRangeCase{0, 1969, "1970 から 2037 までの整数を入力してください。", 1028},
                    DateRangeCase{0, 2038, "1970 から 2037 までの整数を入力してください。", 1028},
                    DateRangeCase{1, 13, "1 から 12 までの整数を入力してください。", 1031},
                    DateRangeCase{2, 0, "1 から 31 までの整数を入力してください。", 1034},
                    DateRangeCase{3, 24, "0 から 23 までの整数を入力してください。", 1037},
                    DateRangeCase{4, -1, "0 から 59 までの整数を入力してください。", 1040},
                    DateRangeCase{5, 60, "0 から 59 までの整数を入力してください。", 1043}));

TEST_F(LogDataInputSheet, DatePageOpensWithTheStoredTimeInItsFields) {
    sheet_.GetDatePage().SetDate(Utc(2021, 6, 5, 9, 30, 15));
    Operate([](CLogDataInputSheet& sheet) {
        const CLogDataInput_Date& date = sheet.GetDatePage();
        EXPECT_EQ(date.GetField(CLogDataInput_Date::kYear), 2021);
        EXPECT_EQ(date.GetField(CLogDataInput_Date::kMonth), 6);
        EXPECT_EQ(date.GetField(CLogDataInput_Date::kDay), 5);
        EXPECT_EQ(date.GetField(CLogDataInput_Date::kHour), 9);
        EXPECT_EQ(date.GetField(CLogDataInput_Date::kMinute), 30);
        EXPECT_EQ(date.GetField(CLogDataInput_Date::kSecond), 15);
        sheet.Cancel();
    });
    sheet_.RunWizard(1);
}

}  // namespace
