#include "ui/app/document_lock.h"

#include <QLockFile>

#include "dialogs/operator.h"
#include "document/quillmark_doc.h"
#include "platform/cp932_convert.h"
#include "ui/qt_text.h"

namespace {

constexpr const char* kObjectName = "qm_document_locks";

Cp932 J(std::string_view utf8) {
    return Utf8ToCp932(utf8);
}

Cp932 OwnerText(const file_lock::Owner& owner) {
    return J("ほかのクイルマーク (プロセス ") + std::to_string(owner.pid) +
           (owner.host.empty() ? Cp932() : J("、コンピュータ ") + Utf8ToCp932(owner.host)) + ")";
}

}  // namespace

struct CDocumentLocks::Entry {
    std::weak_ptr<CQuillmarkDoc> document;
    std::string path;
    std::unique_ptr<QLockFile> lock;
};

CDocumentLocks::CDocumentLocks(QObject* parent) : QObject(parent) {
    setObjectName(QString::fromLatin1(kObjectName));
}

CDocumentLocks::~CDocumentLocks() = default;

CDocumentLocks& CDocumentLocks::Of(QObject& application) {
    if (auto* found = dynamic_cast<CDocumentLocks*>(application.findChild<QObject*>(
            QString::fromLatin1(kObjectName), Qt::FindDirectChildrenOnly))) {
        return *found;
    }
    return *new CDocumentLocks(&application);
}

CDocumentLocks::Attempt CDocumentLocks::TryLock(const std::string& path) {
    Attempt attempt;
    auto lock = std::make_unique<QLockFile>(qt_text::FromPath(file_lock::LockFilePathOf(path)));
    // Stale only when the owner's process is gone: a log stays open for days.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        attempt.result = Result::locked;
        attempt.lock = std::move(lock);
        return attempt;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        return attempt;
    }
    attempt.result = Result::held_elsewhere;
    qint64 pid = 0;
    QString host;
    QString program;
    if (lock->getLockInfo(&pid, &host, &program)) {
        attempt.owner = {static_cast<pid_t>(pid), qt_text::ToPath(program), qt_text::ToPath(host)};
    }
    return attempt;
}

void CDocumentLocks::Keep(const std::shared_ptr<CQuillmarkDoc>& document, const std::string& path,
                          std::unique_ptr<QLockFile> lock) {
    for (Entry& entry : entries_) {
        if (entry.document.lock() == document) {
            entry.path = path;
            entry.lock = std::move(lock);
            return;
        }
    }
    entries_.push_back({document, path, std::move(lock)});
}

void CDocumentLocks::FollowName(const std::shared_ptr<CQuillmarkDoc>& document, IOperator& op) {
    const std::string& path = document->GetPathName();
    for (const Entry& entry : entries_) {
        if (entry.document.lock() == document && entry.path == path) {
            return;
        }
    }
    if (path.empty()) {
        Keep(document, path, nullptr);
        return;
    }
    Attempt attempt = TryLock(path);
    if (attempt.result == Result::held_elsewhere) {
        document->SetReadOnly(true);
        op.ShowMessage(document_lock::NowReadOnlyNotice(path, attempt.owner),
                       document_lock::Caption(), message_box::kOk | message_box::kIconExclamation);
    }
    Keep(document, path, std::move(attempt.lock));
}

void CDocumentLocks::ReleaseClosed() {
    std::erase_if(entries_, [](const Entry& entry) { return entry.document.expired(); });
}

std::vector<std::string> CDocumentLocks::HeldPaths() const {
    std::vector<std::string> paths;
    for (const Entry& entry : entries_) {
        if (entry.lock != nullptr) {
            paths.push_back(qt_text::ToPath(entry.lock->fileName()));
        }
    }
    return paths;
}

namespace document_lock {

Cp932 Caption() {
    return J("クイルマーク - ファイルの共有");
}

Cp932 HeldElsewhereQuestion(const std::string& path, const file_lock::Owner& owner) {
    return J("ファイル「") + Utf8ToCp932(path) + J("」は、") + OwnerText(owner) +
           J(" が開いています。\n\n両方から保存すると、一方のログデータが失われるため、このファ"
             "イルは読み取り専用でしか開けません。\n\n読み取り専用で開きますか？");
}

Cp932 NowReadOnlyNotice(const std::string& path, const file_lock::Owner& owner) {
    return J("ファイル「") + Utf8ToCp932(path) + J("」は、") + OwnerText(owner) +
           J(" も開いています。\n\n両方から保存すると、一方のログデータが失われるため、このログ"
             "データは読み取り専用にしました。保存するときは、別の名前を付けてください。");
}

}  // namespace document_lock
