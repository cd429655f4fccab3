#include "ui/app/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString Canonical(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.absoluteFilePath() : path;
}

}  // namespace

CRecentFileList::CRecentFileList(QSettings* settings) : settings_(settings) {}

void CRecentFileList::Load() {
    paths_.clear();
    if (settings_ == nullptr) {
        return;
    }
    settings_->beginGroup(kGroup);
    for (int i = 1; i <= kSize; ++i) {
        const QString path = settings_->value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && std::find(paths_.begin(), paths_.end(), path) == paths_.end()) {
            paths_.push_back(path);
        }
    }
    settings_->endGroup();
}

void CRecentFileList::Save() const {
    if (settings_ == nullptr) {
        return;
    }
    settings_->beginGroup(kGroup);
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= static_cast<int>(paths_.size())) {
            settings_->setValue(key, paths_[static_cast<size_t>(i - 1)]);
        } else {
            settings_->remove(key);
        }
    }
    settings_->endGroup();
}

void CRecentFileList::Add(const QString& path) {
    const QString entry = Canonical(path);
    Remove(entry);
    paths_.insert(paths_.begin(), entry);
    if (paths_.size() > kSize) {
        paths_.resize(kSize);
    }
}

void CRecentFileList::Remove(const QString& path) {
    const QString entry = Canonical(path);
    paths_.erase(std::remove(paths_.begin(), paths_.end(), entry), paths_.end());
}
