#pragma once

#include <chrono>

// Decides when long work on the user-interface thread should let pending events run and
// move its progress bar: at the first step, then whenever the interval has passed. Asking
// costs one clock read, so loops may ask at every step without doing the (far dearer)
// event pump more than every few milliseconds.
class CWorkPacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds kDefaultInterval{20};

    explicit CWorkPacer(Clock::duration interval = kDefaultInterval) : interval_(interval) {}

    // True at the first call and then once the interval has passed since the last true.
    bool Due() {
        const Clock::time_point now = Clock::now();
        if (first_ || now - last_ >= interval_) {
            first_ = false;
            last_ = now;
            return true;
        }
        return false;
    }

private:
    Clock::duration interval_;
    Clock::time_point last_{};
    bool first_ = true;
};
