// libFuzzer harness for the city code file parser (CCityCodeData_MainData::LoadFromFile).
//
// Any bytes must load (a city code file has no format errors, only lines that are skipped),
// give items of exactly three fields without a line end in them, count what the report
// says, hold no more heap than a small multiple of the input, and load back to the same
// items when written out again as CR LF lines. Anything else is a finding.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "citycode/city_code_main_data.h"
#include "heap_peak.h"

namespace {

// One record costs three strings and a vector in memory but can be as short as "::" in
// the file.
constexpr size_t kHeapPerInputByte = 64;
constexpr size_t kHeapFixed = 32 * 1024;

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The bytes as a file the loader opens by name; in memory, so no disk is involved.
class MemoryFile {
public:
    explicit MemoryFile(std::string_view bytes) : fd_(::memfd_create("citycode", MFD_CLOEXEC)) {
        Check(fd_ >= 0);
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
            Check(written > 0);
            done += static_cast<size_t>(written);
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    ~MemoryFile() { ::close(fd_); }
    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    heap_peak::Install();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MemoryFile file(bytes);
    CCityCodeData_MainData database;
    CCityCodeLoadReport report;
    {
        const heap_peak::Scope heap;
        Check(database.LoadFromFile(file.Path(), nullptr, &report));
        Check(heap.Claimed() <= kHeapPerInputByte * size + kHeapFixed);
    }
    Check(report.opened && !report.read_failed);
    Check(report.items == static_cast<size_t>(database.GetItemCount()));
    Check(report.items + report.too_long_lines + report.nul_lines <= report.lines);
    std::string again;
    for (const CCityCodeData_CityCodeDataItem& item : database.GetItems()) {
        Check(item.IsValid());
        for (int field = 0; field < 3; ++field) {
            const std::string& text = item.GetField(field);
            Check(text.find('\n') == std::string::npos && text.find('\0') == std::string::npos);
            again += text;
            again += field < 2 ? ":" : "\r\n";
        }
    }
    const MemoryFile written(again);
    CCityCodeData_MainData reloaded;
    Check(reloaded.LoadFromFile(written.Path()));
    Check(reloaded == database);
    return 0;
}
