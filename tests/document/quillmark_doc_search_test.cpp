#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "dialogs/city_code_search_dialog.h"
#include "dialogs/log_data_search_dialog.h"
#include "doc_session.h"
#include "document/city_code_result_sink.h"

namespace {

using namespace doc_test;
using D = CLogDataSearchDialog;

// The application's side of a city code search: every document it opened, with what arrived
// there noted as "results N: ...".
class RecordingResults : public ICityCodeResultSink {
public:
    explicit RecordingResults(std::string& noted) : noted_(noted) {}
    struct Document : ICityCodeResultDocument {
        Document(std::string& noted, int number)
            : noted(noted), name("results " + std::to_string(number) + ": ") {}
        void SetTitle(const Cp932& title) override { noted += name + "title " + U(title) + "\n"; }
        void AddItem(const CCityCodeData_CityCodeDataItem& item) override {
            noted += name + "item " + item.GetField(0) + "\n";
        }
        void UpdateAllViews() override { noted += name + "update\n"; }
        void Close() override { noted += name + "closed\n"; }
        std::string& noted;
        std::string name;
    };
    ICityCodeResultDocument* OpenNewDocument() override {
        documents_.push_back(std::make_unique<Document>(noted_, documents_.size() + 1));
        return documents_.back().get();
    }

private:
    std::string& noted_;
    std::vector<std::unique_ptr<Document>> documents_;
};

class SearchCommand : public DocSession {
protected:
    void SetUp() override {
        for (const char* line :
             {"10:札幌市:さっぽろし", "20:旭川市:あさひかわし", "110:小樽市:おたるし"}) {
            CCityCodeData_CityCodeDataItem item;
            ASSERT_TRUE(item.SetFromLine(J(line)));
            city_database_.AddItem(item);
        }
        CCityCodeData_CityCodeDataItem hakodate;
        hakodate.SetFields("30", J("函館市"), J("はこだてし"));
        extra_.AddItem(hakodate);
        city_codes_.Register(&city_database_);
        city_codes_.Register(&extra_);
    }

    // Entries 0 … 3 of the active band.
    void SetUpLog(int multiplier = 1) {
        SetUpContest({7}, 0, multiplier);
        Add(0, kTime, "JA1AAA", "599/10", true);
        Add(0, kTime + 60, "JA1BBB/1", "599/20", true);
        Add(0, kTime + 120, "JA2CCC", "59/10", false);
        Add(0, kTime + 120, "JA1AAB", "599/99", true);
    }

    // The operator fills the log search dialog and presses "検索開始"; the check must pass.
    void Search(std::function<void(D&)> fill) {
        operator_.AnswerDialog(message_box::kIdOk, [fill](CDialogState& state, int) {
            auto& dialog = dynamic_cast<D&>(state);
            fill(dialog);
            const auto check = dialog.OnSearchStart();
            EXPECT_TRUE(check.ok()) << U(check.message);
        });
    }
    void SearchCityCodes(std::function<void(CCityCodeSearchDialog&)> fill) {
        operator_.AnswerDialog(message_box::kIdOk, [fill](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CCityCodeSearchDialog&>(state);
            fill(dialog);
            EXPECT_TRUE(dialog.OnSearchStart().ok());
        });
    }
    // A refusal or a search that found nothing: OK on the message, Cancel on the dialog.
    void AnswerNothingFound() {
        operator_.AnswerMessage(message_box::kIdOk);
        operator_.AnswerDialog(message_box::kIdCancel);
    }

    std::vector<int> Found(bool expected_result = true) {
        std::vector<int> found = {-7};
        EXPECT_EQ(doc_.SearchLogData(found), expected_result) << operator_.Transcript();
        EXPECT_EQ(operator_.UnscriptedCount(), 0) << operator_.Transcript();
        EXPECT_FALSE(operator_.IsProgressShown());
        return found;
    }

    CCityCodeData_MainData extra_;
};

// --- Log search. ---

TEST_F(SearchCommand, WithoutActiveBandOrEntriesRefusesBeforeTheDialog) {
    SetUpContest({7}, -1);
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(Found(false).empty());
    Log().SetActiveBandAt(0);
    operator_.AnswerMessage(message_box::kIdOk);
    Found(false);
    ExpectSeen("search_refused_before_the_dialog");
}

TEST_F(SearchCommand, FirstRunOffersTheContestPeriodAndCancelEndsIt) {
    SetUpLog();
    operator_.AnswerDialog(message_box::kIdCancel, [this](CDialogState& state, int) {
        const auto& dialog = dynamic_cast<D&>(state);
        NoteShown("from " + std::to_string(dialog.GetEnteredFrom()) + " to " +
                  std::to_string(dialog.GetEnteredTo()));
    });
    EXPECT_TRUE(Found().empty());
    ExpectSeen("search_cancelled_at_once");
}

TEST_F(SearchCommand, FindsEntriesInStoredOrderWithTheProgressWindow) {
    SetUpLog();
    Search([](D& d) {
        d.SetSwitch(D::kCallSign, D::kMustMatch);
        d.SetEnteredCallSign("JA1");
    });
    EXPECT_EQ(Found(), (std::vector<int>{0, 1, 3}));
    ExpectSeen("search_found");

    // A call sign typed with a comma is searched with the slash.
    Search([](D& d) { d.SetEnteredCallSign("BBB,1"); });
    EXPECT_EQ(Found(), std::vector<int>{1});
}

TEST_F(SearchCommand, CriteriaAndTheAcceptedRangeAreOfferedTheNextTime) {
    SetUpLog();
    // A range with equal ends finds the contacts of that second.
    Search([](D& d) {
        d.SetSwitch(D::kDateTime, D::kMustMatch);
        d.SetEnteredRange(kTime + 120, kTime + 120);
        d.SetSwitch(D::kCallSign, D::kMustMatch);
        d.SetEnteredCallSign("CCC");
    });
    EXPECT_EQ(Found(), std::vector<int>{2});
    Search([](D& d) {
        EXPECT_EQ(d.GetEnteredFrom(), kTime + 120);
        EXPECT_EQ(d.GetSwitch(D::kCallSign), D::kMustMatch);
        EXPECT_EQ(d.GetEnteredCallSign(), "CCC");
        d.SetSwitch(D::kCallSign, D::kOff);
    });
    EXPECT_EQ(Found(), (std::vector<int>{2, 3}));
}

TEST_F(SearchCommand, NothingFoundIsToldAndTheDialogRunsAgain) {
    SetUpLog();
    // Every comment contains the empty text.
    Search([](D& d) { d.SetSwitch(D::kComment, D::kMustNotMatch); });
    AnswerNothingFound();
    EXPECT_TRUE(Found().empty());

    // Cancel before the first entry finds nothing either.
    operator_.CancelProgressAfterPumps(1);
    Search([](D& d) {
        d.SetSwitch(D::kComment, D::kOff);
        d.SetSwitch(D::kCallSign, D::kMustMatch);
        d.SetEnteredCallSign("JA");
    });
    AnswerNothingFound();
    EXPECT_TRUE(Found().empty());
    ExpectSeen("search_nothing_found");
}

TEST_F(SearchCommand, MultiplierCriteriaAreRefusedWithoutAMultiplierParameter) {
    for (const int criterion : {D::kFirst, D::kMultiplierNotInDatabase}) {
        doc_.GetLogDataSearchDialog() = D(kTime);
        SetUpLog(-1);
        Search([criterion](D& d) { d.SetSwitch(criterion, D::kMustMatch); });
        AnswerNothingFound();
        EXPECT_TRUE(Found().empty());
    }
    // Refused before any scan.
    ExpectSeen("search_multiplier_criteria_refused");
}

// --- City code search. ---

TEST_F(SearchCommand, CityCodesWithoutRecordsRefuses) {
    SetUpLog();
    CCityCodeData_MainDataOrganization empty;
    RecordingResults results(noted_);
    for (const CCityCodeData_MainDataOrganization* codes : {&empty, (decltype(&empty))nullptr}) {
        doc_.SetCityCodeOrganization(codes);
        operator_.AnswerMessage(message_box::kIdOk);
        EXPECT_FALSE(doc_.SearchCityCodeDatabase(results));
    }
    ExpectSeen("search_city_codes_without_records");
}

TEST_F(SearchCommand, CityCodeFoundRecordsGoIntoANewDocument) {
    SetUpLog();
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetCode(true, "10"); });
    RecordingResults results(noted_);
    EXPECT_TRUE(doc_.SearchCityCodeDatabase(results)) << operator_.Transcript();
    // The progress window shows without Cancel, which it enables once the search runs.
    ExpectSeen("search_city_codes_found");
}

TEST_F(SearchCommand, WorkedMultipliersComeOnlyFromFirstEntries) {
    SetUpLog();
    // Entry 2 is not First; its 10 is worked anyway through entry 0. A 30 that is not First.
    Add(0, kTime + 200, "JA8DDD", "599/30");
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetWorkedMultipliers(true); });
    RecordingResults results(noted_);
    ASSERT_TRUE(doc_.SearchCityCodeDatabase(results));
    ExpectSeen("search_worked_multipliers");
}

TEST_F(SearchCommand, WorkedMultipliersNeedEntriesAndAMultiplierParameter) {
    for (const bool entries : {false, true}) {
        if (entries) {
            SetUpLog(-1);
        } else {
            SetUpContest({7}, 0, 1);
        }
        SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetWorkedMultipliers(true); });
        AnswerNothingFound();
        RecordingResults results(noted_);
        EXPECT_TRUE(doc_.SearchCityCodeDatabase(results));
    }
    ExpectSeen("search_worked_multipliers_refused");
}

TEST_F(SearchCommand, CityCodeSearchThatFindsNothingClosesItsDocumentAndAsksAgain) {
    SetUpLog();
    SearchCityCodes([](CCityCodeSearchDialog& d) { d.SetCode(true, "999"); });
    AnswerNothingFound();
    RecordingResults results(noted_);
    EXPECT_TRUE(doc_.SearchCityCodeDatabase(results));
    ExpectSeen("search_city_codes_nothing_found");
}

}  // namespace
