#include <gtest/gtest.h>

#include <filesystem>

#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document/text_export.h"
#include "document_test_util.h"
#include "model/band_data.h"
#include "platform/safe_file.h"
#include "settings/quillmark_system.h"

namespace {

using namespace doc_test;

const int64_t kTime = Utc(2021, 6, 5, 9, 30);
constexpr int kWarning = message_box::kOk | message_box::kIconExclamation;

class TextExportCommand : public testing::Test {
protected:
    void SetUp() override { settings_.SetIsDisplayUTC(1); }

    void SetUpLog() {
        doc_.GetContest() = Contest();
        doc_.GetContest().AddBand(Band(7, 6));
        doc_.GetContest().AddBand(Band(1200, 6));
        auto first = Entry(doc_.GetContest(), kTime, "JA1ABC", "599/100", "599/13", 1, "CW");
        first.SetFirst(true);
        doc_.GetContest().GetBandAt(0)->AddEntry(first);
        doc_.GetContest().GetBandAt(1)->AddEntry(
            Entry(doc_.GetContest(), kTime + 60, "JA1AB", "59/100", "59/13", 2, ""));
    }

    // The single message shown, checked for the caption and icon of this command.
    Cp932 OnlyMessage() const {
        EXPECT_EQ(operator_.Messages().size(), 1u) << operator_.Transcript();
        if (operator_.Messages().empty()) {
            return {};
        }
        const auto& message = operator_.Messages()[0];
        EXPECT_EQ(message.caption, J("クイルマーク - ログデータのテキスト出力"));
        EXPECT_EQ(message.style, kWarning);
        return message.text;
    }

    TempFolder folder_;
    CScriptedOperator operator_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{operator_, settings_, &city_codes_};
};

TEST_F(TextExportCommand, WithoutBandRefusesBeforeAskingForAFile) {
    doc_.GetContest() = Contest();
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    EXPECT_EQ(OnlyMessage(), J("周波数帯が 1 つも存在しないため、このコマンドは利用できません。"));
    EXPECT_TRUE(operator_.FileRequests().empty());
}

TEST_F(TextExportCommand, AsksForASaveFileNamedAfterTheOwnCallSign) {
    SetUpLog();
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    ASSERT_EQ(operator_.FileRequests().size(), 1u);
    const FileNameRequest& request = operator_.FileRequests()[0];
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.title, J("クイルマーク - ログデータのテキスト出力"));
    EXPECT_EQ(request.filter, J("ﾃｷｽﾄ化されたﾛｸﾞ (*.log)|*.log|すべてのﾌｧｲﾙ (*.*)|*.*||"));
    EXPECT_EQ(request.default_name, "JA1ZZZ");
    EXPECT_EQ(request.default_extension, "log");
    EXPECT_TRUE(request.prompt_overwrite);
    EXPECT_TRUE(request.hide_read_only);
}

TEST_F(TextExportCommand, CancelledFileDialogEndsWithTheStatusText) {
    SetUpLog();
    operator_.AnswerFileName(std::nullopt);
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    EXPECT_TRUE(operator_.Messages().empty());
    EXPECT_EQ(operator_.StatusTexts(),
              std::vector<Cp932>{J("ログデータのテキスト出力を中止しました。")});
}

TEST_F(TextExportCommand, WritesEveryBandInUtcWhenTheSettingSaysSo) {
    SetUpLog();
    const std::string path = folder_ / "JA1ZZZ.log";
    operator_.AnswerFileName(path);
    EXPECT_TRUE(doc_.ExportLogDataAsText()) << operator_.Transcript();
    std::string bytes;
    ASSERT_TRUE(safe_file::ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes,
              "7      CW        05/06/21 0930  JA1ABC    599 100     599 13      13      1\r\n"
              "1200             05/06/21 0931  JA1AB     59  100     59  13              2\r\n");
    EXPECT_EQ(operator_.LastStatusText(), J("ログデータのテキスト出力を完了しました。"));
    EXPECT_TRUE(operator_.Messages().empty());
    EXPECT_EQ(operator_.UnscriptedCount(), 0);
}

TEST_F(TextExportCommand, FileThatCannotBeCreatedGivesTheOpenMessage) {
    SetUpLog();
    operator_.AnswerFileName(folder_ / "missing/out.log");
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    EXPECT_EQ(OnlyMessage(), J("ファイルのオープンに失敗しました。"));
}

TEST_F(TextExportCommand, WriteErrorIsReportedAndTheCommandEndsCancelled) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    SetUpLog();
    operator_.AnswerFileName("/dev/full");
    EXPECT_FALSE(doc_.ExportLogDataAsText());
    EXPECT_EQ(OnlyMessage(),
              J("ファイルへの書き込みに失敗しました。\nディスクの空き容量が足りません。"));
    EXPECT_EQ(operator_.LastStatusText(), J("ログデータのテキスト出力を中止しました。"));
}

}  // namespace
