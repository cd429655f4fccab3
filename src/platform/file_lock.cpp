#include "platform/file_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <fstream>
#include <thread>

CFileUpdateLock::Result CFileUpdateLock::Lock(const std::string& path, Mode mode, int timeout_ms,
                                              std::string* reason) {
    Unlock();
    auto fail = [&](Result result, const std::string& text) {
        Unlock();
        if (reason != nullptr) {
            *reason = text;
        }
        return result;
    };
    const int operation = (mode == Mode::exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    constexpr int kStepMs = 5;
    for (int waited = 0;;) {
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd_ < 0) {
            return fail(Result::failed, std::string("cannot open: ") + std::strerror(errno));
        }
        if (::flock(fd_, operation) != 0) {
            if (errno != EWOULDBLOCK) {
                // No locks on this file system: nothing to wait for.
                return errno == ENOLCK || errno == EOPNOTSUPP || errno == EINVAL
                           ? Result::locked
                           : fail(Result::failed,
                                  std::string("cannot lock: ") + std::strerror(errno));
            }
            if (waited >= timeout_ms) {
                return fail(Result::busy, "another program is writing it");
            }
            Unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(kStepMs));
            waited += kStepMs;
            continue;
        }
        // The holder before us may have replaced the file; the lock must be on the new one.
        struct stat locked {};
        struct stat named {};
        if (::fstat(fd_, &locked) == 0 && ::stat(path.c_str(), &named) == 0 &&
            (locked.st_dev != named.st_dev || locked.st_ino != named.st_ino)) {
            Unlock();
            continue;
        }
        return Result::locked;
    }
}

void CFileUpdateLock::Unlock() {
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
        fd_ = -1;
    }
}

namespace file_lock {

std::string LockFilePathOf(const std::string& data_path) {
    const size_t slash = data_path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : data_path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? data_path : data_path.substr(slash + 1);
    return folder + "." + name + ".lock";
}

std::optional<Owner> ReadLockOwner(const std::string& lock_path) {
    std::ifstream in(lock_path);
    std::string pid_text;
    Owner owner;
    if (!std::getline(in, pid_text) || !std::getline(in, owner.program)) {
        return std::nullopt;
    }
    std::getline(in, owner.host);
    if (pid_text.empty() || pid_text.size() > 9 ||
        pid_text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    owner.pid = static_cast<pid_t>(std::stol(pid_text));
    return owner.pid > 0 ? std::optional<Owner>(owner) : std::nullopt;
}

std::optional<std::string> ProcessProgram(pid_t pid) {
    if (::kill(pid, 0) != 0 && errno == ESRCH) {
        return std::nullopt;
    }
    char target[PATH_MAX];
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
    if (length <= 0) {
        return std::string();
    }
    std::string program(target, static_cast<size_t>(length));
    constexpr std::string_view kDeleted = " (deleted)";
    if (program.ends_with(kDeleted)) {
        program.resize(program.size() - kDeleted.size());
    }
    return program.substr(program.find_last_of('/') + 1);
}

bool IsRunning(const Owner& owner, const std::string& this_host,
               std::optional<std::string> (*process)(pid_t)) {
    if (!owner.host.empty() && owner.host != this_host) {
        return true;
    }
    const std::optional<std::string> program = process(owner.pid);
    if (!program) {
        return false;
    }
    return program->empty() || *program == owner.program;
}

std::string HostName() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return name;
}

}  // namespace file_lock
