#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "doc_session.h"

namespace {

using namespace doc_test;

const int64_t kEarlier = Utc(2021, 6, 5, 9, 30);
constexpr int kManualQuestion =
    message_box::kYesNo | message_box::kIconQuestion | message_box::kDefaultButton2;
const char* const kCaption = "クイルマーク - ログデータの入力";
const char* const kEnded = "ログデータの入力を終了しました。";

// An input run on 7 MHz (active) and 14 MHz, both sending "599/100".
class InputLogData : public DocSession {
protected:
    void SetUp() override { SetUpContest({7, 14}); }
    CQuillmarkData_SubMainData& Band7() { return BandAt(0); }
};

TEST_F(InputLogData, WithoutContestNothingHappensWithoutActiveBandItAsksForOne) {
    doc_.GetContest() = CQuillmarkData_MainData();
    EXPECT_EQ(doc_.InputLogData(false), 0);
    EXPECT_TRUE(operator_.Events().empty());
    doc_.GetContest() = Contest();
    doc_.GetContest().AddBand(Band(7, 6));
    EXPECT_EQ(doc_.InputLogData(false), 0);
    EXPECT_EQ(Messages(), (std::vector<Shown>{{"入力を行いたい周波数帯をアクティブにしてください。",
                                               kCaption, kWarning}}));
    EXPECT_TRUE(operator_.Dialogs().empty());
}

TEST_F(InputLogData, CancelOnTheFirstCallSignPageLeavesTheDocumentUnmodified) {
    Cp932 guidance;
    AnswerCancel([&](Sheet& sheet) {
        guidance = sheet.GetCallSignPage().GetGuidance();
        sheet.GetCallSignPage().SetEditText("JA1ABC");
    });
    EXPECT_EQ(doc_.InputLogData(false), 1);
    EXPECT_EQ(U(guidance),
              "新規のログデータを入力します。\n相手局の呼出符号を入力してください．．．");
    EXPECT_EQ(Dialogs(), Texts{"CLogDataInputSheet:2"});
    EXPECT_EQ(Statuses(), Texts{kEnded});
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
    EXPECT_EQ(Band7().GetEntryCount(), 0);
}

TEST_F(InputLogData, FirstContactIsConfirmedStampedAnnouncedAndAppended) {
    Texts shown;
    AnswerCallSign("JA1ABC");
    AnswerDetails("599/13", {{kNumberPage, [&](Sheet& sheet) {
                                  const auto& page = sheet.GetContestNumberPage();
                                  shown = {U(page.GetGuidance()), U(page.GetSentEditText()),
                                           U(page.GetReceivedEditText())};
                              }}});
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    const int64_t before = CQuillmarkSystem::GetCurrentTime();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    const int64_t after = CQuillmarkSystem::GetCurrentTime();
    ExpectAllScripted();

    EXPECT_EQ(Dialogs(), (Texts{"CLogDataInputSheet:2", "CLogDataInputSheet:4",
                                "CLogDataConfirmDialog:0", "CLogDataInputSheet:2"}));
    EXPECT_EQ(shown, (Texts{"【 JA1ABC 】\nこの局はＦｉｒｓｔです。コンテストナンバーを入力して"
                            "ください．．．",
                            "599/100", ""}));
    const CLogDataConfirmDialog& confirmation = confirmations_.at(0);
    EXPECT_EQ(U(confirmation.GetCaption()), "ログデータ入力の確認");
    EXPECT_EQ(U(confirmation.GetMessage()), "以上のように、ログへ追加します。よろしいですか？");
    EXPECT_EQ(confirmation.GetIcon(), CLogDataConfirmDialog::kIconQuestion);
    EXPECT_EQ(confirmation.GetShowFlags(), 0) << "no date, no cards sent or received";
    EXPECT_EQ(Row(confirmation), "JA1ABC|599/100|599/13|1|CW|1|1|");

    EXPECT_EQ(Messages(), (std::vector<Shown>{{"【 13 】\n\nこのマルチは初回です。",
                                               "クイルマーク - お知らせ", kNotice}}));
    EXPECT_EQ(Statuses(), (Texts{"【 JA1ABC 】 ログデータの入力を完了しました。", kEnded}));
    EXPECT_EQ(views_.hints, std::vector<int>{-2});
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(Calls(0), Texts{"JA1ABC*"});
    EXPECT_EQ(Row(*Band7().GetEntryAt(0)), "JA1ABC|599/100|599/13|1|CW|1|1|");
    EXPECT_GE(Band7().GetEntryAt(0)->GetTime(), before);
    EXPECT_LE(Band7().GetEntryAt(0)->GetTime(), after);
    EXPECT_EQ(BandAt(1).GetEntryCount(), 0);
}

TEST_F(InputLogData, EveryDetailPageAskedForWhenTheSettingsSaySo) {
    settings_.SetIsInputPointsEveryTime(1);
    settings_.SetIsInputElectricWaveTypeEveryTime(1);
    settings_.SetIsInputCQEveryTime(1);
    settings_.SetIsInputCardDataEveryTime(1);
    settings_.SetIsInputCommentsEveryTime(1);
    bool card_offers_only_the_request = false;
    AnswerCallSign("JA1ABC");
    AnswerDetails(
        "599/13",
        {{kPointsPage, [](Sheet& sheet) { sheet.GetPointsPage().SetEditValue(5); }},
         {kModePage, [](Sheet& sheet) { sheet.GetElectricWaveTypePage().SelectText("FM"); }},
         {kCQPage, [](Sheet& sheet) { sheet.GetCQPage().SelectRadio(1); }},
         {kCardPage,
          [&](Sheet& sheet) {
              CLogDataInput_Card& card = sheet.GetCardPage();
              card_offers_only_the_request = card.GetMode(CLogDataInput_Card::kRequested) == 2 &&
                                             card.GetMode(CLogDataInput_Card::kSent) == 1 &&
                                             card.GetMode(CLogDataInput_Card::kReceived) == 1 &&
                                             card.GetBoxState(CLogDataInput_Card::kRequested) == 1;
              card.CheckBox(CLogDataInput_Card::kRequested, 0);
          }},
         {kCommentsPage, [](Sheet& sheet) { sheet.GetCommentsPage().SetEditText("memo"); }}});
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();
    EXPECT_EQ(operator_.Dialogs()[1].mask, 4 | 8 | 16 | 32 | 64 | 128);
    EXPECT_TRUE(card_offers_only_the_request);
    EXPECT_EQ(Row(*Band7().GetEntryAt(0)), "JA1ABC|599/100|599/13|5|FM|0|0|memo");
    // The band's defaults follow, announced before the entry.
    EXPECT_EQ(Band7().GetMode(), "FM");
    EXPECT_EQ(Band7().GetCallingMethod(), 0);
    EXPECT_EQ(views_.hints, (std::vector<int>{-3, -2}));
}

TEST_F(InputLogData, WithoutSwitchesTheValuesComeFromTheSettingsAndTheBand) {
    settings_.SetDefaultPoints(7);
    settings_.SetDefaultSettingOfCardDemand(0);
    Band7().SetMode("SSB");
    Band7().SetCallingMethod(false);
    LogContact("JA1ABC", "599/13", true);
    AnswerCancel();
    doc_.InputLogData(false);
    EXPECT_EQ(Row(*Band7().GetEntryAt(0)), "JA1ABC|599/100|599/13|7|SSB|0|0|");
    EXPECT_EQ(views_.hints, std::vector<int>{-2});
}

TEST_F(InputLogData, AfterAContactTheCallSignIsEmptyButTheSentNumberCarriesOver) {
    settings_.SetIsInputCommentsEveryTime(1);
    AnswerCallSign("JA1ABC");
    AnswerDetails(
        "599/13",
        {{kNumberPage,
          [](Sheet& sheet) { sheet.GetContestNumberPage().SetSentEditText("599/200"); }},
         {kCommentsPage, [](Sheet& sheet) { sheet.GetCommentsPage().SetEditText("1"); }}});
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    Texts shown;
    AnswerCallSign(
        "JA2XYZ", [&](Sheet& sheet) { shown.push_back(U(sheet.GetCallSignPage().GetEditText())); });
    AnswerDetails("599/14",
                  {{kNumberPage,
                    [&](Sheet& sheet) {
                        shown.push_back(U(sheet.GetContestNumberPage().GetSentEditText()));
                        shown.push_back(U(sheet.GetContestNumberPage().GetReceivedEditText()));
                    }},
                   {kCommentsPage, [&](Sheet& sheet) {
                        shown.push_back(U(sheet.GetCommentsPage().GetEditText()));
                    }}});
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();

    EXPECT_EQ(shown, (Texts{"", "599/200", "", ""}));
    EXPECT_EQ(Band7().GetSentContestNumber().GetText("/"), "599/200");
    EXPECT_EQ(Row(*Band7().GetEntryAt(1)), "JA2XYZ|599/200|599/14|1|CW|1|1|");
    EXPECT_EQ(BandAt(1).GetSentContestNumber().GetText("/"), "599/100");
    EXPECT_EQ(views_.hints, (std::vector<int>{-3, -2, -2}));
}

TEST_F(InputLogData, SecondShowsTheFirstEarlierContactAndGoesBackToAnEmptyCallSign) {
    Add(0, kEarlier, "JA1ABC", "599/13", false, 2);
    Add(0, kEarlier + 600, "JA1ABC/1", "599/14");
    Cp932 call_sign_after;
    AnswerCallSign("JA1ABC/2");
    AnswerConfirmation();
    AnswerCancel([&](Sheet& sheet) { call_sign_after = sheet.GetCallSignPage().GetEditText(); });
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();

    EXPECT_EQ(Dialogs(),
              (Texts{"CLogDataInputSheet:2", "CLogDataConfirmDialog:0", "CLogDataInputSheet:2"}));
    const CLogDataConfirmDialog& warning = confirmations_.at(0);
    EXPECT_EQ(U(warning.GetCaption()), "呼出符号の重複 (Second) の警告");
    EXPECT_EQ(U(warning.GetMessage()),
              "【 JA1ABC/2 】\n\nこの呼出符号は重複します。\nすでに、以上のように交信済みです。"
              "\n\n＜＜ どれかボタンを押すと、呼出符号の入力に戻ります．．． ＞＞");
    EXPECT_EQ(warning.GetIcon(), CLogDataConfirmDialog::kIconExclamation);
    EXPECT_EQ(warning.GetShowFlags(), CLogDataConfirmDialog::kShowDate |
                                          CLogDataConfirmDialog::kShowCardSent |
                                          CLogDataConfirmDialog::kShowCardReceived);
    EXPECT_EQ(U(warning.GetCallSign()), "JA1ABC");
    EXPECT_EQ(U(warning.GetDateText()), "2021 年  6 月 5 日   9 時 30 分 00 秒");
    EXPECT_EQ(Statuses(),
              (Texts{"【 Second 】 2021 6/5 - 9:30:00 ◆ JA1ABC ◆ 599/100 ◆ 599/13 ◆ 2", kEnded}));
    EXPECT_EQ(call_sign_after, "");
    EXPECT_EQ(Band7().GetEntryCount(), 2);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(views_.hints.empty());
}

TEST_F(InputLogData, OwnCallSignIsRefusedEvenOnAnEmptyBand) {
    Cp932 call_sign_after = "?";
    AnswerCallSign("JA1ZZZ/2");
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel([&](Sheet& sheet) { call_sign_after = sheet.GetCallSignPage().GetEditText(); });
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();
    EXPECT_EQ(Dialogs(), (Texts{"CLogDataInputSheet:2", "CLogDataInputSheet:2"}));
    EXPECT_EQ(Messages(), (std::vector<Shown>{{"【 JA1ZZZ/2 】\n\nこれは、自局の呼出符号です。",
                                               "クイルマーク - 誤入力の警告", kWarning}}));
    EXPECT_EQ(Statuses().at(0), "【 警告 】 JA1ZZZ は、自局の呼出符号です。");
    EXPECT_EQ(call_sign_after, "");
    EXPECT_EQ(Band7().GetEntryCount(), 0);
}

TEST_F(InputLogData, FirstNoticeOnlyForAMultiplierNewOnThisBandAndNamesItsCity) {
    // The city is the record of exactly the multiplier, not one that starts with it.
    for (const char* line : {"1401:横浜市:よこはまし", "14:神奈川県:かながわけん"}) {
        CCityCodeData_CityCodeDataItem city;
        ASSERT_TRUE(city.SetFromLine(J(line)));
        city_database_.AddItem(city);
    }
    city_codes_.Register(&city_database_);
    Add(0, kEarlier, "JA1AAA", "599/13");
    Add(1, kEarlier, "JA1AAA", "599/14");
    LogContact("JA1ABC", "579/13", false);
    LogContact("JA2ABC", "599/14", true);
    AnswerCancel();
    doc_.InputLogData(false);
    ExpectAllScripted();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "【 14 】\n神奈川県     [ かながわけん ]\n\nこのマルチは初回です。");
    EXPECT_EQ(Calls(0), (Texts{"JA1AAA", "JA1ABC", "JA2ABC*"}));
}

TEST_F(InputLogData, CancelOnTheConfirmationKeepsEveryValue) {
    settings_.SetIsInputPointsEveryTime(1);
    AnswerCallSign("JA1ABC");
    AnswerDetails("599/13",
                  {{kNumberPage,
                    [](Sheet& sheet) { sheet.GetContestNumberPage().SetSentEditText("599/300"); }},
                   {kPointsPage, [](Sheet& sheet) { sheet.GetPointsPage().SetEditValue(9); }}});
    Cp932 band_sent_while_confirming;
    operator_.AnswerDialog(message_box::kIdCancel, [&](CDialogState&, int) {
        band_sent_while_confirming = Band7().GetSentContestNumber().GetText("/");
    });
    Texts shown;
    AnswerCallSign(
        "JA1ABC", [&](Sheet& sheet) { shown.push_back(U(sheet.GetCallSignPage().GetEditText())); });
    AnswerDetails("599/13",
                  {{kNumberPage,
                    [&](Sheet& sheet) {
                        shown.push_back(U(sheet.GetContestNumberPage().GetSentEditText()));
                        shown.push_back(U(sheet.GetContestNumberPage().GetReceivedEditText()));
                    }},
                   {kPointsPage, [&](Sheet& sheet) {
                        shown.push_back(std::to_string(sheet.GetPointsPage().GetEditValue()));
                    }}});
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectAllScripted();
    EXPECT_EQ(band_sent_while_confirming, "599/300");
    EXPECT_EQ(Statuses().at(0), "ログデータの入力を中止しました。");
    EXPECT_EQ(shown, (Texts{"JA1ABC", "599/300", "599/13", "9"}));
    // The band's defaults moved before the confirmation, once.
    EXPECT_EQ(views_.hints, (std::vector<int>{-3, -2}));
    EXPECT_EQ(Row(*Band7().GetEntryAt(0)), "JA1ABC|599/300|599/13|9|CW|1|1|");
}

const char* const kManualStart =
    "これより、手動入力モードを開始します。"
    "\n\n手動入力モードでは、通常のログ入力に加えて、交信日時の入力も行います。"
    "\n手動入力モードでは、自動保存機能が使えません。"
    "日時を基準としたログデータの並べ替えや、First "
    "の整合などは、入力の終了時に一括して行われます。よって、入力中は、マルチ数など、いくつか"
    "の項目において、正しい値の表示されない場合があります。"
    "\n\n手動入力モードを開始しますか？";
const char* const kManualEnd =
    "手動入力モードを終了すると、この後に、いろいろな作業が自動的に行われます。作業完了までには"
    "多少時間がかかります。\n\n手動入力モードを終了してよろしいですか？";

// The date page set to a UTC moment on 5 June 2021, and what it showed before.
PageWork AtTime(int hour, int minute, std::array<int, 6>* shown) {
    return {{kDatePage, [=](Sheet& sheet) {
                 const int fields[] = {2021, 6, 5, hour, minute, 0};
                 for (int i = 0; i < 6; ++i) {
                     const auto field = static_cast<CLogDataInput_Date::Field>(i);
                     (*shown)[i] = sheet.GetDatePage().GetField(field);
                     sheet.GetDatePage().SetField(field, fields[i]);
                 }
             }}};
}

TEST_F(InputLogData, ManualModeNeverAnnouncesFirstAndFixesTheFlagsAtTheEnd) {
    settings_.SetIsAutomaticSavingEnabled(1);
    operator_.AnswerMessage(message_box::kIdYes);
    std::array<int, 6> first_date{};
    std::array<int, 6> second_date{};
    Cp932 guidance;
    AnswerCallSign("JA1ABC");
    PageWork first_work = AtTime(10, 0, &first_date);
    first_work[kNumberPage] = [&](Sheet& sheet) {
        guidance = sheet.GetContestNumberPage().GetGuidance();
    };
    AnswerDetails("599/13", first_work);
    AnswerConfirmation();
    AnswerCallSign("JA2ABC");
    AnswerDetails("599/13", AtTime(9, 0, &second_date));
    AnswerConfirmation();
    // The first end is declined and the run goes on; the second is taken.
    AnswerCancel();
    operator_.AnswerMessage(message_box::kIdNo);
    Texts before_the_end;
    AnswerCancel([&](Sheet&) { before_the_end = Calls(0); });
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.InputLogData(true), 1);
    ExpectAllScripted();

    EXPECT_EQ(operator_.Dialogs()[1].mask, 1 | 4);
    EXPECT_EQ(first_date, (std::array<int, 6>{2021, 6, 5, 0, 0, 0}));
    EXPECT_EQ(second_date, (std::array<int, 6>{2021, 6, 5, 10, 0, 0}));
    EXPECT_EQ(U(guidance), "【 JA1ABC 】\nコンテストナンバーを入力してください．．．");
    EXPECT_TRUE(confirmations_.at(0).IsShowSet(CLogDataConfirmDialog::kShowDate));
    EXPECT_EQ(U(confirmations_[0].GetDateText()), "2021 年  6 月 5 日   10 時 00 分 00 秒");
    EXPECT_EQ(Messages(),
              (std::vector<Shown>{{kManualStart, "クイルマーク - 手動入力モード", kManualQuestion},
                                  {kManualEnd, "クイルマーク - 手動入力モード", kManualQuestion},
                                  {kManualEnd, "クイルマーク - 手動入力モード", kManualQuestion}}));
    EXPECT_EQ(before_the_end, (Texts{"JA1ABC", "JA2ABC"}));
    EXPECT_EQ(Statuses(), (Texts{"【 JA1ABC 】 ログデータの入力を完了しました。",
                                 "【 JA2ABC 】 ログデータの入力を完了しました。",
                                 "ログデータの整合を行っています。しばらくお待ちください．．．",
                                 "手動入力モードでの全作業を完了しました。"}));
    EXPECT_EQ(views_.hints, (std::vector<int>{-2, -2, -1}));
    // Sorted by time, and the earlier contact holds the First.
    EXPECT_EQ(Calls(0), (Texts{"JA2ABC*", "JA1ABC"}));
    EXPECT_EQ(Band7().GetEntryAt(0)->GetTime(), Utc(2021, 6, 5, 9, 0));
    // No automatic saving in manual mode.
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Tmp_1.qmk"));
}

TEST_F(InputLogData, ManualModeDatePageGuidanceAndTheDateCheck) {
    operator_.AnswerMessage(message_box::kIdYes);
    AnswerCallSign("JA1ABC");
    Cp932 guidance;
    AnswerCancel([&](Sheet& sheet) {
        guidance = sheet.GetDatePage().GetGuidance();
        sheet.GetDatePage().SetField(CLogDataInput_Date::kMonth, 13);
        EXPECT_EQ(sheet.Next(), Sheet::NextResult::refused);
    });
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.InputLogData(true), 1);
    ExpectAllScripted();
    EXPECT_EQ(U(guidance),
              "【 JA1ABC 】\nこの局はＦｉｒｓｔです。交信日時を入力してください．．．");
    EXPECT_EQ(Messages().at(1).text, "1 から 12 までの整数を入力してください。");
    EXPECT_EQ(Band7().GetEntryCount(), 0);
}

TEST_F(InputLogData, ManualModeDeclinedDoesNotStart) {
    operator_.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(doc_.InputLogData(true), 0);
    ExpectAllScripted();
    EXPECT_EQ(
        Messages(),
        (std::vector<Shown>{{kManualStart, "クイルマーク - 手動入力モード", kManualQuestion}}));
    EXPECT_EQ(Statuses(), Texts{"手動入力モードでの入力を中止しました。"});
    EXPECT_TRUE(operator_.Dialogs().empty());
}

}  // namespace
