#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "citycode/city_code_organization.h"
#include "dialogs/city_code_search_dialog.h"
#include "dialogs/log_data_search_dialog.h"
#include "dialogs/scripted_operator.h"
#include "document/city_code_result_sink.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
using D = CLogDataSearchDialog;
using Kind = CScriptedOperator::Event::Kind;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);
constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;
constexpr int kNotice = message_box::kOk | message_box::kIconInformation;

CCityCodeData_CityCodeDataItem Record(std::string_view code, std::string_view name,
                                      std::string_view reading) {
    CCityCodeData_CityCodeDataItem item;
    item.SetFields(Cp932(code), Cp932(name), Cp932(reading));
    return item;
}

// The application's side of a city code search: every document it opened, with what arrived.
class RecordingResults : public ICityCodeResultSink {
public:
    struct Document : ICityCodeResultDocument {
        std::vector<Cp932> titles;
        std::vector<CCityCodeData_CityCodeDataItem> items;
        int updates = 0;
        bool closed = false;
        void SetTitle(const Cp932& title) override { titles.push_back(title); }
        void AddItem(const CCityCodeData_CityCodeDataItem& item) override { items.push_back(item); }
        void UpdateAllViews() override { ++updates; }
        void Close() override { closed = true; }
    };

    ICityCodeResultDocument* OpenNewDocument() override {
        documents.push_back(std::make_unique<Document>());
        return documents.back().get();
    }

    std::vector<std::unique_ptr<Document>> documents;
};

class SearchCommand : public testing::Test {
protected:
    void SetUp() override {
        settings_.SetPunctuationMarks("/,.");
        database_.AddItem(Record("10", J("札幌市"), J("さっぽろし")));
        database_.AddItem(Record("20", J("旭川市"), J("あさひかわし")));
        database_.AddItem(Record("110", J("小樽市"), J("おたるし")));
        extra_.AddItem(Record("30", J("函館市"), J("はこだてし")));
        city_codes_.Register(&database_);
        city_codes_.Register(&extra_);
    }

    // Entries 0 … 3 of the active band.
    void SetUpLog(int multiplier = 1) {
        doc_.GetContest() = Contest(multiplier);
        doc_.GetContest().AddBand(Band(7, 6));
        doc_.GetContest().SetActiveBand(Band(7, 6));
        Add(kTime, "JA1AAA", "599/10", true, 1, "CW", true, "QSL");
        Add(kTime + 60, "JA1BBB/1", "599/20", true, 2, "", false, "");
        Add(kTime + 120, "JA2CCC", "59/10", false, 3, "FM", true, J("あ"));
        Add(kTime + 120, "JA1AAB", "599/99", true, 1, "CW", false, J("QSLあ"));
    }

    void Add(int64_t time, std::string_view call, std::string_view received, bool first, int points,
             std::string_view mode, bool cq, std::string_view comment) {
        auto entry = Entry(doc_.GetContest(), time, call, "599/100", received, points, mode);
        ASSERT_TRUE(entry.IsValid()) << call;
        entry.SetFirst(first);
        entry.SetCallingMethod(cq);
        entry.SetComment(comment);
        doc_.GetContest().GetActiveBand()->AddEntry(entry);
    }

    // The operator fills the log search dialog and presses "検索開始"; the check must pass.
    void Search(std::function<void(D&)> fill) {
        operator_.AnswerDialog(message_box::kIdOk, [fill](CDialogState& state, int) {
            auto& dialog = dynamic_cast<D&>(state);
            fill(dialog);
            const auto check = dialog.OnSearchStart();
            EXPECT_TRUE(check.ok()) << Cp932ToUtf8(check.message);
        });
    }
    void CancelDialog() { operator_.AnswerDialog(message_box::kIdCancel); }

    void SearchCityCodes(std::function<void(CCityCodeSearchDialog&)> fill) {
        operator_.AnswerDialog(message_box::kIdOk, [fill](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CCityCodeSearchDialog&>(state);
            fill(dialog);
            EXPECT_TRUE(dialog.OnSearchStart().ok());
        });
    }

    std::vector<int> Found(bool expected_result = true) {
        std::vector<int> found = {-7};
        EXPECT_EQ(doc_.SearchLogData(found), expected_result) << operator_.Transcript();
        EXPECT_EQ(operator_.UnscriptedCount(), 0) << operator_.Transcript();
        EXPECT_FALSE(operator_.IsProgressShown());
        return found;
    }

    static Cp932 FoundText(int count) {
        return J("【 検索完了 】 ") + std::to_string(count) + J(" 個のデータが検出されました。");
    }

    int ProgressShows() const {
        int shows = 0;
        for (const auto& event : operator_.Events()) {
            shows += event.kind == Kind::progress_show ? 1 : 0;
        }
        return shows;
    }

    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainData database_;
    CCityCodeData_MainData extra_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
};

// --- Log search. ---

TEST_F(SearchCommand, WithoutActiveBandAsksForOne) {
    doc_.GetContest() = Contest();
    doc_.GetContest().AddBand(Band(7, 6));
    doc_.GetContest().ClearActiveBand();
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(Found(false).empty());
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("検索を行いたい周波数帯をアクティブにしてください。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - ログデータからの検索"));
    EXPECT_EQ(operator_.Messages()[0].style, kWarning);
    EXPECT_TRUE(operator_.Dialogs().empty());
}

TEST_F(SearchCommand, WithoutEntriesRefuses) {
    doc_.GetContest() = Contest();
    doc_.GetContest().AddBand(Band(7, 6));
    doc_.GetContest().SetActiveBand(Band(7, 6));
    operator_.AnswerMessage(message_box::kIdOk);
    Found(false);
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("ログデータが 1 局も入力されていないので、ログデータからの検索はできません。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 警告"));
    EXPECT_TRUE(operator_.Dialogs().empty());
}

TEST_F(SearchCommand, FirstRunOffersTheContestPeriodAndCancelEndsIt) {
    SetUpLog();
    int64_t shown_from = 0;
    int64_t shown_to = 0;
    operator_.AnswerDialog(message_box::kIdCancel, [&](CDialogState& state, int) {
        auto& dialog = dynamic_cast<D&>(state);
        shown_from = dialog.GetEnteredFrom();
        shown_to = dialog.GetEnteredTo();
    });
    EXPECT_TRUE(Found().empty());
    EXPECT_EQ(shown_from, doc_.GetContest().GetStartTime());
    EXPECT_EQ(shown_to, doc_.GetContest().GetEndTime());
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("ログデータからの検索を終了しました。")});
    EXPECT_TRUE(operator_.Messages().empty());
    EXPECT_EQ(ProgressShows(), 0);
}

TEST_F(SearchCommand, CallSignFindsEntriesInStoredOrder) {
    SetUpLog();
    Search([](D& d) {
        d.SetSwitch(D::kCallSign, D::kMustMatch);
        d.SetEnteredCallSign("JA1");
    });
    EXPECT_EQ(Found(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(operator_.LastStatusText(), FoundText(3));
    EXPECT_TRUE(operator_.Messages().empty());
    ASSERT_FALSE(operator_.ProgressTexts().empty());
    EXPECT_EQ(operator_.ProgressTexts()[0], J("クイルマーク - ログデータからの検索"));
    EXPECT_EQ(
        operator_.ProgressTexts()[1],
        J("与えられた条件に該当するデータを検索しています。しばらくお待ちください．．．\n\n"));
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(SearchCommand, CallSignTypedWithACommaIsSearchedWithTheSlash) {
    SetUpLog();
    Search([](D& d) {
        d.SetSwitch(D::kCallSign, D::kMustMatch);
        d.SetEnteredCallSign("BBB,1");
    });
    EXPECT_EQ(Found(), std::vector<int>{1});
}

TEST_F(SearchCommand, DateRangeWithEqualEndsFindsTheContactsOfThatSecond) {
    SetUpLog();
    Search([](D& d) {
        d.SetSwitch(D::kDateTime, D::kMustMatch);
        d.SetEnteredRange(kTime + 120, kTime + 120);
    });
    EXPECT_EQ(Found(), (std::vector<int>{2, 3}));
    // The accepted range is offered the next time.
    int64_t shown_from = 0;
    operator_.AnswerDialog(message_box::kIdCancel, [&](CDialogState& state, int) {
        shown_from = dynamic_cast<D&>(state).GetEnteredFrom();
    });
    Found();
    EXPECT_EQ(shown_from, kTime + 120);
}

TEST_F(SearchCommand, EmptyCommentThatMustNotBeContainedFindsNothing) {
    SetUpLog();
    Search([](D& d) { d.SetSwitch(D::kComment, D::kMustNotMatch); });
    operator_.AnswerMessage(message_box::kIdOk);
    CancelDialog();
    EXPECT_TRUE(Found().empty());
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("与えられた条件に該当するデータが見つかりませんでした。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - ログデータからの検索"));
    EXPECT_EQ(operator_.Messages()[0].style, kNotice);
    EXPECT_EQ(operator_.Dialogs().size(), 2u) << "the dialog runs again";
    EXPECT_EQ(operator_.LastStatusText(), J("ログデータからの検索を終了しました。"));
}

TEST_F(SearchCommand, MultiplierCriteriaAreRefusedWithoutAMultiplierParameter) {
    for (const int criterion : {D::kFirst, D::kMultiplierNotInDatabase}) {
        SetUp();
        operator_.ClearRecords();
        doc_.GetLogDataSearchDialog() = D(kTime);
        SetUpLog(-1);
        Search([criterion](D& d) { d.SetSwitch(criterion, D::kMustMatch); });
        operator_.AnswerMessage(message_box::kIdOk);
        CancelDialog();
        EXPECT_TRUE(Found().empty());
        ASSERT_EQ(operator_.Messages().size(), 1u) << criterion;
        EXPECT_EQ(operator_.Messages()[0].text,
                  J("このコンテストでは、マルチ制をサポートしていませんので、マルチ関連の検索は"
                    "実行できません。"));
        EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - ログデータからの検索"));
        EXPECT_EQ(operator_.Messages()[0].style, kNotice);
        EXPECT_EQ(ProgressShows(), 0) << "refused before any scan";
    }
}

TEST_F(SearchCommand, CancelBeforeTheFirstEntryFindsNothingAndAsksAgain) {
    SetUpLog();
    operator_.CancelProgressAfterPumps(1);
    Search([](D& d) {
        d.SetSwitch(D::kCallSign, D::kMustMatch);
        d.SetEnteredCallSign("JA");
    });
    operator_.AnswerMessage(message_box::kIdOk);
    CancelDialog();
    EXPECT_TRUE(Found().empty());
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("与えられた条件に該当するデータが見つかりませんでした。"));
}

TEST_F(SearchCommand, CriteriaAreKeptForTheNextSearch) {
    SetUpLog();
    Search([](D& d) {
        d.SetSwitch(D::kCallSign, D::kMustMatch);
        d.SetEnteredCallSign("CCC");
    });
    EXPECT_EQ(Found(), std::vector<int>{2});
    Search([](D& d) {
        EXPECT_EQ(d.GetSwitch(D::kCallSign), D::kMustMatch);
        EXPECT_EQ(d.GetEnteredCallSign(), "CCC");
    });
    EXPECT_EQ(Found(), std::vector<int>{2});
}

// --- City code search. ---

TEST_F(SearchCommand, CityCodesWithoutRecordsRefuses) {
    SetUpLog();
    CCityCodeData_MainDataOrganization empty;
    doc_.SetCityCodeOrganization(&empty);
    operator_.AnswerMessage(message_box::kIdOk);
    RecordingResults results;
    EXPECT_FALSE(doc_.SearchCityCodeDatabase(results));
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("都市コードデータベースが存在しないため、都市コードデータベースからの検索は"
                "実行できません。"));
    EXPECT_EQ(operator_.Messages()[0].caption, J("クイルマーク - 警告"));
    EXPECT_TRUE(operator_.Dialogs().empty());
    doc_.SetCityCodeOrganization(nullptr);
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_FALSE(doc_.SearchCityCodeDatabase(results)) << "the same without any list";
    EXPECT_EQ(operator_.Messages().size(), 2u);
}

TEST_F(SearchCommand, CityCodeFoundRecordsGoIntoANewDocument) {
    SetUpLog();
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetCode(true, "10"); });
    RecordingResults results;
    EXPECT_TRUE(doc_.SearchCityCodeDatabase(results)) << operator_.Transcript();
    ASSERT_EQ(results.documents.size(), 1u);
    const auto& document = *results.documents[0];
    ASSERT_EQ(document.items.size(), 2u);
    EXPECT_EQ(document.items[0].GetField(0), "10");
    EXPECT_EQ(document.items[1].GetField(0), "110");
    EXPECT_EQ(document.titles,
              (std::vector<Cp932>{J("検索中..."), J("検索結果 - 2 個のデータが検出されました。")}));
    EXPECT_EQ(document.updates, 1);
    EXPECT_FALSE(document.closed);
    EXPECT_EQ(operator_.LastStatusText(), J("都市コードデータからの検索を完了しました。"));
    EXPECT_TRUE(operator_.Messages().empty());
    EXPECT_EQ(operator_.UnscriptedCount(), 0);
}

TEST_F(SearchCommand, WorkedMultipliersComeOnlyFromFirstEntries) {
    SetUpLog();
    // Entry 2 is not First; its 10 is worked anyway through entry 0. Add a 30 that is not First.
    Add(kTime + 200, "JA8DDD", "599/30", false, 1, "CW", true, "");
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetWorkedMultipliers(true); });
    RecordingResults results;
    ASSERT_TRUE(doc_.SearchCityCodeDatabase(results));
    ASSERT_EQ(results.documents.size(), 1u);
    std::vector<Cp932> codes;
    for (const auto& item : results.documents[0]->items) {
        codes.push_back(item.GetField(0));
    }
    EXPECT_EQ(codes, (std::vector<Cp932>{"10", "20"}));
    bool building_line = false;
    for (const auto& text : operator_.ProgressTexts()) {
        building_line =
            building_line ||
            text.starts_with(J("マルチデータを構築しています。しばらくお待ちください．．．"));
    }
    EXPECT_TRUE(building_line);
}

TEST_F(SearchCommand, WorkedMultipliersNeedEntriesAndAMultiplierParameter) {
    doc_.GetContest() = Contest();
    doc_.GetContest().AddBand(Band(7, 6));
    doc_.GetContest().SetActiveBand(Band(7, 6));
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetWorkedMultipliers(true); });
    operator_.AnswerMessage(message_box::kIdOk);
    operator_.AnswerDialog(message_box::kIdCancel);
    RecordingResults results;
    EXPECT_TRUE(doc_.SearchCityCodeDatabase(results));
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("ログデータが 1 局も入力されていない場合、「現在までに取得済みのマルチ」検索は"
                "実行できません。"));
    EXPECT_EQ(operator_.Messages()[0].caption,
              J("クイルマーク - 都市コードデータベースからの検索"));
    EXPECT_EQ(operator_.Messages()[0].style, kWarning);
    EXPECT_TRUE(results.documents.empty());
    EXPECT_EQ(operator_.LastStatusText(), J("都市コードデータからの検索を終了しました。"));

    operator_.ClearRecords();
    SetUpLog(-1);
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetWorkedMultipliers(true); });
    operator_.AnswerMessage(message_box::kIdOk);
    operator_.AnswerDialog(message_box::kIdCancel);
    EXPECT_TRUE(doc_.SearchCityCodeDatabase(results));
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("このコンテストでは、マルチ制をサポートしていませんので、マルチ関連の検索は"
                "実行できません。"));
    EXPECT_EQ(operator_.Messages()[0].style, kNotice);
    EXPECT_TRUE(results.documents.empty());
}

TEST_F(SearchCommand, CityCodeSearchThatFindsNothingClosesItsDocumentAndAsksAgain) {
    SetUpLog();
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetCode(true, "999"); });
    operator_.AnswerMessage(message_box::kIdOk);
    operator_.AnswerDialog(message_box::kIdCancel);
    RecordingResults results;
    EXPECT_TRUE(doc_.SearchCityCodeDatabase(results));
    ASSERT_EQ(results.documents.size(), 1u);
    EXPECT_TRUE(results.documents[0]->closed);
    EXPECT_TRUE(results.documents[0]->items.empty());
    ASSERT_EQ(operator_.Messages().size(), 1u);
    EXPECT_EQ(operator_.Messages()[0].text,
              J("与えられた条件に該当するデータが見つかりませんでした。"));
    EXPECT_EQ(operator_.Messages()[0].caption,
              J("クイルマーク - 都市コードデータベースからの検索"));
    EXPECT_EQ(operator_.Messages()[0].style, kNotice);
    EXPECT_EQ(operator_.LastStatusText(), J("都市コードデータからの検索を終了しました。"));
    EXPECT_EQ(operator_.UnscriptedCount(), 0);
}

TEST_F(SearchCommand, CityCodeProgressWindowShowsWithoutCancelThenEnablesIt) {
    SetUpLog();
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetCode(true, "1"); });
    RecordingResults results;
    ASSERT_TRUE(doc_.SearchCityCodeDatabase(results));
    std::vector<int> cancel_states;
    bool shown = false;
    for (const auto& event : operator_.Events()) {
        shown = shown || event.kind == Kind::progress_show;
        if (shown && event.kind == Kind::progress_cancel_button) {
            cancel_states.push_back(event.value);
        }
    }
    ASSERT_GE(cancel_states.size(), 2u) << operator_.Transcript();
    EXPECT_EQ(cancel_states.front(), 0);
    EXPECT_EQ(cancel_states.back(), 1);
    ASSERT_FALSE(operator_.ProgressTexts().empty());
    EXPECT_EQ(operator_.ProgressTexts()[0], J("クイルマーク - 都市コードデータベースからの検索"));
}

}  // namespace
