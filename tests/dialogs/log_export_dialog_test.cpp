#include "dialogs/log_export_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include <sstream>

#include "dialog_golden.h"
#include "platform/safe_file.h"

namespace {

using namespace dialog_test;
// A dialog as the document fills it, with a file name that does not exist yet.
struct Filled {
    TempFolder folder;
    CLogExportDialog dialog;
    CScriptedOperator op;
    Filled() {
        for (int i = 0; i < CLogExportDialog::kFormatCount; ++i) {
            dialog.SetFileType(i, std::vector<std::string>{"txt", "cbr", "adi"}[i], "filter");
        }
        dialog.SetDefaultFileName(folder.Path(), "JA1ZZZ");
        dialog.SetContestId("JIDX-CW");
    }
};

TEST(LogExportDialog, TheFileNameFollowsTheFormatUnlessTheOperatorChangedItsExtension) {
    Filled f;
    f.dialog.SetFormat(CLogExportDialog::kCabrillo);
    EXPECT_EQ(f.dialog.GetFileName(), f.folder / "JA1ZZZ.cbr");
    EXPECT_EQ(f.dialog.GetFileNameRequest().default_name, f.folder / "JA1ZZZ.cbr");
    EXPECT_EQ(f.dialog.GetFileNameRequest().default_extension, "cbr");
    f.dialog.SetFileName("log.em");
    f.dialog.SetFormat(CLogExportDialog::kAdif);
    EXPECT_EQ(f.dialog.GetFileName(), "log.em");
    // JST or UTC per format; ADIF knows only UTC.
    f.dialog.SetUtc(CLogExportDialog::kAdif, false);
    EXPECT_TRUE(f.dialog.IsUtc());
    EXPECT_FALSE(f.dialog.IsUtc(CLogExportDialog::kJarl));
    EXPECT_TRUE(f.dialog.IsUtc(CLogExportDialog::kCabrillo));
}

// What OK said to each case (and the field it focuses, as numbered in Field), in the golden
// file: the dialog's own fields, the checker's refusal and its missing fields (cancelled,
// then accepted), and an existing file (asked about, then chosen in the file dialog).
TEST(LogExportDialog, OkRefusesWithTheWarningAndTheFieldAndAsksBeforeReplacing) {
    const struct {
        const char* what;
        int format;
        std::function<void(CLogExportDialog&)> change;
    } cases[] = {
        {"no file name", CLogExportDialog::kAdif, [](auto& d) { d.SetFileName(""); }},
        {"no CONTEST", CLogExportDialog::kCabrillo, [](auto& d) { d.SetContestId(""); }},
        {"CONTEST with a blank", CLogExportDialog::kCabrillo,
         [](auto& d) { d.SetContestId("JIDX CW"); }},
        {"Japanese CONTEST_ID", CLogExportDialog::kAdif,
         [](auto& d) { d.SetContestId(J("全市全郡")); }},
        {"Japanese name", CLogExportDialog::kCabrillo, [](auto& d) { d.SetName(J("山田")); }},
        {"Japanese soapbox line", CLogExportDialog::kCabrillo,
         [](auto& d) { d.SetSoapbox("Thanks\r\n" + J("また")); }},
        // The same texts pass where the format does not use them.
        {"JARL with a Japanese name and no CONTEST", CLogExportDialog::kJarl,
         [](auto& d) {
             d.SetName(J("山田"));
             d.SetContestId("");
         }},
    };
    std::ostringstream seen;
    const auto ok = [&seen](Filled& f, const char* what) {
        const bool accepted = f.dialog.OnOK(f.op);
        seen << what << ": " << accepted << ", focus " << static_cast<int>(f.dialog.GetFocusField())
             << " " << Told(f.op);
    };
    for (const auto& c : cases) {
        Filled f;
        f.dialog.SetFormat(c.format);
        c.change(f.dialog);
        ok(f, c.what);
    }
    Filled f;
    CLogExportDialog::ExportCheck check{J("出力できません。"), {}};
    f.dialog.SetChecker([&check](const CLogExportDialog&) { return check; });
    ok(f, "the checker refuses");
    check = {{}, {J("EMAIL（電子メール）")}};
    f.op.AnswerMessage(message_box::kIdCancel);
    ok(f, "a missing field, cancelled");
    f.op.AnswerMessage(message_box::kIdOk);
    ok(f, "a missing field, accepted");

    Filled existing;
    ASSERT_TRUE(safe_file::WriteFileSafely(existing.dialog.GetFileName(), "old"));
    existing.op.AnswerMessage(message_box::kIdCancel);
    ok(existing, "an existing file, not replaced");
    existing.dialog.SetChosenFileName(existing.dialog.GetFileName());
    ok(existing, "an existing file chosen in the file dialog");
    std::string text = seen.str();
    text.replace(text.find(existing.folder.Path()), existing.folder.Path().size(), "FOLDER");
    ExpectGolden("dialogs/log_export_checks", text);
}

}  // namespace
