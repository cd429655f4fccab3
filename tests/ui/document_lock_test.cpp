#include "ui/app/document_lock.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "dialogs/scripted_operator.h"
#include "document/quillmark_doc.h"
#include "settings/quillmark_system.h"
#include "ui_test_util.h"

namespace {

// The lock file as Qt writes it is what file_lock reads without Qt (quillmark-cli).
TEST(DocumentLock, AHeldLockNamesItsOwnerAndAGoneOwnersLockIsTakenOver) {
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("log.qmk")).toStdString();
    CDocumentLocks::Attempt first = CDocumentLocks::TryLock(path);
    ASSERT_EQ(first.result, CDocumentLocks::Result::locked);
    const std::optional<file_lock::Owner> owner =
        file_lock::ReadLockOwner(file_lock::LockFilePathOf(path));
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->pid, ::getpid());
    EXPECT_EQ(owner->host, file_lock::HostName());
    EXPECT_TRUE(file_lock::IsRunning(*owner, file_lock::HostName()));

    const CDocumentLocks::Attempt second = CDocumentLocks::TryLock(path);
    EXPECT_EQ(second.result, CDocumentLocks::Result::held_elsewhere);
    EXPECT_EQ(second.owner.pid, ::getpid());
    EXPECT_EQ(second.owner.program, owner->program);
    EXPECT_EQ(second.lock, nullptr);
    first.lock.reset();
    EXPECT_FALSE(std::filesystem::exists(file_lock::LockFilePathOf(path)));

    // The lock of a program that is gone is taken over whatever its age.
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    std::ofstream(file_lock::LockFilePathOf(path)) << child << "\nquillmark\n"
                                                   << file_lock::HostName() << "\n";
    EXPECT_EQ(CDocumentLocks::TryLock(path).result, CDocumentLocks::Result::locked);
    // Nor can a lock be made in a folder that is not there.
    EXPECT_EQ(CDocumentLocks::TryLock(path + ".d/log.qmk").result,
              CDocumentLocks::Result::unlockable);
}

// A document that gets a name (Save As, its first automatic save Tmp_N.qmk) locks it; a name
// another program holds makes it read-only with a notice.
TEST(DocumentLock, ADocumentsNewNameIsLockedOrItBecomesReadOnly) {
    QTemporaryDir folder;
    QObject application;
    CScriptedOperator op;
    const CQuillmarkSystem settings;
    auto document = std::make_shared<CQuillmarkDoc>(op, settings, nullptr);
    CDocumentLocks& locks = CDocumentLocks::Of(application);
    EXPECT_EQ(&CDocumentLocks::Of(application), &locks);
    locks.FollowName(document, op);
    EXPECT_TRUE(locks.HeldPaths().empty());

    const std::string mine = folder.filePath(QStringLiteral("Tmp_1.qmk")).toStdString();
    document->SetPathName(mine, false);
    locks.FollowName(document, op);
    EXPECT_EQ(locks.HeldPaths(), std::vector<std::string>{file_lock::LockFilePathOf(mine)});
    EXPECT_FALSE(document->IsReadOnly());

    const std::string theirs = folder.filePath(QStringLiteral("theirs.qmk")).toStdString();
    const CDocumentLocks::Attempt other = CDocumentLocks::TryLock(theirs);
    document->SetPathName(theirs, false);
    op.AnswerMessage(message_box::kIdOk);
    locks.FollowName(document, op);
    EXPECT_TRUE(document->IsReadOnly());
    ASSERT_EQ(op.Messages().size(), 1u);
    EXPECT_EQ(op.Messages()[0].style, message_box::kOk | message_box::kIconExclamation);
    EXPECT_TRUE(locks.HeldPaths().empty());  // the lock of the old name went with it
    EXPECT_FALSE(std::filesystem::exists(file_lock::LockFilePathOf(mine)));

    document->SetPathName(mine, false);
    document->SetReadOnly(false);
    locks.FollowName(document, op);
    document.reset();
    locks.ReleaseClosed();
    EXPECT_TRUE(locks.HeldPaths().empty());
    EXPECT_FALSE(std::filesystem::exists(file_lock::LockFilePathOf(mine)));
}

}  // namespace
