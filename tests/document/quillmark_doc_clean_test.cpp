#include <gtest/gtest.h>

#include "dialogs/import_dialog.h"
#include "doc_session.h"
#include "document/open_documents.h"

namespace {

using namespace doc_test;

// ---------------------------------------------------------------- cleaning

using DataCleaning = DocSession;

TEST_F(DataCleaning, NoIsTheDefault) {
    SetUpContest({7});
    EXPECT_EQ(doc_.CleanLogData(), 0) << "the unanswered question takes its default";
    operator_.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(doc_.CleanLogData(), 0);
    ExpectSeen("clean_declined");
}

TEST_F(DataCleaning, SortsEveryBandAndLeavesFirstOnlyOnTheEarliestOfEachMultiplier) {
    // Entries out of time order with First flags that are all wrong.
    SetUpContest({7, 14});
    for (int band = 0; band < 2; ++band) {
        Add(band, kTime + 120, "JA1AAA", "599/13", true);
        Add(band, kTime, "JA1BBB", "599/13");
        Add(band, kTime + 60, "JA1CCC", "599/14");
        Add(band, kTime + 180, "JA1DDD", "599/14", true);
    }
    operator_.AnswerMessage(message_box::kIdYes);
    EXPECT_EQ(doc_.CleanLogData(), 1);
    ExpectSeen("clean_sorted");
}

// ---------------------------------------------------------------- import

// One more open log of the same contest, with its own operator, as the application holds it.
struct OtherLog {
    explicit OtherLog(const CQuillmarkSystem& settings) : doc(op, settings, nullptr) {
        doc.GetContest() = Contest();
        doc.AddListener(&views);
    }
    ~OtherLog() { doc.RemoveListener(&views); }
    CQuillmarkData_SubMainData& AddBand(double frequency, int unit) {
        return *doc.GetContest().GetBandAt(doc.GetContest().AddBand(Band(frequency, unit)));
    }
    CScriptedOperator op;
    CQuillmarkDoc doc;
    HintRecorder views;
};

class Import : public DocSession {
protected:
    void SetUp() override {
        doc_.GetContest() = Contest();
        open_.Add(&doc_);
        open_.Add(&other_.doc);
    }
    // Notes each candidate the dialog offered by its row texts (either log's dialog).
    CScriptedOperator::DialogFiller Capture() {
        return [this](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CImportDialog&>(state);
            for (int i = 0; i < dialog.GetCandidateCount(); ++i) {
                noted_ += "offered:";
                for (const Cp932& text : dialog.GetRowTexts(i)) {
                    noted_ += " | " + U(text);
                }
                noted_ += "\n";
            }
        };
    }

    OtherLog other_{settings_};
    COpenDocumentList open_;
};

TEST_F(Import, LogsOnDifferentBandsOfferEachOther) {
    Log().AddBand(Band(14, 6));
    other_.AddBand(7, 6);
    other_.doc.SetPathName("/logs/7mhz.qmk");
    doc_.SetPathName("/logs/14mhz.qmk");

    operator_.AnswerDialog(message_box::kIdCancel, Capture());
    EXPECT_EQ(doc_.ImportLogData(open_), 0);
    other_.op.AnswerDialog(message_box::kIdCancel, Capture());
    EXPECT_EQ(other_.doc.ImportLogData(open_), 0);
    ExpectSeen("import_offered");
}

TEST_F(Import, AppendsTheBandsSortedKeepsTheActiveBandAndLeavesTheOtherLogAlone) {
    Log().AddBand(Band(14, 6));
    ASSERT_TRUE(Log().SetActiveBandAt(0));
    other_.AddBand(7, 6).AddEntry(Entry(Log(), kTime, "JA1ABC", "599/10", "599/13"));
    other_.AddBand(21, 6);
    const CQuillmarkData_MainData before = other_.doc.GetContest();

    operator_.AnswerDialog(message_box::kIdOk, [this](CDialogState& state, int) {
        auto& dialog = dynamic_cast<CImportDialog&>(state);
        dialog.SetSelectedRow(0);
        dialog.OnOK(operator_);
    });
    EXPECT_EQ(doc_.ImportLogData(open_), 1) << operator_.Transcript();

    EXPECT_TRUE(other_.doc.GetContest() == before);
    EXPECT_FALSE(other_.doc.IsModified());
    EXPECT_TRUE(other_.views.hints.empty());

    // The same bands cannot come in twice.
    EXPECT_EQ(doc_.ImportLogData(open_), 0);
    ExpectSeen("import_appended");
}

TEST_F(Import, RowsShowTotalsBandTextsAndTheNameOfAnUnsavedLog) {
    settings_.SetUnderDecimalPoint(2);
    Log().AddBand(Band(50, 6));
    CQuillmarkData_SubMainData& low = other_.AddBand(1.91, 6);
    auto first_entry = Entry(Log(), kTime, "JA1ABC", "599/10", "599/13", 3);
    first_entry.SetFirst(true);
    low.AddEntry(first_entry);
    low.AddEntry(Entry(Log(), kTime + 60, "JA1ABD", "599/10", "599/13", 2));
    other_.AddBand(7000, 3);
    other_.AddBand(10.25, 9);

    operator_.AnswerDialog(message_box::kIdCancel, Capture());
    EXPECT_EQ(doc_.ImportLogData(open_), 0);
    ExpectSeen("import_rows");
}

}  // namespace
