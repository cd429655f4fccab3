// Saving a contest when the disk refuses: what the operator is told, what is left on disk,
// and that nothing is lost for the next save. Also the read-only document and automatic-save
// names that another program takes.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "../platform/safe_file_faults.h"
#include "doc_session.h"
#include "document/contest_file.h"
#include "document/document_saving.h"
#include "platform/progress_sink.h"
#include "platform/safe_file.h"

namespace {

using namespace doc_test;
namespace fs = std::filesystem;
using safe_file::Step;

const int64_t kStart = Utc(2021, 6, 5, 0, 0);

using safe_file_faults::Set;

std::string Bytes(const std::string& path) {
    std::string bytes;
    safe_file::ReadWholeFile(path, bytes);
    return bytes;
}

class SaveFault : public DocSession {
protected:
    void SetUp() override {
        safe_file_faults::Install();
        SetUpContest({7});
        Add(0, kStart + 1, "JA1AAA", "599/13");
    }
    void TearDown() override { safe_file_faults::Uninstall(); }
};

TEST_F(SaveFault, EachFailureIsExplainedKeepsTheOldFileAndTheNextSaveWorks) {
    const std::string path = folder_ / "log.qmk";
    settings_.SetIsAutomaticSavingEnabled(1);
    // Each step fails with each error; the golden shows the reasons the operator is given.
    for (const Step step : {Step::write, Step::flush, Step::replace, Step::flush_folder}) {
        for (const int error : {ENOSPC, EIO, EACCES}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(step)) + ": " + std::strerror(error));
            ASSERT_TRUE(doc_.OnSaveDocument(path));
            doc_.SetPathName(path, false);
            const std::string old_bytes = Bytes(path);
            Add(0, kStart + 2, "JA1BBB", "599/14");
            doc_.SetModifiedFlag(true);

            Set(step, error);
            EXPECT_EQ(doc_.SaveAutomatically(true), 0);
            EXPECT_EQ(Bytes(path), old_bytes);
            EXPECT_TRUE(doc_.IsModified());
            EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), {}), 1);

            Set(Step::none, 0);
            EXPECT_EQ(doc_.SaveAutomatically(true), 1);
            EXPECT_FALSE(doc_.IsModified());
            EXPECT_EQ(Bytes(path), contest_file::StoreContest(Log()));
            BandAt(0).RemoveEntryAt(1);
        }
    }
    ExpectSeen("save_failures_explained");
}

TEST_F(SaveFault, AnAutomaticSaveNameTakenMeanwhileIsSkippedNotReplaced) {
    settings_.SetIsAutomaticSavingEnabled(1);
    std::ofstream(folder_ / "Tmp_1.qmk") << "crashed run's";
    doc_.SetModifiedFlag(true);
    const std::string meanwhile = folder_ / "Tmp_2.qmk";
    Set(Step::none, 0).before_rename = [meanwhile] { std::ofstream(meanwhile) << "another run's"; };
    EXPECT_EQ(doc_.SaveAutomatically(true), 1) << operator_.Transcript();
    EXPECT_EQ(doc_.GetPathName(), folder_ / "Tmp_3.qmk");
    EXPECT_EQ(Bytes(folder_ / "Tmp_1.qmk"), "crashed run's");
    EXPECT_EQ(Bytes(folder_ / "Tmp_2.qmk"), "another run's");
    ExpectSeen("save_name_taken_meanwhile");
}

TEST_F(SaveFault, AReadOnlyDocumentIsSavedOnlyUnderAnotherName) {
    const std::string path = folder_ / "shared.qmk";
    ASSERT_TRUE(doc_.OnSaveDocument(path));
    doc_.SetPathName(path, false);
    const std::string theirs = Bytes(path);
    doc_.SetReadOnly(true);
    Add(0, kStart + 2, "JA1BBB", "599/14");
    doc_.SetModifiedFlag(true);
    settings_.SetIsAutomaticSavingEnabled(1);
    ClearRecords();

    EXPECT_EQ(doc_.SaveAutomatically(true), 0);
    EXPECT_EQ(doc_.SaveAutomatically(false), 0);
    operator_.AnswerMessage(message_box::kIdOk);
    EXPECT_FALSE(doc_.OnSaveDocument(path));
    EXPECT_EQ(Bytes(path), theirs);

    const std::string mine = folder_ / "mine.qmk";
    operator_.AnswerFileName(mine);
    EXPECT_TRUE(document_saving::DoSave(doc_, operator_, false, "shared"));
    EXPECT_EQ(doc_.GetPathName(), mine);
    EXPECT_FALSE(doc_.IsReadOnly());
    EXPECT_EQ(Bytes(mine), contest_file::StoreContest(Log()));
    EXPECT_EQ(Bytes(path), theirs);
    ExpectSeen("save_read_only");
}

}  // namespace
