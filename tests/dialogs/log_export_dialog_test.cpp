#include "dialogs/log_export_dialog.h"

#include <gtest/gtest.h>

#include <functional>

#include "../document/document_test_util.h"
#include "dialogs/scripted_operator.h"
#include "platform/safe_file.h"

namespace {

using namespace doc_test;
using Field = CLogExportDialog::Field;

const int kQuestion = message_box::kOkCancel | message_box::kIconQuestion;

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

TEST(LogExportDialog, OkRefusesTheDialogsOwnFieldsWithTheWarningAndTheField) {
    const struct {
        const char* what;
        int format;
        std::function<void(CLogExportDialog&)> change;
        const char* warning;
        Field focus;
    } cases[] = {
        {"no file name", CLogExportDialog::kAdif, [](auto& d) { d.SetFileName(""); },
         "出力するファイルの名前を入力してください。", Field::file_name},
        {"no CONTEST", CLogExportDialog::kCabrillo, [](auto& d) { d.SetContestId(""); },
         "Cabrillo の形式では CONTEST（コンテスト名）が必要です。\n\n"
         "主催者が決めたコンテストの名前（例 JIDX-CW）を入力してください。",
         Field::contest},
        {"CONTEST with a blank", CLogExportDialog::kCabrillo,
         [](auto& d) { d.SetContestId("JIDX CW"); },
         "CONTEST（コンテスト名）には、半角の英字、数字と「-」だけを 32 文字まで入力できます。",
         Field::contest},
        {"Japanese CONTEST_ID", CLogExportDialog::kAdif,
         [](auto& d) { d.SetContestId(J("全市全郡")); },
         "CONTEST（コンテスト名）には、半角の英数字と記号だけを入力してください。", Field::contest},
        {"Japanese name", CLogExportDialog::kCabrillo, [](auto& d) { d.SetName(J("山田")); },
         "NAME（氏名）には、半角の英数字と記号だけを入力してください。\n"
         "Cabrillo の形式には日本語を書けません。",
         Field::name},
        {"Japanese soapbox line", CLogExportDialog::kCabrillo,
         [](auto& d) { d.SetSoapbox("Thanks\r\n" + J("また")); },
         "SOAPBOX（意見）には、半角の英数字と記号だけを入力してください。\n"
         "Cabrillo の形式には日本語を書けません。",
         Field::soapbox},
    };
    for (const auto& c : cases) {
        Filled f;
        f.dialog.SetFormat(c.format);
        c.change(f.dialog);
        EXPECT_FALSE(f.dialog.OnOK(f.op)) << c.what;
        EXPECT_EQ(MessagesOf(f.op),
                  (std::vector<Shown>{{c.warning, "クイルマーク - 警告", kWarning}}))
            << c.what;
        EXPECT_EQ(f.dialog.GetFocusField(), c.focus) << c.what;
    }
    // The same texts pass where the format does not use them.
    Filled jarl;
    jarl.dialog.SetName(J("山田"));
    jarl.dialog.SetContestId("");
    EXPECT_TRUE(jarl.dialog.OnOK(jarl.op));
}

TEST(LogExportDialog, TheCheckersRefusalStopsAndItsMissingFieldsAreAskedAbout) {
    Filled f;
    CLogExportDialog::ExportCheck check{J("出力できません。"), {}};
    f.dialog.SetChecker([&check](const CLogExportDialog&) { return check; });
    EXPECT_FALSE(f.dialog.OnOK(f.op));
    EXPECT_EQ(MessagesOf(f.op),
              (std::vector<Shown>{
                  {"出力できません。", "クイルマーク - ログデータの提出用出力", kWarning}}));
    check = {{}, {J("EMAIL（電子メール）")}};
    f.op.ClearRecords();
    f.op.AnswerMessage(message_box::kIdCancel);
    f.op.AnswerMessage(message_box::kIdOk);
    EXPECT_FALSE(f.dialog.OnOK(f.op));
    EXPECT_TRUE(f.dialog.OnOK(f.op));
    ASSERT_EQ(f.op.Messages().size(), 2u);
    EXPECT_EQ(U(f.op.Messages()[0].text),
              "次の必須の項目が空のまま出力されます。\n\n    EMAIL（電子メール）\n\n"
              "サマリーシート用情報の設定またはこのダイアログで入力できます。\n"
              "このまま出力しますか？");
    EXPECT_EQ(f.op.Messages()[0].style, kQuestion);
}

TEST(LogExportDialog, AnExistingFileIsReplacedOnlyAfterAskingUnlessTheFileDialogAsked) {
    Filled f;
    ASSERT_TRUE(safe_file::WriteFileSafely(f.dialog.GetFileName(), "old"));
    f.op.AnswerMessage(message_box::kIdCancel);
    EXPECT_FALSE(f.dialog.OnOK(f.op));
    EXPECT_EQ(f.dialog.GetFocusField(), Field::file_name);
    EXPECT_EQ(MessagesOf(f.op),
              (std::vector<Shown>{
                  {"ファイル「" + f.dialog.GetFileName() + "」は既にあります。\n置き換えますか？",
                   "クイルマーク - ログデータの提出用出力", kQuestion}}));
    f.dialog.SetChosenFileName(f.dialog.GetFileName());
    EXPECT_TRUE(f.dialog.OnOK(f.op));
    EXPECT_EQ(f.op.Messages().size(), 1u);
}

}  // namespace
