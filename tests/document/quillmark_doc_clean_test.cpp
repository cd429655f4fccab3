#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "citycode/city_code_organization.h"
#include "dialogs/import_dialog.h"
#include "dialogs/scripted_operator.h"
#include "document/open_documents.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);
constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;

class HintRecorder : public IDocumentListener {
public:
    void OnUpdate(CDocumentBase&, int hint) override { hints.push_back(hint); }
    std::vector<int> hints;
};

// One open contest log with its own operator, as the application would hold it.
struct OpenLog {
    explicit OpenLog(const CQuillmarkSystem& settings) : doc(op, settings, nullptr) {
        doc.AddListener(&views);
    }
    ~OpenLog() { doc.RemoveListener(&views); }

    CQuillmarkData_SubMainData& AddBand(double frequency, int unit) {
        const int i = doc.GetContest().AddBand(Band(frequency, unit));
        return *doc.GetContest().GetBandAt(i);
    }

    CScriptedOperator op;
    CQuillmarkDoc doc;
    HintRecorder views;
};

// ---------------------------------------------------------------- cleaning

class DataCleaning : public testing::Test {
protected:
    CQuillmarkSystem settings_;
    OpenLog log_{settings_};
};

TEST_F(DataCleaning, WithoutContestDoesNothingSilently) {
    EXPECT_EQ(log_.doc.CleanLogData(), 0);
    EXPECT_TRUE(log_.op.Events().empty());
}

TEST_F(DataCleaning, AsksOnceWithNoAsTheDefaultAndStopsOnNo) {
    log_.doc.GetContest() = Contest();
    log_.AddBand(7, 6);
    log_.op.AnswerMessage(message_box::kIdNo);
    EXPECT_EQ(log_.doc.CleanLogData(), 0);
    ASSERT_EQ(log_.op.Messages().size(), 1u);
    const auto& question = log_.op.Messages()[0];
    EXPECT_EQ(question.text,
              J("この作業では、ログデータの並べ替え・First のふり直し・グラフデータの完全再構築を"
                "行います。データに異常が発生したと思われる場合にのみ、実行してください。\n\nこの"
                "作業を行うと、作業終了までにかなりの時間がかかります。\n\n本当にこの作業を実行"
                "しますか？"));
    EXPECT_EQ(question.caption, J("クイルマーク - データ洗浄"));
    EXPECT_EQ(question.style,
              message_box::kYesNo | message_box::kIconExclamation | message_box::kDefaultButton2);
    EXPECT_EQ(log_.op.StatusTexts(), std::vector<Cp932>{J("データ洗浄を中止しました。")});
    EXPECT_FALSE(log_.doc.IsModified());
    EXPECT_TRUE(log_.views.hints.empty());
}

TEST_F(DataCleaning, SortsEveryBandAndLeavesFirstOnlyOnTheEarliestOfEachMultiplier) {
    CQuillmarkData_MainData& contest = log_.doc.GetContest();
    contest = Contest();
    // Entries out of time order with First flags that are all wrong.
    for (double frequency : {7.0, 14.0}) {
        CQuillmarkData_SubMainData& band = log_.AddBand(frequency, 6);
        auto late = Entry(contest, kTime + 120, "JA1AAA", "599/10", "599/13");
        late.SetFirst(true);
        band.AddEntry(late);
        band.AddEntry(Entry(contest, kTime, "JA1BBB", "599/10", "599/13"));
        auto other = Entry(contest, kTime + 60, "JA1CCC", "599/10", "599/14");
        band.AddEntry(other);
        auto again = Entry(contest, kTime + 180, "JA1DDD", "599/10", "599/14");
        again.SetFirst(true);
        band.AddEntry(again);
    }
    log_.op.AnswerMessage(message_box::kIdYes);

    EXPECT_EQ(log_.doc.CleanLogData(), 1);

    for (int b = 0; b < 2; ++b) {
        const auto& entries = contest.GetBandAt(b)->GetEntries();
        ASSERT_EQ(entries.size(), 4u);
        std::vector<Cp932> calls;
        std::vector<int> firsts;
        for (const auto& entry : entries) {
            calls.push_back(entry.GetCallSign().GetText(kDelimiters));
            firsts.push_back(entry.GetFirst());
        }
        EXPECT_EQ(calls, (std::vector<Cp932>{"JA1BBB", "JA1CCC", "JA1AAA", "JA1DDD"}));
        EXPECT_EQ(firsts, (std::vector<int>{1, 1, 0, 0}));
    }
    EXPECT_TRUE(log_.doc.IsModified());
    EXPECT_EQ(log_.views.hints, std::vector<int>{-1});
    EXPECT_EQ(log_.op.StatusTexts(),
              (std::vector<Cp932>{J("データ洗浄をしています。しばらくお待ちください．．．"),
                                  J("データ洗浄を完了しました。")}));
}

// ---------------------------------------------------------------- import

class Import : public testing::Test {
protected:
    void SetUp() override {
        for (OpenLog* log : {&first_, &second_}) {
            log->doc.GetContest() = Contest();
            open_.Add(&log->doc);
        }
    }

    // Chooses row when the import dialog runs, pressing OK as the operator would.
    static CScriptedOperator::DialogFiller Choose(int row, CScriptedOperator& op) {
        return [row, &op](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CImportDialog&>(state);
            dialog.SetSelectedRow(row);
            dialog.OnOK(op);
        };
    }

    // The candidates the dialog offered, as their row texts.
    static CScriptedOperator::DialogFiller Capture(std::vector<std::array<Cp932, 5>>& rows) {
        return [&rows](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CImportDialog&>(state);
            for (int i = 0; i < dialog.GetCandidateCount(); ++i) {
                rows.push_back(dialog.GetRowTexts(i));
            }
        };
    }

    CQuillmarkSystem settings_;
    OpenLog first_{settings_};
    OpenLog second_{settings_};
    COpenDocumentList open_;
};

TEST_F(Import, LogsOnDifferentBandsOfferEachOther) {
    first_.AddBand(14, 6);
    second_.AddBand(7, 6);
    second_.doc.SetPathName("/logs/7mhz.qmk");
    first_.doc.SetPathName("/logs/14mhz.qmk");

    std::vector<std::array<Cp932, 5>> offered_to_first;
    first_.op.AnswerDialog(message_box::kIdCancel, Capture(offered_to_first));
    EXPECT_EQ(first_.doc.ImportLogData(open_), 0);
    ASSERT_EQ(offered_to_first.size(), 1u);
    EXPECT_EQ(offered_to_first[0][0], "/logs/7mhz.qmk");

    std::vector<std::array<Cp932, 5>> offered_to_second;
    second_.op.AnswerDialog(message_box::kIdCancel, Capture(offered_to_second));
    EXPECT_EQ(second_.doc.ImportLogData(open_), 0);
    ASSERT_EQ(offered_to_second.size(), 1u);
    EXPECT_EQ(offered_to_second[0][0], "/logs/14mhz.qmk");
    EXPECT_EQ(second_.op.StatusTexts(), std::vector<Cp932>{J("インポートを中止しました。")});
    EXPECT_FALSE(second_.doc.IsModified());
}

TEST_F(Import, AppendsTheBandsSortedKeepsTheActiveBandAndLeavesTheOtherLogAlone) {
    CQuillmarkData_MainData& contest = first_.doc.GetContest();
    first_.AddBand(14, 6);
    ASSERT_TRUE(contest.SetActiveBandAt(0));
    CQuillmarkData_SubMainData& seven = second_.AddBand(7, 6);
    seven.AddEntry(Entry(second_.doc.GetContest(), kTime, "JA1ABC", "599/10", "599/13"));
    second_.AddBand(21, 6);
    const CQuillmarkData_MainData before = second_.doc.GetContest();

    first_.op.AnswerDialog(message_box::kIdOk, Choose(0, first_.op));
    EXPECT_EQ(first_.doc.ImportLogData(open_), 1) << first_.op.Transcript();

    ASSERT_EQ(contest.GetBandCount(), 3);
    EXPECT_EQ(contest.GetBandAt(0)->GetBand(), Band(7, 6));
    EXPECT_EQ(contest.GetBandAt(0)->GetEntryCount(), 1);
    EXPECT_EQ(contest.GetBandAt(1)->GetBand(), Band(14, 6));
    EXPECT_EQ(contest.GetBandAt(2)->GetBand(), Band(21, 6));
    EXPECT_EQ(contest.GetActiveBand()->GetBand(), Band(14, 6));
    EXPECT_TRUE(second_.doc.GetContest() == before);
    EXPECT_FALSE(second_.doc.IsModified());
    EXPECT_TRUE(second_.views.hints.empty());

    EXPECT_TRUE(first_.doc.IsModified());
    EXPECT_EQ(first_.views.hints, std::vector<int>{-1});
    EXPECT_EQ(first_.op.StatusTexts(),
              (std::vector<Cp932>{J("インポート中です。しばらくお待ちください．．．"),
                                  J("インポートを完了しました。")}));
    ASSERT_EQ(first_.op.Dialogs().size(), 1u);
    EXPECT_EQ(first_.op.Dialogs()[0].name, "CImportDialog");
    EXPECT_TRUE(first_.op.Messages().empty());

    // The same bands cannot come in twice.
    EXPECT_EQ(first_.doc.ImportLogData(open_), 0);
    EXPECT_EQ(first_.op.Messages().back().text,
              J("現在、インポート可能なデータが 1 つも読み込まれていません。"));
}

TEST_F(Import, RowsShowTotalsBandTextsAndTheNameOfAnUnsavedLog) {
    settings_.SetUnderDecimalPoint(2);
    first_.AddBand(50, 6);
    CQuillmarkData_MainData& other = second_.doc.GetContest();
    CQuillmarkData_SubMainData& low = second_.AddBand(1.91, 6);
    auto first_entry = Entry(other, kTime, "JA1ABC", "599/10", "599/13", 3);
    first_entry.SetFirst(true);
    low.AddEntry(first_entry);
    low.AddEntry(Entry(other, kTime + 60, "JA1ABD", "599/10", "599/13", 2));
    second_.AddBand(7000, 3);
    second_.AddBand(10.25, 9);

    std::vector<std::array<Cp932, 5>> rows;
    first_.op.AnswerDialog(message_box::kIdCancel, Capture(rows));
    EXPECT_EQ(first_.doc.ImportLogData(open_), 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (std::array<Cp932, 5>{J("（ファイル名はありません。）"), "2", "1", "5",
                                             J("1.91 M ／ 7000 k ／ 10.25 G")}));
}

TEST_F(DataCleaning, UnansweredQuestionTakesTheDefaultNo) {
    log_.doc.GetContest() = Contest();
    EXPECT_EQ(log_.doc.CleanLogData(), 0);
    EXPECT_FALSE(log_.doc.IsModified());
}

TEST_F(Import, WithoutContestDoesNothingSilently) {
    first_.doc.GetContest().DeleteContents();
    EXPECT_EQ(first_.doc.ImportLogData(open_), 0);
    EXPECT_TRUE(first_.op.Events().empty());
}
}  // namespace
