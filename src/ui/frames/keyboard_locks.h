#pragma once

#include <optional>

// The lock keys the main status bar shows (kana, caps, num, scroll), read from the X
// server's keyboard indicators. Other display servers do not tell; the panes then stay
// empty.
struct KeyboardLocks {
    bool kana = false;
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

std::optional<KeyboardLocks> ReadKeyboardLocks();
