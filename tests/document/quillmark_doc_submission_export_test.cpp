// The submission export command, as a session at the radio: the dialog the operator sees
// filled in, the answers given, the texts shown and the file written.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/log_export_dialog.h"
#include "doc_session.h"
#include "submission_contest.h"
#include "submission_readers.h"

namespace {

using namespace doc_test;

const char* const kCaption = "クイルマーク - ログデータの提出用出力";
const char* const kWorking =
    "ログデータを提出用の形式で出力しています。しばらくお待ちください．．．";
const char* const kCancelled = "ログデータの提出用出力を中止しました。";

class SubmissionExportCommand : public DocSession {
protected:
    SubmissionExportCommand() {
        doc_.GetContest() = submission_test::Contest();
        settings_.SetName(J("山田　太郎"));
    }
    // The operator chooses a format, a file in the test folder, changes what work says, and
    // presses OK (the checks run as the widget runs them).
    void AnswerExport(int format, const std::string& file,
                      std::function<void(CLogExportDialog&)> work = {}) {
        operator_.AnswerDialog(message_box::kIdOk, [=, this](CDialogState& state, int) {
            auto& dialog = dynamic_cast<CLogExportDialog&>(state);
            seen_ = dialog;
            dialog.SetFormat(format);
            dialog.SetFileName(folder_ / file);
            if (work) {
                work(dialog);
            }
            EXPECT_TRUE(dialog.OnOK(operator_)) << operator_.Transcript();
        });
    }
    std::string Written(const std::string& file) const {
        return platform_test::ReadAll(folder_ / file);
    }

    CLogExportDialog seen_;
};

TEST_F(SubmissionExportCommand, WithoutContactsRefusesBeforeTheDialog) {
    doc_.GetContest().GetBandAt(0)->RemoveAllEntries();
    doc_.GetContest().GetBandAt(1)->RemoveAllEntries();
    EXPECT_FALSE(doc_.ExportLogDataForSubmission());
    EXPECT_EQ(Messages(),
              (std::vector<Shown>{
                  {"ログデータが 1 件も入力されていないため、このコマンドは利用できません。",
                   kCaption, kWarning}}));
    EXPECT_TRUE(operator_.Dialogs().empty());
}

TEST_F(SubmissionExportCommand, TheDialogStartsFromTheContestAndTheSettingsAndCancelEnds) {
    operator_.AnswerDialog(message_box::kIdCancel, [this](CDialogState& state, int) {
        seen_ = dynamic_cast<CLogExportDialog&>(state);
    });
    EXPECT_FALSE(doc_.ExportLogDataForSubmission());
    EXPECT_EQ(seen_.GetFormat(), CLogExportDialog::kJarl);
    EXPECT_EQ(seen_.GetFileName(), "JA1ZZZ.txt");
    EXPECT_TRUE(seen_.IsUtc());  // the session shows UTC
    EXPECT_EQ(seen_.GetCategory(CLogExportDialog::kBand), "ALL");
    EXPECT_EQ(seen_.GetCategory(CLogExportDialog::kMode), "MIXED");
    EXPECT_EQ(U(seen_.GetName()), "山田　太郎");
    seen_.SetFormat(CLogExportDialog::kAdif);
    EXPECT_EQ(seen_.GetFileName(), "JA1ZZZ.adi");
    EXPECT_EQ(Statuses(), Texts{kCancelled});
}

TEST_F(SubmissionExportCommand, AdifIsWrittenWithProgressAndTheClosingTextCountsTheCommentLeftOut) {
    AnswerExport(CLogExportDialog::kAdif, "log.adi");
    EXPECT_TRUE(doc_.ExportLogDataForSubmission()) << operator_.Transcript();
    EXPECT_EQ(submission_read::ReadAdif(Written("log.adi")).records.size(), 4u);
    EXPECT_EQ(Statuses(),
              (Texts{kWorking,
                     "ADIF に書けない日本語などの 1 項目を省いて、ログデータの提出用出力を"
                     "完了しました。"}));
    EXPECT_EQ(U(operator_.ProgressTexts()[0]), kCaption);
    EXPECT_EQ(U(operator_.ProgressTexts()[1]), std::string(kWorking) + "\n[形式] ： ADIF 3.1.6\n" +
                                                   "[ファイル] ： " + (folder_ / "log.adi"));
    EXPECT_TRUE(operator_.Messages().empty());
    ExpectAllScripted();
}

TEST_F(SubmissionExportCommand, JarlSaysWhichRequiredTagsStayEmptyAndTheOperatorGoesOn) {
    AnswerExport(CLogExportDialog::kJarl, "log.txt",
                 [](CLogExportDialog& dialog) { dialog.SetEmail("ja1zzz@example.jp"); });
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(doc_.ExportLogDataForSubmission());
    EXPECT_EQ(
        Messages(),
        (std::vector<Shown>{{"次の必須の項目が空のまま出力されます。\n\n"
                             "    ADDRESS（住所）\n"
                             "    POWER（指定されている空中線電力）\n"
                             "    SIGNATURE（社団の代表者氏名／氏名）\n\n"
                             "サマリーシート用情報の設定またはこのダイアログで入力できます。\n"
                             "このまま出力しますか？",
                             kCaption, message_box::kOkCancel | message_box::kIconQuestion}}));
    const submission_read::Log log = submission_read::ReadJarl(Written("log.txt"));
    EXPECT_EQ(log.contacts.size(), 4u);
    EXPECT_EQ(log.contacts[0].time, "0930");  // UTC, as the session shows it
    EXPECT_EQ(Statuses().back(), "ログデータの提出用出力を完了しました。");
    ExpectAllScripted();
}

TEST_F(SubmissionExportCommand, CancelDuringTheWriteLeavesNoFile) {
    AnswerExport(CLogExportDialog::kAdif, "log.adi");
    operator_.CancelProgressAfterPumps(1);
    EXPECT_FALSE(doc_.ExportLogDataForSubmission());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "log.adi"));
    EXPECT_EQ(Statuses(), (Texts{kWorking, kCancelled}));
    EXPECT_FALSE(operator_.IsProgressShown());
}

TEST_F(SubmissionExportCommand, AWriteErrorIsShownAndEndsTheCommand) {
    AnswerExport(CLogExportDialog::kAdif, "missing/log.adi");
    EXPECT_FALSE(doc_.ExportLogDataForSubmission());
    EXPECT_EQ(Messages(),
              (std::vector<Shown>{{"ファイル「" + (folder_ / "missing/log.adi") +
                                       "」に書き込めませんでした。\n\ncannot create a file in its "
                                       "folder: No such file or directory\n\n書きかけのファイルは"
                                       "残していません。",
                                   kCaption, kWarning}}));
    EXPECT_EQ(Statuses().back(), kCancelled);
}

}  // namespace
