#include "document/document_saving.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "citycode/city_code_organization.h"
#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "document_test_util.h"
#include "settings/quillmark_system.h"

namespace {

using doc_test::J;
namespace fs = std::filesystem;

class DocumentSavingTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc_.GetContest() = doc_test::Contest();
        doc_.SetModifiedFlag(true);
    }

    doc_test::TempFolder folder_;
    CScriptedOperator op_;
    CQuillmarkSystem settings_;
    CCityCodeData_MainDataOrganization city_codes_;
    CQuillmarkDoc doc_{op_, settings_, &city_codes_};
};

TEST_F(DocumentSavingTest, ClosingAModifiedDocumentAsksAndOnlyCancelKeepsIt) {
    op_.AnswerMessage(message_box::kIdCancel);
    EXPECT_FALSE(document_saving::SaveModified(doc_, op_, "Quillmark1"));
    ASSERT_EQ(op_.Messages().size(), 1u);
    EXPECT_EQ(op_.Messages()[0].text, J("Quillmark1 への変更を保存しますか?"));
    EXPECT_EQ(op_.Messages()[0].Buttons(), message_box::kYesNoCancel);
    op_.AnswerMessage(message_box::kIdNo);
    EXPECT_TRUE(document_saving::SaveModified(doc_, op_, "Quillmark1"));
    EXPECT_TRUE(doc_.IsModified());  // discarded, not saved

    // Yes on a document without a name asks for one; cancelling that keeps the document.
    op_.AnswerMessage(message_box::kIdYes);
    op_.AnswerFileName(std::nullopt);
    EXPECT_FALSE(document_saving::SaveModified(doc_, op_, "Quillmark1"));
    EXPECT_EQ(op_.FileRequests().back().default_name, "Quillmark1");
    const std::string path = folder_ / "new.qmk";
    op_.AnswerMessage(message_box::kIdYes);
    op_.AnswerFileName(path);
    EXPECT_TRUE(document_saving::SaveModified(doc_, op_, "Quillmark1"));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(document_saving::SaveModified(doc_, op_, "x"));  // nothing to ask now
    EXPECT_EQ(op_.Messages().size(), 4u);
}

TEST_F(DocumentSavingTest, SaveGoesToTheOwnPathUnlessSaveAsIsAsked) {
    const std::string first = folder_ / "a.qmk";
    op_.AnswerFileName(first);
    EXPECT_TRUE(document_saving::DoSave(doc_, op_, false, "Quillmark1"));
    EXPECT_EQ(doc_.GetPathName(), first);
    doc_.SetModifiedFlag(true);
    EXPECT_TRUE(document_saving::DoSave(doc_, op_, false, "Quillmark1"));
    EXPECT_EQ(op_.FileRequests().size(), 1u);
    op_.AnswerFileName(std::nullopt);
    EXPECT_FALSE(document_saving::DoSave(doc_, op_, true, "Quillmark1"));
    EXPECT_EQ(op_.FileRequests().back().default_name, "a.qmk");
}

}  // namespace
