// Aggregates below name only the fields a case changes.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "citycode/city_code_organization.h"
#include "dialogs/band_information_dialog.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;

constexpr int kRefusal = message_box::kOk | message_box::kIconExclamation;
const int64_t kTime = Utc(2021, 6, 5, 9, 30);

struct HintRecorder : IDocumentListener {
    void OnUpdate(CDocumentBase&, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

// What the operator types into the band information dialog before pressing OK.
struct BandInput {
    double frequency = 7;
    int unit_index = 1;
    std::string sent = "599/100";
    std::string mode;
    int calling_radio = 0;
};

class BandCommands : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetPunctuationMarks(std::string(kDelimiters));
        settings_.SetUnderDecimalPoint(3);
        doc_.AddListener(&hints_);
    }
    void TearDown() override { doc_.RemoveListener(&hints_); }

    // The operator fills the dialog and presses OK until the dialog's checks let it close.
    void AnswerBand(const BandInput& input) {
        operator_.AnswerDialog(message_box::kIdOk, [this, input](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CBandInformationDialog&>(state);
            seen_.push_back(dialog);
            dialog.SetFrequency(input.frequency);
            dialog.SetUnitIndex(input.unit_index);
            dialog.SetSentContestNumberText(input.sent);
            dialog.SetMode(input.mode);
            dialog.SetCallingMethodRadio(input.calling_radio);
            EXPECT_TRUE(dialog.OnOK(operator_, kDelimiters));
        });
    }

    // A band added with no question (first band) or with Yes/No answered.
    void AddBandDirectly(double frequency, int unit, bool active) {
        const int index = doc_.GetContest().AddBand(Band(frequency, unit));
        if (active) {
            doc_.GetContest().SetActiveBandAt(index);
        }
    }

    std::vector<double> Frequencies() const {
        std::vector<double> frequencies;
        for (int i = 0; i < doc_.GetContest().GetBandCount(); ++i) {
            frequencies.push_back(doc_.GetContest().GetBandAt(i)->GetBand().GetFrequency());
        }
        return frequencies;
    }

    double ActiveFrequency() const {
        const auto* active = doc_.GetContest().GetActiveBand();
        return active == nullptr ? -1 : active->GetBand().GetFrequency();
    }

    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
    HintRecorder hints_;
    std::vector<CBandInformationDialog> seen_;
};

// --- Adding. ---

TEST_F(BandCommands, EveryCommandWithoutContestDoesNothingSilently) {
    EXPECT_EQ(doc_.AddNewBand(), 0);
    EXPECT_EQ(doc_.ChangeBandSettings(), 0);
    EXPECT_EQ(doc_.DeleteExistingBand(Band(7, 6)), 0);
    EXPECT_EQ(doc_.ActivateBand(Band(7, 6)), 0);
    EXPECT_TRUE(operator_.Events().empty());
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(BandCommands, FirstBandBecomesActiveWithoutAsking) {
    doc_.GetContest() = Contest();
    AnswerBand({14, 1, "599/100", "CW", 1});
    EXPECT_EQ(doc_.AddNewBand(), 1);

    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].GetGuidance(), J("新しく追加する周波数帯の情報を入力してください．．．"));
    EXPECT_EQ(seen_[0].GetContestNumberType(), NumberFormat());
    EXPECT_TRUE(operator_.Messages().empty()) << operator_.Transcript();
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("新たな周波数帯の追加を完了しました。")});
    EXPECT_EQ(hints_.hints, std::vector<int>{-1});
    EXPECT_TRUE(doc_.IsModified());

    const auto* band = doc_.GetContest().GetActiveBand();
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->GetBand(), Band(14, 6));
    EXPECT_EQ(band->GetMode(), "CW");
    EXPECT_EQ(band->GetSentContestNumber(), Number("599/100", NumberFormat()));
    EXPECT_EQ(band->GetCallingMethod(), 0);
    // The active band's graph series follow the new band.
    EXPECT_TRUE(doc_.GetGraphSeries(3)->IsValid());
}

TEST_F(BandCommands, FourteenThenThreeAndAHalfThenSevenSortAndKeepTheActiveBand) {
    doc_.GetContest() = Contest();
    AnswerBand({14, 1});
    AnswerBand({3.5, 1});
    operator_.AnswerMessage(message_box::kIdNo);
    AnswerBand({7, 1});
    operator_.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(doc_.AddNewBand(), 1);
    EXPECT_EQ(doc_.AddNewBand(), 1);
    EXPECT_EQ(doc_.AddNewBand(), 1);

    EXPECT_EQ(Frequencies(), (std::vector<double>{3.5, 7, 14}));
    EXPECT_EQ(doc_.GetContest().GetActiveBandIndex(), 2);
    EXPECT_EQ(ActiveFrequency(), 14);
    EXPECT_EQ(hints_.hints, (std::vector<int>{-1, -3, -3}));
    ASSERT_EQ(operator_.Messages().size(), 2u);
    for (const auto& message : operator_.Messages()) {
        EXPECT_EQ(message.text, J("この周波数帯をアクティブにしますか？"));
        EXPECT_EQ(message.caption, J("クイルマーク - 新たな周波数帯の追加"));
        EXPECT_EQ(message.style, message_box::kYesNo | message_box::kIconQuestion);
    }
    EXPECT_EQ(operator_.UnscriptedCount(), 0);
}

TEST_F(BandCommands, DuplicateFrequencyInAnotherUnitIsRefusedAndTheDialogComesBack) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    const CQuillmarkData_MainData before = doc_.GetContest();
    AnswerBand({7000, 0, "579/200"});
    operator_.AnswerDialog(message_box::kIdCancel, [this](CDialogState& state, int) {
        seen_.push_back(dynamic_cast<CBandInformationDialog&>(state));
    });
    EXPECT_EQ(doc_.AddNewBand(), 0);

    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text, J("周波数帯が重複しています。変更してください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 新たな周波数帯の追加"));
    EXPECT_EQ(operator_.Messages()[0].style, kRefusal);
    // The second opening shows what was typed.
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_EQ(seen_[1].GetFrequency(), 7000);
    EXPECT_EQ(seen_[1].GetUnitIndex(), 0);
    EXPECT_EQ(seen_[1].GetSentContestNumberText(), "579/200");
    EXPECT_EQ(doc_.GetContest(), before);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(operator_.LastStatusText(), J("新たな周波数帯の追加を中止しました。"));
}

// --- Changing. ---

TEST_F(BandCommands, ChangeWithoutActiveBandIsRefused) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, false);
    EXPECT_EQ(doc_.ChangeBandSettings(), 0);
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("設定変更したい周波数帯をアクティブにしてください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 既存の周波数帯の設定変更"));
    EXPECT_EQ(operator_.Messages()[0].style, kRefusal);
    EXPECT_TRUE(operator_.Dialogs().empty());
}

TEST_F(BandCommands, ChangePreloadsTheActiveBandAndKeepsItsEntries) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    auto* band = doc_.GetContest().GetActiveBand();
    band->SetMode("CW");
    band->SetSentContestNumber(Number("599/100", NumberFormat()));
    band->SetCallingMethod(false);
    band->AddEntry(Entry(doc_.GetContest(), kTime, "JA1ABC", "599/100", "599/13"));

    AnswerBand({7000, 0, "59/100", "FM", 0});
    EXPECT_EQ(doc_.ChangeBandSettings(), 1);

    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].GetGuidance(), J("周波数帯の情報の変更結果を入力してください．．．"));
    EXPECT_EQ(seen_[0].GetFrequency(), 7);
    EXPECT_EQ(seen_[0].GetUnitIndex(), 1);
    EXPECT_EQ(seen_[0].GetMode(), "CW");
    EXPECT_EQ(seen_[0].GetSentContestNumberText(), "599/100");
    EXPECT_EQ(seen_[0].GetCallingMethod(), 0);

    EXPECT_TRUE(band->GetBand().IsIdenticalTo(Band(7000, 3)));
    EXPECT_EQ(band->GetMode(), "FM");
    EXPECT_EQ(band->GetSentContestNumber(), Number("59/100", NumberFormat()));
    EXPECT_EQ(band->GetCallingMethod(), 1);
    ASSERT_EQ(band->GetEntryCount(), 1);
    EXPECT_EQ(band->GetEntryAt(0)->GetSentContestNumber(), Number("599/100", NumberFormat()));
    EXPECT_EQ(hints_.hints, std::vector<int>{-3});
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("既存の周波数帯の設定変更を完了しました。")});
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(BandCommands, ChangeToAnotherBandsFrequencyIsRefusedUntilItIsFree) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    AddBandDirectly(14, 6, false);
    AnswerBand({14000, 0});
    AnswerBand({21, 1});
    EXPECT_EQ(doc_.ChangeBandSettings(), 1);
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text, J("周波数帯が重複しています。変更してください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 既存の周波数帯の設定変更"));
    // The changed band moves behind 14 MHz and stays active.
    EXPECT_EQ(Frequencies(), (std::vector<double>{14, 21}));
    EXPECT_EQ(ActiveFrequency(), 21);
}

// --- Deleting. ---

TEST_F(BandCommands, DeleteAsksTwiceWithCancelAsDefault) {
    doc_.GetContest() = Contest();
    AddBandDirectly(3.5, 6, false);
    AddBandDirectly(7, 6, true);
    doc_.GetContest().GetBandAt(1)->AddEntry(
        Entry(doc_.GetContest(), kTime, "JA1ABC", "599/100", "599/13"));
    operator_.AnswerMessage(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    // The argument may name the band in another unit.
    EXPECT_EQ(doc_.DeleteExistingBand(Band(7000, 3)), 1);

    ASSERT_EQ(operator_.Messages().size(), 2u);
    EXPECT_EQ(operator_.Messages()[0].text, J("7 MHz を削除します。\n\nよろしいですか？"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 既存の周波数帯の削除"));
    EXPECT_EQ(operator_.Messages()[0].style,
              message_box::kOkCancel | message_box::kIconQuestion | message_box::kDefaultButton2);
    EXPECT_EQ(operator_.Messages()[1].text, J("7 MHz を本当に削除します。\n\nよろしいですか？"));
    EXPECT_EQ(operator_.Messages()[1].caption,
              J("クイルマーク - 既存の周波数帯の削除（最終確認）"));
    EXPECT_EQ(operator_.Messages()[1].style, message_box::kOkCancel |
                                                 message_box::kIconExclamation |
                                                 message_box::kDefaultButton2);
    // The band before the deleted active band becomes active.
    EXPECT_EQ(Frequencies(), std::vector<double>{3.5});
    EXPECT_EQ(ActiveFrequency(), 3.5);
    EXPECT_EQ(hints_.hints, std::vector<int>{-1});
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("既存の周波数帯の削除を完了しました。")});
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(BandCommands, DeletingTheOnlyBandLeavesNoActiveBandAndClearsItsGraph) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    doc_.RebuildGraphData();
    ASSERT_TRUE(doc_.GetGraphSeries(3)->IsValid());
    operator_.AnswerMessage(message_box::kIdOk);
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_EQ(doc_.DeleteExistingBand(Band(7, 6)), 1);
    EXPECT_EQ(doc_.GetContest().GetBandCount(), 0);
    EXPECT_EQ(doc_.GetContest().GetActiveBandIndex(), -1);
    EXPECT_FALSE(doc_.GetGraphSeries(3)->IsValid());
}

TEST_F(BandCommands, BandTextHasAtMostTheSettingsDecimals) {
    const struct {
        double frequency;
        int unit;
        int decimals;
        const char* text;
    } cases[] = {{3.5, 6, 3, "3.5 MHz"},   {1.9125, 6, 3, "1.913 MHz"}, {1.9125, 6, 0, "2 MHz"},
                 {7000, 3, 3, "7000 kHz"}, {1.2, 9, 1, "1.2 GHz"},      {144.0, 6, 2, "144 MHz"}};
    for (const auto& c : cases) {
        operator_.ClearRecords();
        settings_.SetUnderDecimalPoint(c.decimals);
        doc_.GetContest() = Contest();
        AddBandDirectly(c.frequency, c.unit, false);
        operator_.AnswerMessage(message_box::kIdCancel);
        doc_.DeleteExistingBand(Band(c.frequency, c.unit));
        ASSERT_EQ(operator_.Messages().size(), 1u);
        EXPECT_EQ(operator_.Messages()[0].text, c.text + J(" を削除します。\n\nよろしいですか？"))
            << c.text;
    }
}

// --- Activating. ---

TEST_F(BandCommands, ActivateUnknownBandIsRefusedWithItsOwnCaption) {
    doc_.GetContest() = Contest();
    EXPECT_EQ(doc_.ActivateBand(Band(7, 6)), 0);
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("アクティブにしたい周波数帯を選択してから再実行してください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - アクティブなの周波数帯の設定"));
    EXPECT_EQ(operator_.Messages()[0].style, kRefusal);
}

TEST_F(BandCommands, ActivatingTheActiveBandOnlySetsTheStatus) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    EXPECT_EQ(doc_.ActivateBand(Band(7, 6)), 0);
    EXPECT_TRUE(operator_.Messages().empty());
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("この周波数帯は、すでにアクティブです。")});
    EXPECT_TRUE(hints_.hints.empty());
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(BandCommands, ActivateAsksOnceAndRebuildsTheGraph) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    AddBandDirectly(14, 6, false);
    doc_.GetContest().GetBandAt(1)->AddEntry(
        Entry(doc_.GetContest(), kTime, "JA1ABC", "599/100", "599/13"));
    doc_.RebuildGraphData();
    ASSERT_EQ(doc_.GetGraphSeries(3)->GetEventCount(), 0);
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_EQ(doc_.ActivateBand(Band(14, 6)), 1);

    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("アクティブな周波数帯を、\n\n\t14 MHz\n\n に設定します。よろしいですか？"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - アクティブな周波数帯の設定"));
    EXPECT_EQ(operator_.Messages()[0].style, message_box::kOkCancel | message_box::kIconQuestion);
    EXPECT_EQ(ActiveFrequency(), 14);
    EXPECT_EQ(hints_.hints, std::vector<int>{-1});
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("アクティブな周波数帯の設定を完了しました。")});
    // The active-band station series now counts the 14 MHz contact.
    EXPECT_EQ(doc_.GetGraphSeries(3)->GetEventCount(), 1);
}

TEST_F(BandCommands, ChangeCancelledAfterADuplicateChangesNothing) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    AddBandDirectly(14, 6, false);
    const CQuillmarkData_MainData before = doc_.GetContest();
    AnswerBand({14, 1, "59/100", "CW"});
    operator_.AnswerDialog(message_box::kIdCancel);
    EXPECT_EQ(doc_.ChangeBandSettings(), 0);
    EXPECT_EQ(doc_.GetContest(), before);
    EXPECT_EQ(doc_.GetContest().GetActiveBand()->GetMode(), "");
    EXPECT_EQ(operator_.LastStatusText(), J("既存の周波数帯の設定変更を中止しました。"));
    EXPECT_TRUE(hints_.hints.empty());
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(BandCommands, DeleteUnknownBandIsRefused) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    EXPECT_EQ(doc_.DeleteExistingBand(Band(14, 6)), 0);
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("削除したい周波数帯を選択してから再実行してください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 既存の周波数帯の削除"));
    EXPECT_EQ(operator_.Messages()[0].style, kRefusal);
}

TEST_F(BandCommands, ActivateCancelledKeepsTheActiveBand) {
    doc_.GetContest() = Contest();
    AddBandDirectly(7, 6, true);
    AddBandDirectly(14, 6, false);
    operator_.AnswerMessage(message_box::kIdCancel);
    EXPECT_EQ(doc_.ActivateBand(Band(14, 6)), 0);
    EXPECT_EQ(ActiveFrequency(), 7);
    EXPECT_EQ(operator_.LastStatusText(), J("アクティブな周波数帯の設定を中止しました。"));
    EXPECT_FALSE(doc_.IsModified());
}
}  // namespace
