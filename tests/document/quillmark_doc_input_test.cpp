#include <gtest/gtest.h>

#include <filesystem>

#include "doc_session.h"

namespace {

using namespace doc_test;

const int64_t kEarlier = Utc(2021, 6, 5, 9, 30);

// An input run on 7 MHz (active) and 14 MHz, both sending "599/100".
class InputLogData : public DocSession {
protected:
    void SetUp() override { SetUpContest({7, 14}); }
    CQuillmarkData_SubMainData& Band7() { return BandAt(0); }
};

TEST_F(InputLogData, WithoutActiveBandItAsksForOne) {
    doc_.GetContest() = Contest();
    doc_.GetContest().AddBand(Band(7, 6));
    EXPECT_EQ(doc_.InputLogData(false), 0);
    ExpectSeen("input_refused_without_an_active_band");
}

TEST_F(InputLogData, CancelOnTheFirstCallSignPageLeavesTheDocumentUnmodified) {
    AnswerCancel([&](Sheet& sheet) { sheet.GetCallSignPage().SetEditText("JA1ABC"); });
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectSeen("input_cancel_at_once");
}

// Confirmed, stamped with the time of the confirmation, announced as a new multiplier and
// appended as First.
TEST_F(InputLogData, FirstContactIsConfirmedStampedAnnouncedAndAppended) {
    AnswerCallSign("JA1ABC");
    AnswerDetails("599/13");
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    const int64_t before = CQuillmarkSystem::GetCurrentTime();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    const int64_t after = CQuillmarkSystem::GetCurrentTime();

    ExpectSeen("input_first_contact");
    EXPECT_GE(Band7().GetEntryAt(0)->GetTime(), before);
    EXPECT_LE(Band7().GetEntryAt(0)->GetTime(), after);
}

// The band's defaults follow the pages, announced before the entry.
TEST_F(InputLogData, EveryDetailPageAskedForWhenTheSettingsSaySo) {
    settings_.SetIsInputPointsEveryTime(1);
    settings_.SetIsInputElectricWaveTypeEveryTime(1);
    settings_.SetIsInputCQEveryTime(1);
    settings_.SetIsInputCardDataEveryTime(1);
    settings_.SetIsInputCommentsEveryTime(1);
    AnswerCallSign("JA1ABC");
    AnswerDetails(
        "599/13",
        {{kPointsPage, [](Sheet& sheet) { sheet.GetPointsPage().SetEditValue(5); }},
         {kModePage, [](Sheet& sheet) { sheet.GetElectricWaveTypePage().SelectText("FM"); }},
         {kCQPage, [](Sheet& sheet) { sheet.GetCQPage().SelectRadio(1); }},
         {kCardPage,
          [](Sheet& sheet) { sheet.GetCardPage().CheckBox(CLogDataInput_Card::kRequested, 0); }},
         {kCommentsPage, [](Sheet& sheet) { sheet.GetCommentsPage().SetEditText("memo"); }}});
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectSeen("input_every_detail_page");
}

// Without the pages: the points and card request from the settings, the mode and calling
// method from the band.
TEST_F(InputLogData, WithoutSwitchesTheValuesComeFromTheSettingsAndTheBand) {
    settings_.SetDefaultPoints(7);
    settings_.SetDefaultSettingOfCardDemand(0);
    Band7().SetMode("SSB");
    Band7().SetCallingMethod(false);
    LogContact("JA1ABC", "599/13", true);
    AnswerCancel();
    doc_.InputLogData(false);
    ExpectSeen("input_values_from_the_settings_and_the_band");
}

// The changed sent number becomes the band's (not the other band's) and is offered again.
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
    LogContact("JA2XYZ", "599/14", true);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectSeen("input_sent_number_carries_over");
}

// The warning shows the first earlier contact whatever its other parameters, and the run goes
// back to an empty call sign.
TEST_F(InputLogData, SecondShowsTheFirstEarlierContactAndGoesBackToAnEmptyCallSign) {
    Add(0, kEarlier, "JA1ABC", "599/13", false, 2);
    Add(0, kEarlier + 600, "JA1ABC/1", "599/14");
    AnswerCallSign("JA1ABC/2");
    AnswerConfirmation();
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectSeen("input_second");
}

TEST_F(InputLogData, OwnCallSignIsRefusedEvenOnAnEmptyBand) {
    AnswerCallSign("JA1ZZZ/2");
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    ExpectSeen("input_own_call_sign");
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
    ExpectSeen("input_first_notice_names_the_city");
}

// The band's defaults moved before the confirmation, once; the run comes back with every value.
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
    // The call sign and then the details again, with Next only.
    operator_.AnswerDialog(message_box::kIdOk, Wizard());
    operator_.AnswerDialog(message_box::kIdOk, Wizard());
    AnswerConfirmation();
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    EXPECT_EQ(doc_.InputLogData(false), 1);
    EXPECT_EQ(band_sent_while_confirming, "599/300");
    ExpectSeen("input_cancel_on_the_confirmation");
}

// The date page set to a UTC moment on 5 June 2021.
PageWork AtTime(int hour, int minute) {
    return {{kDatePage, [=](Sheet& sheet) {
                 const int fields[] = {2021, 6, 5, hour, minute, 0};
                 for (int i = 0; i < 6; ++i) {
                     sheet.GetDatePage().SetField(static_cast<CLogDataInput_Date::Field>(i),
                                                  fields[i]);
                 }
             }}};
}

// Sorted by time at the end, the earlier contact holding the First; no automatic saving.
TEST_F(InputLogData, ManualModeNeverAnnouncesFirstAndFixesTheFlagsAtTheEnd) {
    settings_.SetIsAutomaticSavingEnabled(1);
    operator_.AnswerMessage(message_box::kIdYes);
    AnswerCallSign("JA1ABC");
    AnswerDetails("599/13", AtTime(10, 0));
    AnswerConfirmation();
    AnswerCallSign("JA2ABC");
    AnswerDetails("599/13", AtTime(9, 0));
    AnswerConfirmation();
    // The first end is declined and the run goes on; the second is taken.
    AnswerCancel();
    operator_.AnswerMessage(message_box::kIdNo);
    // Before the end: in input order, neither First yet.
    AnswerCancel([&](Sheet&) {
        for (const auto& entry : Band7().GetEntries()) {
            noted_ += "before the end: " + Row(entry) + (entry.GetFirst() ? " First" : "") + "\n";
        }
    });
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.InputLogData(true), 1);

    ExpectSeen("input_manual_mode");
    EXPECT_EQ(Band7().GetEntryAt(0)->GetTime(), Utc(2021, 6, 5, 9, 0));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Tmp_1.qmk"));
}

// Declined, manual mode does not start; then its date page's guidance and the date check.
TEST_F(InputLogData, ManualModeDeclinedThenTheDatePageGuidanceAndTheDateCheck) {
    operator_.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(doc_.InputLogData(true), 0);
    operator_.AnswerMessage(message_box::kIdYes);
    AnswerCallSign("JA1ABC");
    AnswerCancel([&](Sheet& sheet) {
        sheet.GetDatePage().SetField(CLogDataInput_Date::kMonth, 13);
        EXPECT_EQ(sheet.Next(), Sheet::NextResult::refused);
    });
    operator_.AnswerMessage(message_box::kIdOk);
    AnswerCancel();
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.InputLogData(true), 1);
    ExpectSeen("input_manual_mode_date_check");
}

}  // namespace
