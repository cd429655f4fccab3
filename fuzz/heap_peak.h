#pragma once

// The most heap a piece of a harness held at once, from the sanitizer's allocation hooks:
// a load that claims far more memory than its input is a finding even when it does not
// crash (a damaged length that makes the loader reserve gigabytes on a real machine).
#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstddef>

namespace heap_peak {

inline std::atomic<size_t>& Peak() {
    static std::atomic<size_t> peak{0};
    return peak;
}

inline void OnMalloc(const volatile void*, size_t) {
    const size_t now = __sanitizer_get_current_allocated_bytes();
    size_t seen = Peak().load(std::memory_order_relaxed);
    while (now > seen && !Peak().compare_exchange_weak(seen, now)) {
    }
}

inline void OnFree(const volatile void*) {}

// Call once, from LLVMFuzzerInitialize.
inline void Install() {
    __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
}

// Starts a measurement; Claimed() is then the peak above what was held here.
class Scope {
public:
    Scope() : base_(__sanitizer_get_current_allocated_bytes()) { Peak().store(base_); }
    size_t Claimed() const {
        const size_t peak = Peak().load();
        return peak > base_ ? peak - base_ : 0;
    }

private:
    size_t base_;
};

}  // namespace heap_peak
