#include "platform/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

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

bool WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
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
// half-finished save is never mistaken for a log.
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

}  // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes, std::string* reason) {
    if (path.empty()) {
        return Fail(reason, "no file name given");
    }
    std::string target = path;
    struct stat link_info {};
    if (::lstat(path.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr) {
            return Fail(reason, "cannot follow the link: " + ErrnoText(errno));
        }
        target = resolved;
    }

    struct stat old_info {};
    const bool exists = ::stat(target.c_str(), &old_info) == 0;
    if (exists && S_ISDIR(old_info.st_mode)) {
        return Fail(reason, "cannot write: it is a folder");
    }

    const std::string folder = FolderOf(target);
    std::string temp_path;
    Descriptor fd(CreateTemporary(folder, NameOf(target), temp_path));
    if (fd.get() < 0) {
        return Fail(reason, "cannot create a file in its folder: " + ErrnoText(errno));
    }
    auto abandon = [&](const std::string& what) {
        const int error = errno;
        ::unlink(temp_path.c_str());
        return Fail(reason, what + ": " + ErrnoText(error));
    };

    // The new file keeps the permissions of the one it replaces.
    if (exists && ::fchmod(fd.get(), old_info.st_mode & 07777) != 0) {
        return abandon("cannot set the permissions");
    }
    if (!WriteAll(fd.get(), bytes)) {
        return abandon("cannot write");
    }
    if (::fsync(fd.get()) != 0) {
        return abandon("cannot flush to disk");
    }
    if (fd.Close() != 0) {
        return abandon("cannot write");
    }
    if (::rename(temp_path.c_str(), target.c_str()) != 0) {
        return abandon("cannot replace the old file");
    }
    // Make the rename itself durable. Some file systems cannot flush a folder; the new file
    // is in place either way, so this is not reported as a failed save.
    const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd >= 0) {
        ::fsync(folder_fd);
        ::close(folder_fd);
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
