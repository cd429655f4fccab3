#include "ui/app/crash_recovery.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "../cli/sample_contest.h"
#include "dialogs/scripted_operator.h"
#include "document/contest_file.h"
#include "platform/file_lock.h"
#include "platform/progress_sink.h"
#include "ui_test_util.h"

namespace fs = std::filesystem;

namespace {

using ui_test::J;

TEST(CrashRecovery, OnlyTheNamesOfAutomaticSavesCount) {
    struct Case {
        const char* name;
        bool counts;
    } const cases[] = {
        {"Tmp_1.qmk", true},        {"Tmp_9999.qmk", true}, {"Tmp_10000.qmk", false},
        {"Tmp_01.qmk", false},      {"Tmp_.qmk", false},    {"Tmp_1.qmk.lock", false},
        {".Tmp_1.qmk.lock", false}, {"tmp_1.qmk", false},   {"Tmp_1a.qmk", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(crash_recovery::IsAutomaticSaveName(c.name), c.counts) << c.name;
    }
}

class Leftovers : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        path_ = folder_.path().toStdString();
    }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }
    void SaveContest(const std::string& name, int contacts) const {
        const CQuillmarkData_MainData contest = sample::MakeContest(1, contacts);
        CNullProgressSink sink;
        ASSERT_TRUE(contest_file::Save(Path(name), contest, sink));
        const timespec times[2] = {{1700003600, 0}, {1700003600, 0}};
        ::utimensat(AT_FDCWD, Path(name).c_str(), times, 0);
    }

    QTemporaryDir folder_;
    std::string path_;
};

TEST_F(Leftovers, AreTheAutomaticSavesNoRunningProgramHoldsInNumberOrder) {
    for (const char* name :
         {"Tmp_10.qmk", "Tmp_2.qmk", "Tmp_1.qmk", "Tmp_3.qmk", "Tmp_02.qmk", "log.qmk"}) {
        std::ofstream(Path(name)) << "x";
    }
    fs::create_directory(Path("Tmp_4.qmk"));
    // Tmp_3.qmk is open in a running program: this test's own process.
    const std::string self = fs::read_symlink("/proc/self/exe").filename().string();
    std::ofstream(file_lock::LockFilePathOf(Path("Tmp_3.qmk"))) << ::getpid() << "\n"
                                                                << self << "\n"
                                                                << file_lock::HostName() << "\n";
    // Tmp_2.qmk's lock was left by a program that is gone.
    std::ofstream(file_lock::LockFilePathOf(Path("Tmp_2.qmk"))) << ::getpid() << "\nquillmark\n"
                                                                << file_lock::HostName() << "\n";
    EXPECT_EQ(crash_recovery::FindLeftovers(path_, crash_recovery::IsHeldByRunningProgram),
              (std::vector<std::string>{Path("Tmp_1.qmk"), Path("Tmp_2.qmk"), Path("Tmp_10.qmk")}));
}

TEST_F(Leftovers, EachIsOpenedDeletedOrKeptAsTheOperatorAnswers) {
    SaveContest("Tmp_1.qmk", 2);
    std::ofstream(Path("Tmp_2.qmk")) << "damaged";
    SaveContest("Tmp_3.qmk", 0);
    SaveContest("Tmp_4.qmk", 1);
    CScriptedOperator op;
    op.AnswerMessage(message_box::kIdYes);     // Tmp_1: open
    op.AnswerMessage(message_box::kIdNo);      // Tmp_2: delete …
    op.AnswerMessage(message_box::kIdOk);      // … yes, really
    op.AnswerMessage(message_box::kIdNo);      // Tmp_3: delete …
    op.AnswerMessage(message_box::kIdCancel);  // … no, after all
    op.AnswerMessage(message_box::kIdCancel);  // Tmp_4: keep
    std::vector<std::string> opened;
    crash_recovery::OfferLeftovers(op, path_, "/", CTimeZoneRule::Utc(),
                                   [&](const std::string& path) { opened.push_back(path); });
    EXPECT_EQ(opened, std::vector<std::string>{Path("Tmp_1.qmk")});
    EXPECT_FALSE(fs::exists(Path("Tmp_2.qmk")));
    EXPECT_TRUE(fs::exists(Path("Tmp_3.qmk")));
    EXPECT_TRUE(fs::exists(Path("Tmp_4.qmk")));
    EXPECT_EQ(op.UnusedAnswerCount(), 0);
    const auto& shown = op.Messages();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(Cp932ToUtf8(shown[0].text),
              "前回の自動保存ファイルが見つかりました。前回は、ログデータを保存する前に終了した可"
              "能性があります。\n\nファイル ： " +
                  Path("Tmp_1.qmk") +
                  "\n保存日時 ： 2023/11/14 23:13:20\n内容 ： テスト コンテスト、ログデータ 2 件"
                  "\n\n［はい］ このファイルを開きます。\n［いいえ］ このファイルを削除します。"
                  "\n［キャンセル］ このまま残します (次回の起動時に、もう一度確認します)。");
    EXPECT_EQ(shown[0].caption, J("クイルマーク - 自動保存ファイルの復元"));
    EXPECT_EQ(shown[0].style, message_box::kYesNoCancel | message_box::kIconQuestion);
    EXPECT_NE(Cp932ToUtf8(shown[1].text).find("内容 ： 読み込めません (not a known data file)"),
              std::string::npos);
    EXPECT_EQ(Cp932ToUtf8(shown[2].text), "自動保存ファイル「" + Path("Tmp_2.qmk") +
                                              "」を削除します。削除したログデータは、元に戻せませ"
                                              "ん。\n\nよろしいですか？");
    EXPECT_EQ(shown[2].style,
              message_box::kOkCancel | message_box::kIconQuestion | message_box::kDefaultButton2);
}

}  // namespace
