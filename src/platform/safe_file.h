#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <string_view>

// Whole-file reading and crash-safe writing of data files.
//
// WriteFileSafely never writes into the old file: it writes a temporary file in the same
// folder, flushes it to disk, swaps it with the target and flushes the folder, so a crash,
// a kill or a full disk at any moment leaves either the old file or the new one. When the
// folder cannot be flushed the swap is undone, so a failed save leaves the old file as it
// was, byte for byte. On failure the temporary file is removed and the reason is returned
// as a short English text for the caller to put after the file name ("cannot write: No
// space left on device"), with the step and errno for callers that explain it themselves.
// Each save first removes the temporary files that a killed or crashed save left beside the
// target, so at most the one of the last interrupted save is ever there.
// Works with plain POSIX calls; paths are byte strings as the system gives them.

namespace safe_file {

// Largest file ReadWholeFile accepts by default: far beyond any contest log, small enough
// that a wrong path (a disk image, a device) fails instead of exhausting memory.
inline constexpr size_t kDefaultMaxRead = size_t{1} << 30;

// The step of a save that failed.
enum class Step { none, create, write, flush, replace, flush_folder };

struct Failure {
    Step step = Step::none;
    int error = 0;       // errno of the failure; 0 when there was none to give
    std::string reason;  // as described above
};

struct WriteOptions {
    // With false an existing target is never replaced: the save fails with EEXIST (used
    // for names chosen because they were free, which another program may take meanwhile).
    bool replace = true;
};

// Writes bytes to path as described above. Returns false with *failure set on failure.
// An existing target keeps its permission bits; a symbolic link is followed, so the file it
// points to is replaced and the link stays.
bool WriteFileSafely(const std::string& path, std::string_view bytes, const WriteOptions& options,
                     Failure* failure);
// The same with the reason alone.
bool WriteFileSafely(const std::string& path, std::string_view bytes,
                     std::string* reason = nullptr);

// Reads the whole regular file at path into bytes. Returns false with *reason set when it
// cannot be opened or read, is not a regular file, or is larger than max_bytes.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* reason = nullptr,
                   size_t max_bytes = kDefaultMaxRead);

// True when name (without folder) is a temporary file that WriteFileSafely made for the
// file target_name in the same folder; *pid then receives the process that made it.
bool IsTemporaryOf(std::string_view name, std::string_view target_name, pid_t* pid = nullptr);

// The calls the writer makes that can fail once the temporary file exists. Tests replace
// them to make one fail with a chosen errno at any point; the program always uses the
// system's own.
struct SystemCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*flush)(int fd);                                             // of the temporary file
    int (*rename)(const char* from, const char* to, unsigned flags);  // renameat2 flags
    int (*flush_folder)(int fd);  // of the folder, after the swap
};
const SystemCalls& SystemsOwnCalls();
// Replaces the calls until called again with null (tests only; not thread-safe).
void SetSystemCallsForTesting(const SystemCalls* calls);

}  // namespace safe_file
