#pragma once

#include <QString>
#include <vector>

class QSettings;

// The recent-file list of the File menu: up to nine paths, the latest first, kept in the
// settings file as "Recent File List/File1" … "File9". Without a settings object (tests) it
// lives in memory only.
class CRecentFileList {
public:
    static constexpr int kSize = 9;

    explicit CRecentFileList(QSettings* settings = nullptr);

    void Load();
    void Save() const;

    // Puts path first (once); the oldest entry falls off the end.
    void Add(const QString& path);
    void Remove(const QString& path);
    const std::vector<QString>& Paths() const { return paths_; }

private:
    QSettings* settings_;
    std::vector<QString> paths_;
};
