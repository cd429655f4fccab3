#include "document/quillmark_doc.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/contest_file.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "platform/progress_sink.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;
namespace fs = std::filesystem;

const int64_t kStart = Utc(2021, 6, 5, 0, 0);

// A document with a scripted operator and its own folders under a temporary folder.
class Document : public testing::Test {
protected:
    void SetUp() override {
        doc_.SetProgramFolder(folder_ / "program");
        doc_.SetUserDataFolder(folder_ / "user/data");
        fs::create_directory(folder_ / "program");
    }

    // The document's contest set up with one band per frequency (MHz), the first active.
    void SetUpContest(std::initializer_list<double> bands, int multiplier = 1) {
        doc_.GetContest() = Contest(multiplier);
        for (double band : bands) {
            doc_.GetContest().AddBand(Band(band, 6));
        }
        if (bands.size() > 0) {
            doc_.GetContest().SetActiveBandAt(0);
        }
    }
    CQuillmarkData_SubMainData& BandAt(int i) { return *doc_.GetContest().GetBandAt(i); }
    void Add(int band, int64_t time, std::string_view call, std::string_view received,
             int points = 1) {
        BandAt(band).AddEntry(Entry(doc_.GetContest(), time, call, "599/100", received, points));
    }

    TempFolder folder_;
    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
};

// --- Members and graph series. ---

TEST_F(Document, RebuildGraphDataSetsUpWholeContestSeriesHiddenWithTitlesAndWidePens) {
    SetUpContest({7, 14});
    ASSERT_EQ(doc_.RebuildGraphData(), 1);
    const char* titles[] = {"全体の局数", "全体のマルチ数", "全体の得点数"};
    for (int i = 0; i < 3; ++i) {
        const auto& series = *doc_.GetGraphSeries(i);
        EXPECT_TRUE(series.IsValid()) << i;
        EXPECT_EQ(series.IsShown(), 0) << i;
        EXPECT_EQ(series.GetTitle(), J(titles[i])) << i;
        EXPECT_EQ(series.GetPenWidth(), 5) << i;
        EXPECT_EQ(series.GetBucketLength(), 180) << i;
    }
}

TEST_F(Document, RebuildGraphDataGivesActiveBandSeriesTheirKindDefaults) {
    SetUpContest({7, 14});
    Add(0, kStart + 10, "JA1AAA", "599/13");
    Add(1, kStart + 10, "JA1BBB", "599/13");
    Add(1, kStart + 20, "JA1CCC", "599/14");
    doc_.GetContest().SetActiveBandAt(1);
    doc_.RebuildGraphData();
    const int shown[] = {1, 1, 0};
    for (int i = 3; i < 6; ++i) {
        const auto& series = *doc_.GetGraphSeries(i);
        EXPECT_TRUE(series.IsValid()) << i;
        EXPECT_EQ(series.IsShown(), shown[i - 3]) << i;
        EXPECT_EQ(series.GetPenWidth(), 1) << i;
        EXPECT_EQ(series.GetBucketLength(), 180) << i;
    }
    // The active-band series count the active band only; the whole-contest ones all bands.
    EXPECT_EQ(doc_.GetGraphSeries(3)->GetEventCount(), 2);
    EXPECT_EQ(doc_.GetGraphSeries(0)->GetEventCount(), 3);
}

TEST_F(Document, WholeContestSeriesKeepTheirShownFlagsActiveBandSeriesReturnToDefaults) {
    SetUpContest({7});
    doc_.RebuildGraphData();
    doc_.GetGraphSeries(0)->SetShown(true);
    doc_.GetGraphSeries(2)->SetShown(true);
    doc_.GetGraphSeries(3)->SetShown(false);
    doc_.GetGraphSeries(5)->SetShown(true);

    // A band is added and made active.
    doc_.GetContest().AddBand(Band(14, 6));
    doc_.GetContest().SetActiveBandAt(1);
    Add(1, kStart + 5, "JA1AAA", "599/13");
    doc_.RebuildGraphData();

    EXPECT_EQ(doc_.GetGraphSeries(0)->IsShown(), 1);
    EXPECT_EQ(doc_.GetGraphSeries(1)->IsShown(), 0);
    EXPECT_EQ(doc_.GetGraphSeries(2)->IsShown(), 1);
    EXPECT_EQ(doc_.GetGraphSeries(3)->IsShown(), 1);
    EXPECT_EQ(doc_.GetGraphSeries(5)->IsShown(), 0);
    EXPECT_EQ(doc_.GetGraphSeries(3)->GetEventCount(), 1);
}

TEST_F(Document, NoMultiplierParameterLeavesBothMultiplierSeriesNotValid) {
    SetUpContest({7}, -1);
    doc_.RebuildGraphData();
    EXPECT_FALSE(doc_.GetGraphSeries(1)->IsValid());
    EXPECT_FALSE(doc_.GetGraphSeries(4)->IsValid());
    for (int i : {0, 2, 3, 5}) {
        EXPECT_TRUE(doc_.GetGraphSeries(i)->IsValid()) << i;
    }
}

// --- RebuildLogData. ---

TEST_F(Document, RebuildLogDataSortsEveryBandAndAssignsFirstAgain) {
    SetUpContest({7, 14});
    Add(0, kStart + 300, "JA1CCC", "599/13");
    Add(0, kStart + 100, "JA1AAA", "599/13");
    Add(0, kStart + 200, "JA1BBB", "599/14");
    Add(1, kStart + 50, "JA1DDD", "599/13");
    ASSERT_EQ(doc_.RebuildLogData(CQuillmarkDoc::kRebuildSortAndFirst), 1);
    const auto& band = BandAt(0);
    EXPECT_EQ(band.GetEntryAt(0)->GetTime(), kStart + 100);
    EXPECT_EQ(band.GetEntryAt(1)->GetTime(), kStart + 200);
    EXPECT_EQ(band.GetEntryAt(2)->GetTime(), kStart + 300);
    EXPECT_EQ(band.GetEntryAt(0)->GetFirst(), 1);
    EXPECT_EQ(band.GetEntryAt(1)->GetFirst(), 1);
    EXPECT_EQ(band.GetEntryAt(2)->GetFirst(), 0);
    EXPECT_EQ(BandAt(1).GetEntryAt(0)->GetFirst(), 1);
    // Sort-and-First leaves the graph series alone.
    EXPECT_FALSE(doc_.GetGraphSeries(0)->IsValid());
}

// --- Lookups. ---

TEST_F(Document, FindCallSignComparesMainParametersOnTheActiveBandOnly) {
    SetUpContest({7, 14});
    Add(0, kStart + 1, "JA1AAA", "599/13");
    Add(0, kStart + 2, "JA1BBB/1", "599/13");
    Add(0, kStart + 3, "JA1BBB", "599/14");
    Add(1, kStart + 4, "JA1CCC", "599/14");
    EXPECT_EQ(doc_.FindCallSign("JA1AAA"), 0);
    // The first of two earlier contacts, whatever the other parameters.
    EXPECT_EQ(doc_.FindCallSign("JA1BBB"), 1);
    // Worked on another band only: not a duplicate here.
    EXPECT_EQ(doc_.FindCallSign("JA1CCC"), -2);
    // Byte for byte: case matters, parts do not match.
    EXPECT_EQ(doc_.FindCallSign("ja1aaa"), -2);
    EXPECT_EQ(doc_.FindCallSign("JA1AA"), -2);
}

TEST_F(Document, FindCallSignSpotsTheOwnCallSignEvenOnAnEmptyBand) {
    SetUpContest({7});
    EXPECT_EQ(doc_.FindCallSign("JA1ZZZ"), -1);
    Add(0, kStart + 1, "JA1ZZZ/2", "599/13");
    EXPECT_EQ(doc_.FindCallSign("JA1ZZZ"), -1);
}

TEST_F(Document, FindMultiplierLooksAtTheMultiplierParameterOfTheActiveBand) {
    SetUpContest({7, 14});
    Add(0, kStart + 1, "JA1AAA", "599/13");
    Add(0, kStart + 2, "JA1BBB", "13/14");
    Add(1, kStart + 3, "JA1CCC", "599/15");
    EXPECT_EQ(doc_.FindMultiplier("13"), 0);
    EXPECT_EQ(doc_.FindMultiplier("14"), 1);
    EXPECT_EQ(doc_.FindMultiplier("15"), -1);
    EXPECT_EQ(doc_.FindMultiplier("599"), -1);
}

TEST_F(Document, FindCityCodeSearchesEveryOpenDatabase) {
    CCityCodeData_MainData first;
    CCityCodeData_MainData second;
    auto add = [](CCityCodeData_MainData& database, const char* code, const char* name) {
        CCityCodeData_CityCodeDataItem item;
        item.SetFields(code, J(name), "ﾖﾐ");
        database.AddItem(item);
    };
    add(first, "1001", "札幌市");
    add(first, "1002", "小樽市");
    add(second, "1001", "重複市");
    city_codes_.Register(&first);
    city_codes_.Register(&second);

    EXPECT_EQ(doc_.FindCityCode(-1, 0, "1001", true), 0);
    EXPECT_EQ(doc_.FindCityCode(0, 0, "1001", true), 2);
    EXPECT_EQ(doc_.FindCityCode(-1, 1, J("樽"), false), 1);
    EXPECT_EQ(doc_.FindCityCode(-1, 1, J("樽"), true), -1);
    EXPECT_EQ(doc_.FindCityCode(-1, 0, "100", false), 0);
    EXPECT_EQ(doc_.FindCityCode(-2, 0, "1001", true), -1);
    EXPECT_EQ(doc_.FindCityCode(2, 0, "1001", true), -1);
    EXPECT_EQ(doc_.FindCityCode(-1, 3, "1001", true), -1);
    EXPECT_EQ(doc_.FindCityCode(-1, 0, "", false), -1);

    doc_.SetCityCodeOrganization(nullptr);
    EXPECT_EQ(doc_.FindCityCode(-1, 0, "1001", true), -1);
}

// --- Saving and loading. ---

TEST_F(Document, SaveShowsTheStatusTextsAndClearsModified) {
    SetUpContest({7});
    Add(0, kStart + 1, "JA1AAA", "599/13");
    doc_.SetModifiedFlag(true);
    const std::string path = folder_ / "log.qmk";
    ASSERT_TRUE(doc_.OnSaveDocument(path)) << operator_.Transcript();
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(operator_.StatusTexts(),
              (std::vector<Cp932>{J("ファイルに書き込んでいます。しばらくお待ちください．．．"),
                                  J("ファイルへの書き込みを完了しました。")}));
    EXPECT_TRUE(operator_.Messages().empty());
}

TEST_F(Document, OpenReadsTheContestBackAndSetsUpTheGraphs) {
    SetUpContest({7, 14});
    Add(0, kStart + 1, "JA1AAA", "599/13");
    const std::string path = folder_ / "log.qmk";
    ASSERT_TRUE(doc_.OnSaveDocument(path));

    CScriptedOperator op;
    CQuillmarkDoc other(op, settings_, &city_codes_);
    other.SetModifiedFlag(true);
    ASSERT_TRUE(other.OnOpenDocument(path)) << op.Transcript();
    EXPECT_TRUE(other.GetContest() == doc_.GetContest());
    EXPECT_EQ(other.GetPathName(), path);
    EXPECT_EQ(other.GetTitle(), "log.qmk");
    EXPECT_FALSE(other.IsModified());
    EXPECT_TRUE(other.GetGraphSeries(0)->IsValid());
    EXPECT_TRUE(other.GetGraphSeries(3)->IsValid());
    ASSERT_FALSE(op.StatusTexts().empty());
    EXPECT_EQ(op.StatusTexts().front(),
              J("ファイルから読み込んでいます。しばらくお待ちください．．．"));
}

TEST_F(Document, OpenOfADamagedFileTellsTheOperatorAndLeavesTheDocumentEmpty) {
    const std::string path = folder_ / "bad.qmk";
    std::ofstream(path) << "not a contest";
    SetUpContest({7});
    ASSERT_FALSE(doc_.OnOpenDocument(path));
    EXPECT_FALSE(doc_.GetContest().IsValid());
    EXPECT_EQ(doc_.GetContest().GetBandCount(), 0);
    EXPECT_TRUE(doc_.GetPathName().empty());
    ASSERT_EQ(operator_.Messages().size(), 1u);
    const auto& message = operator_.Messages()[0];
    EXPECT_EQ(message.caption, J("クイルマーク"));
    EXPECT_EQ(message.Icon(), message_box::kIconExclamation);
    EXPECT_EQ(message.text.rfind(J("ファイル「") + path + J("」を開けませんでした。\n\n"), 0), 0u)
        << operator_.Transcript();
    EXPECT_EQ(operator_.LastStatusText(), J("ファイルの読み込みに失敗しました。"));
}

TEST_F(Document, FailedSaveTellsTheOperatorAndStaysModified) {
    SetUpContest({7});
    doc_.SetModifiedFlag(true);
    const std::string path = folder_ / "gone/log.qmk";
    EXPECT_FALSE(doc_.OnSaveDocument(path));
    EXPECT_TRUE(doc_.IsModified());
    ASSERT_EQ(operator_.Messages().size(), 1u);
    const auto& message = operator_.Messages()[0];
    EXPECT_EQ(message.caption, J("クイルマーク"));
    EXPECT_EQ(message.style, message_box::kOk | message_box::kIconExclamation);
    EXPECT_EQ(message.text.rfind(J("ファイル「") + path + J("」に保存できませんでした。\n\n"), 0),
              0u);
    const Cp932 ending = J("\n\nこのログデータは、まだ保存されていません。");
    EXPECT_EQ(message.text.substr(message.text.size() - ending.size()), ending);
    EXPECT_EQ(operator_.LastStatusText(), J("ファイルへの書き込みに失敗しました。"));
}

TEST_F(Document, SaveOnAFullDiskKeepsTheOldFileAndTheDocumentModified) {
    SetUpContest({7});
    for (int i = 0; i < 3000; ++i) {
        Add(0, kStart + i, "JA1AAA", "599/13");
    }
    const std::string path = folder_ / "log.qmk";
    std::ofstream(path) << "old";
    doc_.SetModifiedFlag(true);
    const sighandler_t old_handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit old_limit{};
    ::getrlimit(RLIMIT_FSIZE, &old_limit);
    rlimit limit = old_limit;
    limit.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool saved = doc_.OnSaveDocument(path);
    ::setrlimit(RLIMIT_FSIZE, &old_limit);
    ::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(saved);
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(operator_.Messages().size(), 1u);
    std::ifstream in(path);
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "old");
}

// --- Automatic saving. ---

class AutomaticSave : public Document {
protected:
    void SetUp() override {
        Document::SetUp();
        SetUpContest({7});
        Add(0, kStart + 1, "JA1AAA", "599/13");
        doc_.SetModifiedFlag(true);
    }
    std::string Program(const std::string& name) { return folder_ / ("program/" + name); }
};

struct PathListener : IDocumentListener {
    void OnPathNameChanged(CDocumentBase& document, bool add_to_recent) override {
        paths.push_back(document.GetPathName());
        recent.push_back(add_to_recent);
    }
    std::vector<std::string> paths;
    std::vector<bool> recent;
};

TEST_F(AutomaticSave, NewDocumentBecomesTmp1InTheProgramFolder) {
    PathListener listener;
    doc_.AddListener(&listener);
    EXPECT_EQ(doc_.SaveAutomatically(true), 1) << operator_.Transcript();
    EXPECT_EQ(doc_.GetPathName(), Program("Tmp_1.qmk"));
    EXPECT_EQ(listener.paths, std::vector<std::string>{Program("Tmp_1.qmk")});
    EXPECT_EQ(listener.recent, std::vector<bool>{true});
    EXPECT_FALSE(doc_.IsModified());
    CQuillmarkData_MainData loaded;
    CNullProgressSink sink;
    ASSERT_TRUE(contest_file::Load(Program("Tmp_1.qmk"), kDelimiters, loaded, sink).loaded);
    EXPECT_TRUE(loaded == doc_.GetContest());
    doc_.RemoveListener(&listener);
}

TEST_F(AutomaticSave, TakesTheSmallestFreeNumber) {
    std::ofstream(Program("Tmp_1.qmk")) << "someone else's";
    std::ofstream(Program("Tmp_3.qmk")) << "someone else's";
    EXPECT_EQ(doc_.SaveAutomatically(true), 1);
    EXPECT_EQ(doc_.GetPathName(), Program("Tmp_2.qmk"));
    std::ifstream in(Program("Tmp_1.qmk"));
    std::string content;
    std::getline(in, content);
    EXPECT_EQ(content, "someone else's");
}

TEST_F(AutomaticSave, ANameThatCannotBeReadIsStillTaken) {
    // A dangling link cannot be opened for reading, but saving there would write through it.
    fs::create_symlink(folder_ / "nowhere/file", Program("Tmp_1.qmk"));
    fs::create_directory(Program("Tmp_2.qmk"));
    EXPECT_EQ(doc_.SaveAutomatically(true), 1);
    EXPECT_EQ(doc_.GetPathName(), Program("Tmp_3.qmk"));
    EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
}

TEST_F(AutomaticSave, UnwritableProgramFolderFallsBackToTheUserDataFolder) {
    doc_.SetProgramFolder(folder_ / "no such folder");
    EXPECT_EQ(doc_.SaveAutomatically(true), 1) << operator_.Transcript();
    EXPECT_EQ(doc_.GetPathName(), folder_ / "user/data/Tmp_1.qmk");
    EXPECT_TRUE(fs::is_regular_file(folder_ / "user/data/Tmp_1.qmk"));
}

TEST_F(AutomaticSave, ProgramFolderWithTrailingSeparatorGivesACleanName) {
    doc_.SetProgramFolder(folder_ / "program/");
    EXPECT_EQ(doc_.SaveAutomatically(true), 1);
    EXPECT_EQ(doc_.GetPathName(), Program("Tmp_1.qmk"));
}

TEST_F(AutomaticSave, SettingOffWritesNothing) {
    settings_.SetIsAutomaticSavingEnabled(0);
    EXPECT_EQ(doc_.SaveAutomatically(true), 0);
    EXPECT_TRUE(doc_.GetPathName().empty());
    EXPECT_TRUE(fs::is_empty(folder_ / "program"));
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_TRUE(operator_.Events().empty());
}

TEST_F(AutomaticSave, DocumentWithAPathIsSavedThere) {
    const std::string path = folder_ / "mine.qmk";
    doc_.SetPathName(path);
    EXPECT_EQ(doc_.SaveAutomatically(true), 1);
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_FALSE(doc_.IsModified());
    // Not modified any more: nothing to do.
    EXPECT_EQ(doc_.SaveAutomatically(true), 0);
}

TEST_F(AutomaticSave, FailedSaveIsReportedAndTheDocumentStaysModified) {
    // Neither folder can take a file: the program folder is missing and the user data
    // folder's parent is a file.
    doc_.SetProgramFolder(folder_ / "missing");
    std::ofstream(folder_ / "blocker") << "x";
    doc_.SetUserDataFolder(folder_ / "blocker/data");
    EXPECT_EQ(doc_.SaveAutomatically(true), 0);
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(operator_.Messages().size(), 1u);
}

TEST_F(Document, RebuildsNeedAValidContest) {
    EXPECT_EQ(doc_.RebuildGraphData(), 0);
    EXPECT_EQ(doc_.RebuildLogData(CQuillmarkDoc::kRebuildSortAndFirst), 0);
    EXPECT_EQ(doc_.RebuildLogData(CQuillmarkDoc::kRebuildFull), 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(doc_.GetGraphSeries(i)->IsValid());
    }
}

TEST_F(Document, FindCallSignWithoutActiveBandOrContestFindsNothing) {
    EXPECT_EQ(doc_.FindCallSign("JA1AAA"), -2);
    SetUpContest({});
    EXPECT_EQ(doc_.FindCallSign("JA1AAA"), -2);
    EXPECT_EQ(doc_.FindCallSign("JA1ZZZ"), -1);
}

TEST_F(Document, FindMultiplierWithoutMultiplierParameterIsMinusTwo) {
    SetUpContest({7}, -1);
    Add(0, kStart + 1, "JA1AAA", "599/13");
    EXPECT_EQ(doc_.FindMultiplier("13"), -2);
    doc_.GetContest() = Contest();
    EXPECT_EQ(doc_.FindMultiplier("13"), -1);  // no active band
}
}  // namespace
