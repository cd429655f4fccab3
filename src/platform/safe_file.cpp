#include "platform/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

namespace safe_file {
namespace {

std::string ErrnoText(int error) {
    return std::strerror(error);
}

bool Fail(std::string* reason, const std::string& text) {
    if (reason != nullptr) {
        *reason = text;
    }
    return false;
}

// Closes a descriptor once, keeping errno of the failure that led here.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            const int saved = errno;
            ::close(fd_);
            errno = saved;
        }
    }
    int get() const { return fd_; }
    // Closes now and reports the result (a delayed write error can surface here).
    int Close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

ssize_t SystemWrite(int fd, const void* data, size_t size) {
    return ::write(fd, data, size);
}

int SystemFlush(int fd) {
    return ::fsync(fd);
}

int SystemRename(const char* from, const char* to, unsigned flags) {
    return flags == 0 ? ::rename(from, to) : ::renameat2(AT_FDCWD, from, AT_FDCWD, to, flags);
}

constexpr SystemCalls kSystemsOwnCalls{SystemWrite, SystemFlush, SystemRename, SystemFlush};
const SystemCalls* calls = &kSystemsOwnCalls;

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = calls->write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// Opens a new, uniquely named file beside the target: hidden, so a folder listing or a
// half-finished save is never mistaken for a log. IsTemporaryOf recognises the name.
int CreateTemporary(const std::string& folder, const std::string& name, std::string& temp_path) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".%ld.%u.%lx.tmp", static_cast<long>(::getpid()),
                      ++counter, static_cast<unsigned long>(std::time(nullptr)) + attempt);
        temp_path = (folder == "/" ? "" : folder) + "/." + name + suffix;
        const int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// A file system that cannot swap two names, or a kernel that does not know the call.
bool Unsupported(int error) {
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP;
}

// Moves the temporary file to the target. *swapped tells whether the old file now lies
// under the temporary name (so the move can be undone) or is gone.
int PutInPlace(const std::string& temp_path, const std::string& target, bool exists,
               const WriteOptions& options, bool* swapped) {
    *swapped = false;
    if (exists && !options.replace) {
        errno = EEXIST;
        return -1;
    }
    if (exists) {
        if (calls->rename(temp_path.c_str(), target.c_str(), RENAME_EXCHANGE) == 0) {
            *swapped = true;
            return 0;
        }
        if (!Unsupported(errno)) {
            return -1;
        }
        return calls->rename(temp_path.c_str(), target.c_str(), 0);
    }
    if (options.replace) {
        return calls->rename(temp_path.c_str(), target.c_str(), 0);
    }
    if (calls->rename(temp_path.c_str(), target.c_str(), RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (!Unsupported(errno)) {
        return -1;
    }
    // A link fails when the name exists; the temporary name then goes.
    if (::link(temp_path.c_str(), target.c_str()) != 0) {
        return -1;
    }
    ::unlink(temp_path.c_str());
    return 0;
}

bool ProcessIsGone(pid_t pid) {
    return pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH);
}

// Temporary files of earlier saves of the same target whose process no longer runs: a save
// that was killed, or the old file of a swap that a crash kept from being removed.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name) {
    DIR* const dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    const int saved = errno;
    while (const dirent* entry = ::readdir(dir)) {
        pid_t pid = 0;
        if (IsTemporaryOf(entry->d_name, name, &pid) && ProcessIsGone(pid)) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
    errno = saved;
}

bool Fail(Failure* failure, Step step, int error, const std::string& text) {
    if (failure != nullptr) {
        failure->step = step;
        failure->error = error;
        failure->reason = text;
    }
    return false;
}

}  // namespace

const SystemCalls& SystemsOwnCalls() {
    return kSystemsOwnCalls;
}

void SetSystemCallsForTesting(const SystemCalls* replacement) {
    calls = replacement != nullptr ? replacement : &kSystemsOwnCalls;
}

bool IsTemporaryOf(std::string_view name, std::string_view target_name, pid_t* pid) {
    constexpr std::string_view kSuffix = ".tmp";
    if (name.size() < target_name.size() + 2 + kSuffix.size() || name[0] != '.' ||
        name.substr(1, target_name.size()) != target_name || name[target_name.size() + 1] != '.' ||
        !name.ends_with(kSuffix)) {
        return false;
    }
    // PID.COUNTER.HEXTIME between the name and ".tmp".
    const std::string_view middle =
        name.substr(target_name.size() + 2, name.size() - target_name.size() - 2 - kSuffix.size());
    const size_t first = middle.find('.');
    const size_t second = first == std::string_view::npos ? first : middle.find('.', first + 1);
    if (second == std::string_view::npos ||
        middle.find('.', second + 1) != std::string_view::npos) {
        return false;
    }
    auto all_of = [](std::string_view text, const char* digits) {
        return !text.empty() && text.find_first_not_of(digits) == std::string_view::npos;
    };
    const std::string_view pid_text = middle.substr(0, first);
    if (!all_of(pid_text, "0123456789") || pid_text.size() > 9 ||
        !all_of(middle.substr(first + 1, second - first - 1), "0123456789") ||
        !all_of(middle.substr(second + 1), "0123456789abcdef")) {
        return false;
    }
    if (pid != nullptr) {
        *pid = static_cast<pid_t>(std::stol(std::string(pid_text)));
    }
    return true;
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* reason) {
    Failure failure;
    if (WriteFileSafely(path, bytes, WriteOptions{}, &failure)) {
        return true;
    }
    if (reason != nullptr) {
        *reason = failure.reason;
    }
    return false;
}

bool WriteFileSafely(const std::string& path, std::string_view bytes, const WriteOptions& options,
                     Failure* failure) {
    if (path.empty()) {
        return Fail(failure, Step::create, ENOENT, "no file name given");
    }
    std::string target = path;
    struct stat link_info {};
    if (::lstat(path.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr) {
            return Fail(failure, Step::create, errno,
                        "cannot follow the link: " + ErrnoText(errno));
        }
        target = resolved;
    }

    struct stat old_info {};
    const bool exists = ::stat(target.c_str(), &old_info) == 0;
    if (exists && S_ISDIR(old_info.st_mode)) {
        return Fail(failure, Step::create, EISDIR, "cannot write: it is a folder");
    }
    // A device, pipe or socket would be replaced by a plain file: /dev/full would be gone.
    if (exists && !S_ISREG(old_info.st_mode)) {
        return Fail(failure, Step::create, EINVAL, "cannot write: not a regular file");
    }

    const std::string folder = FolderOf(target);
    // Before this save adds one of its own, so a folder never gathers them.
    RemoveStaleTemporaries(folder, NameOf(target));
    std::string temp_path;
    Descriptor fd(CreateTemporary(folder, NameOf(target), temp_path));
    if (fd.get() < 0) {
        return Fail(failure, Step::create, errno,
                    "cannot create a file in its folder: " + ErrnoText(errno));
    }
    auto abandon = [&](Step step, const std::string& what) {
        const int error = errno;
        ::unlink(temp_path.c_str());
        return Fail(failure, step, error, what + ": " + ErrnoText(error));
    };

    // The new file keeps the permissions of the one it replaces.
    if (exists && ::fchmod(fd.get(), old_info.st_mode & 07777) != 0) {
        return abandon(Step::create, "cannot set the permissions");
    }
    if (!WriteAll(fd.get(), bytes)) {
        return abandon(Step::write, "cannot write");
    }
    if (calls->flush(fd.get()) != 0) {
        return abandon(Step::flush, "cannot flush to disk");
    }
    if (fd.Close() != 0) {
        return abandon(Step::write, "cannot write");
    }
    // Opened before the swap, so that nothing but the flush itself can fail after it.
    Descriptor folder_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    bool swapped = false;
    if (PutInPlace(temp_path, target, exists, options, &swapped) != 0) {
        return abandon(Step::replace, "cannot replace the old file");
    }
    // Makes the swap itself durable. A file system that cannot flush a folder (EINVAL), or
    // a folder that cannot be opened for it, leaves the new file in place all the same.
    if (folder_fd.get() >= 0 && calls->flush_folder(folder_fd.get()) != 0 && errno != EINVAL) {
        const int error = errno;
        if (swapped) {
            // Back to the old file under the target's name; the new one is removed below.
            calls->rename(temp_path.c_str(), target.c_str(), RENAME_EXCHANGE);
        }
        errno = error;
        return swapped ? abandon(Step::flush_folder, "cannot flush the folder to disk")
                       : Fail(failure, Step::flush_folder, error,
                              "cannot flush the folder to disk: " + ErrnoText(error));
    }
    if (swapped) {
        ::unlink(temp_path.c_str());
    }
    return true;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* reason,
                   size_t max_bytes) {
    bytes.clear();
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return Fail(reason, "cannot open: " + ErrnoText(errno));
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return Fail(reason, "cannot read: " + ErrnoText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return Fail(reason, "cannot read: not a regular file");
    }
    if (static_cast<unsigned long long>(info.st_size) > max_bytes) {
        return Fail(reason, "cannot read: the file is too large");
    }
    std::string data;
    data.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Fail(reason, "cannot read: " + ErrnoText(errno));
        }
        if (got == 0) {
            break;
        }
        if (data.size() + static_cast<size_t>(got) > max_bytes) {
            return Fail(reason, "cannot read: the file is too large");
        }
        data.append(buffer, static_cast<size_t>(got));
    }
    bytes = std::move(data);
    return true;
}

}  // namespace safe_file
