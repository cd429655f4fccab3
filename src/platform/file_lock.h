#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

// Keeping two programs from writing one data file over each other.
//
// CFileUpdateLock serialises short updates: a program that loads, changes and saves a file
// in one go (quillmark-cli log) holds an exclusive lock on the file for all of it, and a
// reader holds a shared one while it reads, so a reader never starts from a file that is
// about to be replaced. Safe saving replaces the file by another one, so a lock is taken on
// whatever file the name points to once the lock is held.
//
// The program keeps a file open for hours instead; it marks it with a lock file beside it
// (Qt's QLockFile, whose first three lines are the owner's process id, program name and
// host name). LockFilePathOf names that file, and ReadLockOwner / IsRunning let a program
// without Qt see whether its owner still runs.
// Plain POSIX; no Qt.

class CFileUpdateLock {
public:
    enum class Mode { shared, exclusive };

    CFileUpdateLock() = default;
    CFileUpdateLock(const CFileUpdateLock&) = delete;
    CFileUpdateLock& operator=(const CFileUpdateLock&) = delete;
    ~CFileUpdateLock() { Unlock(); }

    enum class Result { locked, busy, failed };
    // Locks the file at path, waiting at most timeout_ms for another holder. A file system
    // that has no locks counts as locked. busy when another holder kept it, failed when it
    // cannot be opened, each with *reason set (English, for after the file name). A lock
    // held by this process on another opening of the file is a holder like any other.
    Result Lock(const std::string& path, Mode mode, int timeout_ms, std::string* reason);
    void Unlock();

private:
    int fd_ = -1;
};

namespace file_lock {

// The lock file the program keeps beside a data file it has open: ".NAME.lock".
std::string LockFilePathOf(const std::string& data_path);

struct Owner {
    pid_t pid = 0;
    std::string program;  // the file name of its executable
    std::string host;
};
// The owner written in a lock file; nothing when there is none or it cannot be read.
std::optional<Owner> ReadLockOwner(const std::string& lock_path);
// What runs as process pid on this host: nothing when no such process exists, else the file
// name of its executable as Qt names it (without the " (deleted)" of a program replaced
// while it runs), or an empty text when that cannot be seen.
std::optional<std::string> ProcessProgram(pid_t pid);
// False only when the lock is known to be stale, as QLockFile decides it: the owner is on
// this host and its process is gone or runs another program. A lock from another host
// counts as held.
bool IsRunning(const Owner& owner, const std::string& this_host,
               std::optional<std::string> (*process)(pid_t) = ProcessProgram);
// This machine's host name as lock files carry it.
std::string HostName();

}  // namespace file_lock
