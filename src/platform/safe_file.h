#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Whole-file reading and crash-safe writing of data files.
//
// WriteFileSafely never writes into the old file: it writes a temporary file in the same
// folder, flushes it to disk, renames it over the target and flushes the folder, so a crash,
// a kill or a full disk at any moment leaves either the old file or the new one. On failure
// the temporary file is removed, the old file is untouched and the reason is returned as a
// short English text for the caller to put after the file name ("cannot write: No space left
// on device").
// Works with plain POSIX calls; paths are byte strings as the system gives them.

namespace safe_file {

// Largest file ReadWholeFile accepts by default: far beyond any contest log, small enough
// that a wrong path (a disk image, a device) fails instead of exhausting memory.
inline constexpr size_t kDefaultMaxRead = size_t{1} << 30;

// Writes bytes to path as described above. Returns false with *reason set on failure.
// An existing target keeps its permission bits; a symbolic link is followed, so the file it
// points to is replaced and the link stays.
bool WriteFileSafely(const std::string& path, std::string_view bytes,
                     std::string* reason = nullptr);

// Reads the whole regular file at path into bytes. Returns false with *reason set when it
// cannot be opened or read, is not a regular file, or is larger than max_bytes.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string* reason = nullptr,
                   size_t max_bytes = kDefaultMaxRead);

}  // namespace safe_file
