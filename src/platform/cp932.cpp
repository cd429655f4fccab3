#include "platform/cp932.h"

#include <array>

namespace cp932 {
namespace {

// One table for every byte property, so each test is a single lookup.
enum ByteFlag : uint8_t {
    kDigit = 1,
    kLetter = 2,
    kKatakana = 4,
    kLead = 8,
    kTrail = 16,
};

constexpr std::array<uint8_t, 256> MakeByteTable() {
    std::array<uint8_t, 256> table{};
    for (int b = 0; b < 256; ++b) {
        uint8_t flags = 0;
        if (b >= 0x30 && b <= 0x39)
            flags |= kDigit;
        if ((b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A))
            flags |= kLetter;
        if (b >= 0xA1 && b <= 0xDF)
            flags |= kKatakana;
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC))
            flags |= kLead;
        if ((b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC))
            flags |= kTrail;
        table[b] = flags;
    }
    return table;
}

constexpr std::array<uint8_t, 256> kByteTable = MakeByteTable();

bool Has(unsigned char byte, ByteFlag flag) {
    return (kByteTable[byte] & flag) != 0;
}

unsigned char ByteAt(std::string_view text, size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

// The code of the character at pos: its byte, or lead << 8 | trail for a double-byte one.
unsigned CodeAt(std::string_view text, size_t pos, size_t length) {
    return length == 2 ? (unsigned{ByteAt(text, pos)} << 8) | ByteAt(text, pos + 1)
                       : ByteAt(text, pos);
}

// True when character (one whole character) is one of the characters of set.
bool SetContains(std::string_view set, std::string_view character) {
    for (size_t i = 0; i < set.size();) {
        const size_t length = CharLength(set, i);
        if (set.substr(i, length) == character)
            return true;
        i += length;
    }
    return false;
}

}  // namespace

bool IsLeadByte(unsigned char byte) {
    return Has(byte, kLead);
}
bool IsTrailByte(unsigned char byte) {
    return Has(byte, kTrail);
}
bool IsHalfWidthDigit(unsigned char byte) {
    return Has(byte, kDigit);
}
bool IsHalfWidthLetter(unsigned char byte) {
    return Has(byte, kLetter);
}
bool IsHalfWidthKatakana(unsigned char byte) {
    return Has(byte, kKatakana);
}

size_t CharLength(std::string_view text, size_t pos) {
    if (pos >= text.size())
        return 0;
    if (pos + 1 < text.size() && IsLeadByte(ByteAt(text, pos)) &&
        IsTrailByte(ByteAt(text, pos + 1))) {
        return 2;
    }
    return 1;
}

size_t FindFirstOf(std::string_view text, std::string_view set) {
    if (set.empty())
        return std::string_view::npos;
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLength(text, i);
        if (SetContains(set, text.substr(i, length)))
            return i;
        i += length;
    }
    return std::string_view::npos;
}

Cp932 RemoveCharacters(std::string_view text, std::string_view set) {
    Cp932 result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLength(text, i);
        const std::string_view character = text.substr(i, length);
        if (!SetContains(set, character))
            result.append(character);
        i += length;
    }
    return result;
}

uint32_t CharacterClassesOf(std::string_view text) {
    uint32_t classes = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = CharLength(text, i);
        if (length == 2) {
            classes |= kFullWidth;
        } else {
            const unsigned char byte = ByteAt(text, i);
            if (IsHalfWidthDigit(byte))
                classes |= kHalfWidthDigit;
            if (IsHalfWidthLetter(byte))
                classes |= kHalfWidthLetter;
            if (IsHalfWidthKatakana(byte))
                classes |= kHalfWidthKatakana;
        }
        i += length;
    }
    return classes;
}

int CompareMultibyte(std::string_view a, std::string_view b) {
    size_t i = 0;
    size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const size_t length_a = CharLength(a, i);
        const size_t length_b = CharLength(b, j);
        const unsigned code_a = CodeAt(a, i, length_a);
        const unsigned code_b = CodeAt(b, j, length_b);
        if (code_a != code_b)
            return code_a < code_b ? -1 : 1;
        i += length_a;
        j += length_b;
    }
    // A text that is a prefix of the other sorts first.
    const bool a_done = i >= a.size();
    const bool b_done = j >= b.size();
    if (a_done && b_done)
        return 0;
    return a_done ? -1 : 1;
}

}  // namespace cp932
