#include "document/document_saving.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "doc_session.h"

namespace {

namespace fs = std::filesystem;

class DocumentSavingTest : public doc_test::DocSession {
protected:
    void SetUp() override {
        doc_.GetContest() = doc_test::Contest();
        doc_.SetModifiedFlag(true);
    }
};

TEST_F(DocumentSavingTest, ClosingAModifiedDocumentAsksAndOnlyCancelKeepsIt) {
    operator_.AnswerMessage(message_box::kIdCancel);
    EXPECT_FALSE(document_saving::SaveModified(doc_, operator_, "Quillmark1"));
    operator_.AnswerMessage(message_box::kIdNo);
    EXPECT_TRUE(document_saving::SaveModified(doc_, operator_, "Quillmark1"));
    EXPECT_TRUE(doc_.IsModified());  // discarded, not saved

    // Yes on a document without a name asks for one; cancelling that keeps the document.
    operator_.AnswerMessage(message_box::kIdYes);
    operator_.AnswerFileName(std::nullopt);
    EXPECT_FALSE(document_saving::SaveModified(doc_, operator_, "Quillmark1"));
    EXPECT_EQ(operator_.FileRequests().back().default_name, "Quillmark1");
    const std::string path = folder_ / "new.qmk";
    operator_.AnswerMessage(message_box::kIdYes);
    operator_.AnswerFileName(path);
    EXPECT_TRUE(document_saving::SaveModified(doc_, operator_, "Quillmark1"));
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_TRUE(fs::exists(path));
    EXPECT_TRUE(document_saving::SaveModified(doc_, operator_, "x"));  // nothing to ask now
    ExpectSeen("save_modified_on_closing");
}

TEST_F(DocumentSavingTest, SaveGoesToTheOwnPathUnlessSaveAsIsAsked) {
    const std::string first = folder_ / "a.qmk";
    operator_.AnswerFileName(first);
    EXPECT_TRUE(document_saving::DoSave(doc_, operator_, false, "Quillmark1"));
    EXPECT_EQ(doc_.GetPathName(), first);
    doc_.SetModifiedFlag(true);
    EXPECT_TRUE(document_saving::DoSave(doc_, operator_, false, "Quillmark1"));
    EXPECT_EQ(operator_.FileRequests().size(), 1u);
    operator_.AnswerFileName(std::nullopt);
    EXPECT_FALSE(document_saving::DoSave(doc_, operator_, true, "Quillmark1"));
    EXPECT_EQ(operator_.FileRequests().back().default_name, "a.qmk");
}

}  // namespace
