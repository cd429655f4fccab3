// Aggregates below name only the fields a case changes.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <gtest/gtest.h>

#include <string>

#include "doc_session.h"

namespace {

using namespace doc_test;

class BandCommands : public DocSession {
protected:
    // Bands without defaults, band `active` active.
    void SetUpBands(std::initializer_list<double> mhz, int active) {
        doc_.GetContest() = Contest();
        for (const double frequency : mhz) {
            Log().AddBand(Band(frequency, 6));
        }
        if (active >= 0) {
            Log().SetActiveBandAt(active);
        }
    }
    double ActiveFrequency() {
        const auto* active = Log().GetActiveBand();
        return active == nullptr ? -1 : active->GetBand().GetFrequency();
    }
};

TEST_F(BandCommands, RefusalsNameTheCommand) {
    SetUpBands({7}, -1);
    EXPECT_EQ(doc_.ChangeBandSettings(), 0);
    EXPECT_EQ(doc_.DeleteExistingBand(Band(14, 6)), 0);
    EXPECT_EQ(doc_.ActivateBand(Band(14, 6)), 0);
    ExpectSeen("band_refusals");
}

// --- Adding. ---

TEST_F(BandCommands, FirstBandBecomesActiveWithoutAsking) {
    doc_.GetContest() = Contest();
    AnswerBand({14, 1, "599/100", "CW", 1});
    EXPECT_EQ(doc_.AddNewBand(), 1);

    ASSERT_EQ(seen_bands_.size(), 1u);
    EXPECT_EQ(seen_bands_[0].GetContestNumberType(), NumberFormat());
    // The active band's graph series follow the new band.
    ExpectSeen("band_first_added");
}

TEST_F(BandCommands, DuplicateFrequencyInAnotherUnitIsRefusedAndTheDialogComesBack) {
    SetUpBands({7}, 0);
    AnswerBand({7000, 0, "579/200"});
    operator_.AnswerDialog(message_box::kIdCancel, [this](CDialogState& state, int) {
        NoteBandDialog(dynamic_cast<CBandInformationDialog&>(state));
    });
    EXPECT_EQ(doc_.AddNewBand(), 0);
    // The second opening shows what was typed.
    ExpectSeen("band_duplicate_added");
}

// --- Changing. ---

TEST_F(BandCommands, ChangePreloadsTheActiveBandAndKeepsItsEntries) {
    SetUpContest({7});
    BandAt(0).SetCallingMethod(false);
    Add(0, kTime, "JA1ABC", "599/13");
    AnswerBand({7000, 0, "59/100", "FM", 0});
    EXPECT_EQ(doc_.ChangeBandSettings(), 1);
    EXPECT_TRUE(BandAt(0).GetBand().IsIdenticalTo(Band(7000, 3)));
    ExpectSeen("band_changed");
}

TEST_F(BandCommands, ChangeToAnotherBandsFrequencyIsRefusedUntilItIsFree) {
    SetUpBands({7, 14}, 0);
    AnswerBand({14000, 0});
    AnswerBand({21, 1});
    EXPECT_EQ(doc_.ChangeBandSettings(), 1);
    // The changed band moves behind 14 MHz and stays active.
    ExpectSeen("band_changed_after_a_duplicate");
}

TEST_F(BandCommands, ChangeCancelledAfterADuplicateChangesNothing) {
    SetUpBands({7, 14}, 0);
    AnswerBand({14, 1, "59/100", "CW"});
    operator_.AnswerDialog(message_box::kIdCancel);
    EXPECT_EQ(doc_.ChangeBandSettings(), 0);
    ExpectSeen("band_change_cancelled_after_a_duplicate");
}

// --- Deleting. ---

TEST_F(BandCommands, DeleteAsksTwiceWithCancelAsDefault) {
    SetUpBands({3.5, 7}, 1);
    Add(1, kTime, "JA1ABC", "599/13");
    operator_.AnswerMessage(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    // The argument may name the band in another unit.
    EXPECT_EQ(doc_.DeleteExistingBand(Band(7000, 3)), 1);
    // The band before the deleted active band becomes active.
    ExpectSeen("band_deleted");
}

TEST_F(BandCommands, DeletingTheOnlyBandLeavesNoActiveBandAndClearsItsGraph) {
    SetUpBands({7}, 0);
    doc_.RebuildGraphData();
    ASSERT_TRUE(doc_.GetGraphSeries(3)->IsValid());
    operator_.AnswerMessage(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_EQ(doc_.DeleteExistingBand(Band(7, 6)), 1);
    ExpectSeen("band_deleted_the_only_one");
}

// The band text itself is the model's; the command takes the decimals from the settings.
TEST_F(BandCommands, BandTextHasAtMostTheSettingsDecimals) {
    for (const int decimals : {3, 0}) {
        settings_.SetUnderDecimalPoint(decimals);
        SetUpBands({1.9125}, -1);
        operator_.AnswerMessage(message_box::kIdCancel);
        doc_.DeleteExistingBand(Band(1.9125, 6));
    }
    ExpectSeen("band_text_decimals");
}

// --- Activating. ---

TEST_F(BandCommands, ActivatingTheActiveBandOnlySetsTheStatus) {
    SetUpBands({7}, 0);
    EXPECT_EQ(doc_.ActivateBand(Band(7, 6)), 0);
    ExpectSeen("band_already_active");
}

TEST_F(BandCommands, ActivateAsksOnceAndRebuildsTheGraph) {
    SetUpBands({7, 14}, 0);
    Add(1, kTime, "JA1ABC", "599/13");
    doc_.RebuildGraphData();
    ASSERT_EQ(doc_.GetGraphSeries(3)->GetEventCount(), 0);
    operator_.AnswerMessage(message_box::kIdCancel);
    EXPECT_EQ(doc_.ActivateBand(Band(14, 6)), 0);
    EXPECT_FALSE(doc_.IsModified());
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_EQ(doc_.ActivateBand(Band(14, 6)), 1);
    // Cancel leaves 7 MHz active; then the active-band series count the 14 MHz contact.
    ExpectSeen("band_activated");
}

// The radio switches bands without a question; a band the contest lacks is offered by the
// next band addition, with the radio's mode.
TEST_F(BandCommands, TheRadioSwitchesBandAndModeAndPresetsAMissingBand) {
    using Change = CQuillmarkDoc::RadioChange;
    SetUpBands({7, 14}, 0);
    Add(1, kTime, "JA1ABC", "599/13");
    doc_.RebuildGraphData();
    EXPECT_EQ(doc_.FollowRadio(14.025e6, "CW"), Change::band_and_mode);
    EXPECT_EQ(ActiveFrequency(), 14);
    EXPECT_EQ(U(Log().GetActiveBand()->GetMode()), "CW");
    EXPECT_EQ(doc_.GetGraphSeries(3)->GetEventCount(), 1);
    EXPECT_TRUE(doc_.IsModified());
    // Tuning within the band changes nothing; the mode alone is the band's new default.
    EXPECT_EQ(doc_.FollowRadio(14.030e6, "CW"), Change::none);
    EXPECT_EQ(doc_.FollowRadio(14.200e6, "USB"), Change::mode);
    EXPECT_EQ(U(Log().GetActiveBand()->GetMode()), "AM(SSB)");
    EXPECT_EQ(doc_.FollowRadio(14.200e6, "XYZ"), Change::none);  // unknown: kept

    EXPECT_EQ(doc_.FollowRadio(21.300e6, "USB"), Change::outside_contest);
    EXPECT_EQ(ActiveFrequency(), 14);
    operator_.AnswerDialog(message_box::kIdOk, [this](CDialogState& state, int) {
        auto& dialog = dynamic_cast<CBandInformationDialog&>(state);
        NoteBandDialog(dialog);
        dialog.SetSentContestNumberText("599/100");
        EXPECT_TRUE(dialog.OnOK(operator_, kDelimiters));
    });
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.AddNewBand(), 1);
    EXPECT_EQ(doc_.FollowRadio(21.300e6, "USB"), Change::none);  // now the active band
    EXPECT_EQ(doc_.FollowRadio(9.0e6, "USB"), Change::outside_bands);
    EXPECT_FALSE(doc_.GetRadioBandPreset().IsValid());
    ExpectSeen("band_follows_the_radio");
}

}  // namespace
