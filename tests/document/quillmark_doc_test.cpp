#include "document/quillmark_doc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <utility>

#include "doc_session.h"
#include "document/contest_file.h"
#include "document/open_documents.h"
#include "platform/progress_sink.h"

namespace {

using namespace doc_test;
namespace fs = std::filesystem;

const int64_t kStart = Utc(2021, 6, 5, 0, 0);

class Document : public DocSession {
protected:
    void SetUp() override {
        doc_.SetProgramFolder(folder_ / "program");
        doc_.SetUserDataFolder(folder_ / "user/data");
        fs::create_directory(folder_ / "program");
    }
    std::string Program(const std::string& name) { return folder_ / ("program/" + name); }
};

// --- Graph series and rebuilds. ---

// The whole contest's series are hidden with wide pens and keep their shown flags; the active
// band's follow their kind, count the active band only and return to their defaults.
TEST_F(Document, RebuildGraphDataSetsUpTheSeriesOfTheContestAndOfTheActiveBand) {
    std::string seen;
    const auto series = [&](const std::string& when) {
        seen += when + ":\n";
        for (int i = 0; i < CQuillmarkDoc::kSeriesCount; ++i) {
            const auto& s = *std::as_const(doc_).GetGraphSeries(i);
            seen += "  " +
                    (!s.IsValid() ? std::string("-")
                                  : U(s.GetTitle()) + " shown " + std::to_string(s.IsShown()) +
                                        " pen " + std::to_string(s.GetPenWidth()) + " bucket " +
                                        std::to_string(s.GetBucketLength()) + " events " +
                                        std::to_string(s.GetEventCount())) +
                    "\n";
        }
    };
    series("no contest");
    SetUpContest({7, 14}, 1);
    Add(0, kStart + 10, "JA1AAA", "599/13", true);
    Add(1, kStart + 10, "JA1BBB", "599/13", true);
    Add(1, kStart + 20, "JA1CCC", "599/14", true);
    ASSERT_EQ(doc_.RebuildGraphData(), 1);
    series("14 MHz active");
    for (const auto& [i, shown] : {std::pair{0, true}, {2, true}, {3, false}, {5, true}}) {
        doc_.GetGraphSeries(i)->SetShown(shown);
    }
    Log().SetActiveBandAt(0);
    doc_.RebuildGraphData();
    series("flags changed, then 7 MHz active");
    ExpectGolden("graph_series", seen);
}

TEST_F(Document, NoMultiplierParameterLeavesBothMultiplierSeriesNotValid) {
    SetUpContest({7}, 0, -1);
    doc_.RebuildGraphData();
    ExpectSeen("no_multiplier_series");
}

TEST_F(Document, RebuildLogDataSortsEveryBandAndAssignsFirstAgainButLeavesTheGraphs) {
    SetUpContest({7, 14});
    Add(0, kStart + 300, "JA1CCC", "599/13");
    Add(0, kStart + 100, "JA1AAA", "599/13");
    Add(0, kStart + 200, "JA1BBB", "599/14");
    Add(1, kStart + 50, "JA1DDD", "599/13");
    ASSERT_EQ(doc_.RebuildLogData(CQuillmarkDoc::kRebuildSortAndFirst), 1);
    ExpectSeen("rebuild_log_data");
}

// Without a contest every command returns at once and tells the operator nothing.
TEST_F(Document, EveryCommandWithoutAContestDoesNothingSilently) {
    COpenDocumentList open;
    open.Add(&doc_);
    for (const int done : std::initializer_list<int>{
             doc_.AddNewBand(), doc_.ChangeBandSettings(), doc_.DeleteExistingBand(Band(7, 6)),
             doc_.ActivateBand(Band(7, 6)), doc_.ChangeContest(), doc_.InputLogData(false),
             doc_.CleanLogData(), doc_.ImportLogData(open), doc_.RebuildGraphData(),
             doc_.RebuildLogData(CQuillmarkDoc::kRebuildSortAndFirst),
             doc_.RebuildLogData(CQuillmarkDoc::kRebuildFull)}) {
        EXPECT_EQ(done, 0);
    }
    ExpectSeen("no_contest_commands");
}

// --- Lookups. ---

TEST_F(Document, FindCallSignComparesMainParametersOnTheActiveBandOnly) {
    EXPECT_EQ(doc_.FindCallSign("JA1AAA"), -2) << "no contest";
    SetUpContest({7, 14}, -1);
    EXPECT_EQ(doc_.FindCallSign("JA1AAA"), -2) << "no active band";
    EXPECT_EQ(doc_.FindCallSign("JA1ZZZ"), -1) << "the own call sign, even so";
    Log().SetActiveBandAt(0);
    Add(0, kStart + 1, "JA1AAA", "599/13");
    Add(0, kStart + 2, "JA1BBB/1", "599/13");
    Add(0, kStart + 3, "JA1BBB", "599/14");
    Add(0, kStart + 4, "JA1ZZZ/2", "599/14");
    Add(1, kStart + 5, "JA1CCC", "599/14");
    // JA1BBB: the first of two earlier contacts, whatever the other parameters; JA1CCC: worked
    // on another band only; byte for byte: case matters, parts do not match.
    for (const auto& [call, found] : {std::pair{"JA1AAA", 0},
                                      {"JA1BBB", 1},
                                      {"JA1ZZZ", -1},
                                      {"JA1CCC", -2},
                                      {"ja1aaa", -2},
                                      {"JA1AA", -2}}) {
        EXPECT_EQ(doc_.FindCallSign(call), found) << call;
    }
}

TEST_F(Document, FindMultiplierLooksAtTheMultiplierParameterOfTheActiveBand) {
    SetUpContest({7, 14}, -1);
    EXPECT_EQ(doc_.FindMultiplier("13"), -1) << "no active band";
    Log().SetActiveBandAt(0);
    Add(0, kStart + 1, "JA1AAA", "599/13");
    Add(0, kStart + 2, "JA1BBB", "13/14");
    Add(1, kStart + 3, "JA1CCC", "599/15");
    for (const auto& [multiplier, found] :
         {std::pair{"13", 0}, {"14", 1}, {"15", -1}, {"599", -1}}) {
        EXPECT_EQ(doc_.FindMultiplier(multiplier), found) << multiplier;
    }
    SetUpContest({7}, 0, -1);
    Add(0, kStart + 1, "JA1AAA", "599/13");
    EXPECT_EQ(doc_.FindMultiplier("13"), -2) << "no multiplier parameter";
}

// The search itself is the organisation's; the document only asks every open database.
TEST_F(Document, FindCityCodeSearchesEveryOpenDatabase) {
    CCityCodeData_MainData second;
    for (auto [database, code, name] :
         {std::tuple{&city_database_, "1001", "札幌市"},
          std::tuple{&city_database_, "1002", "小樽市"}, std::tuple{&second, "1001", "重複市"}}) {
        CCityCodeData_CityCodeDataItem item;
        item.SetFields(code, J(name), "ﾖﾐ");
        database->AddItem(item);
    }
    city_codes_.Register(&city_database_);
    city_codes_.Register(&second);
    EXPECT_EQ(doc_.FindCityCode(0, 0, "1001", true), 2);
    EXPECT_EQ(doc_.FindCityCode(-1, 1, J("樽"), false), 1);
    doc_.SetCityCodeOrganization(nullptr);
    EXPECT_EQ(doc_.FindCityCode(-1, 0, "1001", true), -1);
}

// --- Saving and loading. ---

TEST_F(Document, SaveThenOpenReadsTheContestBackWithTheStatusTexts) {
    SetUpContest({7, 14});
    Add(0, kStart + 1, "JA1AAA", "599/13");
    doc_.SetModifiedFlag(true);
    const std::string path = folder_ / "log.qmk";
    ASSERT_TRUE(doc_.OnSaveDocument(path)) << operator_.Transcript();
    ExpectSeen("document_saved");

    CScriptedOperator op;
    CQuillmarkDoc other(op, settings_, &city_codes_);
    other.SetModifiedFlag(true);
    ASSERT_TRUE(other.OnOpenDocument(path)) << op.Transcript();
    EXPECT_TRUE(other.GetContest() == Log());
    EXPECT_EQ(other.GetPathName(), path);
    EXPECT_EQ(other.GetTitle(), "log.qmk");
    EXPECT_FALSE(other.IsModified());
    EXPECT_TRUE(other.GetGraphSeries(0)->IsValid());
    EXPECT_TRUE(other.GetGraphSeries(3)->IsValid());
    EXPECT_EQ(StatusesOf(op).at(0), "ファイルから読み込んでいます。しばらくお待ちください．．．");
}

TEST_F(Document, OpenOfADamagedFileTellsTheOperatorAndLeavesTheDocumentEmpty) {
    const std::string path = folder_ / "bad.qmk";
    std::ofstream(path) << "not a contest";
    SetUpContest({7});
    ASSERT_FALSE(doc_.OnOpenDocument(path));
    EXPECT_TRUE(doc_.GetPathName().empty());
    ExpectSeen("document_open_damaged");
}

TEST_F(Document, FailedSaveTellsTheOperatorAndStaysModified) {
    SetUpContest({7});
    doc_.SetModifiedFlag(true);
    const std::string path = folder_ / "gone/log.qmk";
    EXPECT_FALSE(doc_.OnSaveDocument(path));
    ExpectSeen("document_save_failed");
}

// --- Automatic saving. ---

class AutomaticSave : public Document {
protected:
    void SetUp() override {
        Document::SetUp();
        settings_.SetIsAutomaticSavingEnabled(1);
        SetUpContest({7});
        Add(0, kStart + 1, "JA1AAA", "599/13");
        doc_.SetModifiedFlag(true);
    }
};

struct PathListener : IDocumentListener {
    void OnPathNameChanged(CDocumentBase& document, bool add_to_recent) override {
        paths.push_back(document.GetPathName() + (add_to_recent ? " recent" : ""));
    }
    Texts paths;
};

TEST_F(AutomaticSave, NewDocumentBecomesTmp1InTheProgramFolder) {
    PathListener listener;
    doc_.AddListener(&listener);
    EXPECT_EQ(doc_.SaveAutomatically(true), 1) << operator_.Transcript();
    doc_.RemoveListener(&listener);
    EXPECT_EQ(doc_.GetPathName(), Program("Tmp_1.qmk"));
    EXPECT_EQ(listener.paths, Texts{Program("Tmp_1.qmk") + " recent"});
    EXPECT_FALSE(doc_.IsModified());
    CQuillmarkData_MainData loaded;
    CNullProgressSink sink;
    ASSERT_TRUE(contest_file::Load(Program("Tmp_1.qmk"), kDelimiters, loaded, sink).loaded);
    EXPECT_TRUE(loaded == Log());
}

TEST_F(AutomaticSave, TakesTheSmallestFreeNameInAFolderItCanWrite) {
    const struct {
        const char* what;
        std::function<void()> setup;
        std::string expected;  // under the test's folder
    } cases[] = {
        {"others' files",
         [this] {
             std::ofstream(Program("Tmp_1.qmk")) << "someone else's";
             std::ofstream(Program("Tmp_3.qmk")) << "someone else's";
         },
         "program/Tmp_2.qmk"},
        // A dangling link cannot be opened for reading, but saving there would write through it.
        {"names that cannot be read",
         [this] {
             fs::create_symlink(folder_ / "nowhere/file", Program("Tmp_1.qmk"));
             fs::create_directory(Program("Tmp_2.qmk"));
         },
         "program/Tmp_3.qmk"},
        {"unwritable program folder", [this] { doc_.SetProgramFolder(folder_ / "no such folder"); },
         "user/data/Tmp_1.qmk"},
        {"trailing separator", [this] { doc_.SetProgramFolder(folder_ / "program/"); },
         "program/Tmp_1.qmk"},
    };
    for (const auto& c : cases) {
        fs::remove_all(folder_ / "program");
        fs::create_directory(folder_ / "program");
        doc_.SetProgramFolder(folder_ / "program");
        doc_.SetPathName("", false);
        doc_.SetModifiedFlag(true);
        c.setup();
        EXPECT_EQ(doc_.SaveAutomatically(true), 1) << c.what << operator_.Transcript();
        EXPECT_EQ(doc_.GetPathName(), folder_ / c.expected) << c.what;
        EXPECT_TRUE(fs::is_regular_file(folder_ / c.expected)) << c.what;
    }
    EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
}

TEST_F(AutomaticSave, SettingOffWritesNothingAPathIsSavedToUnlessUnmodified) {
    settings_.SetIsAutomaticSavingEnabled(0);
    EXPECT_EQ(doc_.SaveAutomatically(true), 0);
    EXPECT_TRUE(doc_.GetPathName().empty());
    EXPECT_TRUE(fs::is_empty(folder_ / "program"));
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_TRUE(operator_.Events().empty());

    settings_.SetIsAutomaticSavingEnabled(1);
    const std::string path = folder_ / "mine.qmk";
    doc_.SetPathName(path);
    EXPECT_EQ(doc_.SaveAutomatically(true), 1);
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(doc_.SaveAutomatically(true), 0);
}

TEST_F(AutomaticSave, FailedSaveIsReportedAndTheDocumentStaysModified) {
    // Neither folder can take a file: the program folder is missing and the user data
    // folder's parent is a file.
    doc_.SetProgramFolder(folder_ / "missing");
    std::ofstream(folder_ / "blocker") << "x";
    doc_.SetUserDataFolder(folder_ / "blocker/data");
    EXPECT_EQ(doc_.SaveAutomatically(true), 0);
    ExpectSeen("automatic_save_failed");
}

}  // namespace
