#pragma once

#include <QLockFile>
#include <QObject>
#include <memory>
#include <string>
#include <vector>

#include "platform/cp932.h"
#include "platform/file_lock.h"

class IOperator;
class CQuillmarkDoc;

// One writer per log: while this program has a contest file open, a lock file beside it
// (QLockFile at file_lock::LockFilePathOf) says so, and a second program that opens the file
// is warned and opens it read-only or not at all, so two programs never save over each
// other. A lock left by a program that is gone is taken over: QLockFile judges a lock stale
// by its owner's process on this host (file_lock::IsRunning), never by its age, since a log
// stays open for a whole contest.
//
// CDocumentLocks holds the locks of the open contests, keyed by document, as a child of the
// application object; app_documents.cpp takes a lock before a file is read, follows a
// document to a new name (Save As, the first automatic save), and lets a lock go once the
// document's last window has closed.
class CDocumentLocks : public QObject {
public:
    enum class Result {
        locked,          // the lock is ours now
        held_elsewhere,  // a running program holds it; owner says which
        unlockable       // no lock can be made there (a folder that cannot be written)
    };
    struct Attempt {
        Result result = Result::unlockable;
        file_lock::Owner owner;
        std::unique_ptr<QLockFile> lock;
    };
    static Attempt TryLock(const std::string& path);

    // The registry of an application object, made on first use.
    static CDocumentLocks& Of(QObject& application);
    explicit CDocumentLocks(QObject* parent);
    ~CDocumentLocks() override;

    // Records that document has path, with the lock when one was taken (a lock it held
    // before is released).
    void Keep(const std::shared_ptr<CQuillmarkDoc>& document, const std::string& path,
              std::unique_ptr<QLockFile> lock);
    // Locks a document's new name; a name a running program holds makes the document
    // read-only, and the operator is told. Nothing happens while the name is unchanged.
    void FollowName(const std::shared_ptr<CQuillmarkDoc>& document, IOperator& op);
    // Lets go of the locks of documents that are gone.
    void ReleaseClosed();
    // The lock files held now (for tests).
    std::vector<std::string> HeldPaths() const;

private:
    struct Entry;
    std::vector<Entry> entries_;
};

namespace document_lock {

// The question when the file is held elsewhere: Yes opens read-only, No does not open.
Cp932 HeldElsewhereQuestion(const std::string& path, const file_lock::Owner& owner);
// The notice when a document's new name is held elsewhere and it becomes read-only.
Cp932 NowReadOnlyNotice(const std::string& path, const file_lock::Owner& owner);
// "クイルマーク - ファイルの共有" (CP932).
Cp932 Caption();

}  // namespace document_lock
