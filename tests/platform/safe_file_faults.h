#pragma once

// Faults for safe saving: the system calls of safe_file::SystemCalls that fail with a chosen
// errno, on the n-th call of one kind. Shared by the platform and the document tests;
// Install in SetUp, Uninstall in TearDown.
#include <algorithm>
#include <cerrno>
#include <functional>

#include "platform/safe_file.h"

namespace safe_file_faults {

using safe_file::Step;

struct Fault {
    Step step = Step::none;
    int nth = 1;  // from 1
    int error = 0;
    int seen = 0;
    // renameat2 flags answered with EINVAL, as a file system without them answers.
    unsigned rename_flags_refused = 0;
    // Runs once, just before the first rename (another program taking the name).
    std::function<void()> before_rename;
};

inline Fault& Current() {
    static Fault fault;
    return fault;
}

inline bool Hit(Step step) {
    Fault& fault = Current();
    if (fault.step == step && ++fault.seen == fault.nth) {
        errno = fault.error;
        return true;
    }
    return false;
}

inline const safe_file::SystemCalls& Own() {
    return safe_file::SystemsOwnCalls();
}

// Writes at most 4 KiB at a time, so a failure can come part-way through a file.
inline ssize_t Write(int fd, const void* data, size_t size) {
    return Hit(Step::write) ? -1 : Own().write(fd, data, std::min<size_t>(size, 4096));
}

inline int Flush(int fd) {
    return Hit(Step::flush) ? -1 : Own().flush(fd);
}

inline int Rename(const char* from, const char* to, unsigned flags) {
    Fault& fault = Current();
    if (fault.before_rename) {
        std::exchange(fault.before_rename, {})();
    }
    if (flags != 0 && (flags & fault.rename_flags_refused) != 0) {
        errno = EINVAL;
        return -1;
    }
    return Hit(Step::replace) ? -1 : Own().rename(from, to, flags);
}

inline int FlushFolder(int fd) {
    return Hit(Step::flush_folder) ? -1 : Own().flush_folder(fd);
}

inline constexpr safe_file::SystemCalls kFaulty{Write, Flush, Rename, FlushFolder};

// Every call goes through here from now on, failing as Set says.
inline void Install() {
    Current() = Fault{};
    safe_file::SetSystemCallsForTesting(&kFaulty);
}
inline void Uninstall() {
    safe_file::SetSystemCallsForTesting(nullptr);
    Current() = Fault{};
}
// The step to fail, its n-th call and the errno; Step::none lets every call through.
inline Fault& Set(Step step, int error, int nth = 1) {
    Fault& fault = Current();
    fault = Fault{};
    fault.step = step;
    fault.error = error;
    fault.nth = nth;
    return fault;
}

}  // namespace safe_file_faults
