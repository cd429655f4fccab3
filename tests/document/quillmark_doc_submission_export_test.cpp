// The submission export command, as a session at the radio: the dialog the operator sees
// filled in, the answers given, the texts shown and the file written.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "dialogs/log_export_dialog.h"
#include "doc_session.h"
#include "submission_contest.h"

namespace {

using namespace doc_test;

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
    ExpectSeen("submission_export_refused");
}

TEST_F(SubmissionExportCommand, TheDialogStartsFromTheContestAndTheSettingsAndCancelEnds) {
    operator_.AnswerDialog(message_box::kIdCancel, [this](CDialogState& state, int) {
        seen_ = dynamic_cast<CLogExportDialog&>(state);
    });
    EXPECT_FALSE(doc_.ExportLogDataForSubmission());
    // UTC as the session shows it; the file name follows the format.
    noted_ = "dialog: format " + std::to_string(seen_.GetFormat()) + ", " + seen_.GetFileName() +
             ", utc " + std::to_string(seen_.IsUtc()) + ", " +
             seen_.GetCategory(CLogExportDialog::kBand) + " " +
             seen_.GetCategory(CLogExportDialog::kMode) + ", " + U(seen_.GetName()) + "\n";
    seen_.SetFormat(CLogExportDialog::kAdif);
    noted_ += "as ADIF: " + seen_.GetFileName() + "\n";
    ExpectSeen("submission_export_cancelled");
}

TEST_F(SubmissionExportCommand, AdifIsWrittenWithProgressAndTheClosingTextCountsTheCommentLeftOut) {
    AnswerExport(CLogExportDialog::kAdif, "log.adi");
    EXPECT_TRUE(doc_.ExportLogDataForSubmission()) << operator_.Transcript();
    const std::string adif = Written("log.adi");
    EXPECT_EQ(std::count(adif.begin(), adif.end(), '\n'), 2 + 4) << adif;  // header, 4 records
    ExpectSeen("submission_export_adif");
}

TEST_F(SubmissionExportCommand, JarlSaysWhichRequiredTagsStayEmptyAndTheOperatorGoesOn) {
    AnswerExport(CLogExportDialog::kJarl, "log.txt",
                 [](CLogExportDialog& dialog) { dialog.SetEmail("ja1zzz@example.jp"); });
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_TRUE(doc_.ExportLogDataForSubmission());
    ExpectSeen("submission_export_jarl_empty_tags");
    // In UTC, as the session shows it.
    EXPECT_NE(Written("log.txt").find("\r\n2021-06-05 09:30 7 CW JA1ABC"), std::string::npos);
}

TEST_F(SubmissionExportCommand, CancelDuringTheWriteLeavesNoFile) {
    AnswerExport(CLogExportDialog::kAdif, "log.adi");
    operator_.CancelProgressAfterPumps(1);
    EXPECT_FALSE(doc_.ExportLogDataForSubmission());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "log.adi"));
    EXPECT_FALSE(operator_.IsProgressShown());
    ExpectSeen("submission_export_cancelled_while_writing");
}

TEST_F(SubmissionExportCommand, AWriteErrorIsShownAndEndsTheCommand) {
    AnswerExport(CLogExportDialog::kAdif, "missing/log.adi");
    EXPECT_FALSE(doc_.ExportLogDataForSubmission());
    ExpectSeen("submission_export_write_error");
}

}  // namespace
