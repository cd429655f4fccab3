#include "platform/cp932_convert.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace {

// One iconv descriptor, closed with its owner.
class IconvDescriptor {
public:
    IconvDescriptor(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvDescriptor() {
        if (IsOpen())
            iconv_close(cd_);
    }
    IconvDescriptor(const IconvDescriptor&) = delete;
    IconvDescriptor& operator=(const IconvDescriptor&) = delete;

    bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return cd_; }

private:
    iconv_t cd_;
};

// Opening a descriptor costs far more than converting a call sign, so each thread keeps its
// pair for its lifetime.
struct Descriptors {
    IconvDescriptor to_utf8{"UTF-8", "CP932"};
    IconvDescriptor to_cp932{"CP932", "UTF-8"};
};

Descriptors& ThreadDescriptors() {
    thread_local Descriptors descriptors;
    return descriptors;
}

bool IsAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Length of the well-formed UTF-8 sequence at pos and its code point, or 0 when the bytes
// there are no well-formed sequence (overlong forms, surrogates and values past U+10FFFF
// included).
size_t DecodeUtf8At(std::string_view text, size_t pos, char32_t* code_point) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char first = byte(0);
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (first < 0x80) {
        *code_point = first;
        return 1;
    } else if (first >= 0xC2 && first <= 0xDF) {
        length = 2, value = first & 0x1F, minimum = 0x80;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3, value = first & 0x0F, minimum = 0x800;
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4, value = first & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - pos < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(i) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *code_point = value;
    return length;
}

// Code points outside Microsoft's table that name a CP932 character all the same.
struct ExtraMapping {
    char32_t code_point;
    const char* cp932;
};

constexpr ExtraMapping kExtraMappings[] = {
    {U'\u301C', "\x81\x60"},  // WAVE DASH -> 〜 (Microsoft: U+FF5E)
    {U'\u2016', "\x81\x61"},  // DOUBLE VERTICAL LINE -> ‖ (U+2225)
    {U'\u2212', "\x81\x7C"},  // MINUS SIGN -> − (U+FF0D)
    {U'\u00A2', "\x81\x91"},  // CENT SIGN -> ¢ (U+FFE0)
    {U'\u00A3', "\x81\x92"},  // POUND SIGN -> £ (U+FFE1)
    {U'\u00AC', "\x81\xCA"},  // NOT SIGN -> ¬ (U+FFE2)
    {U'\u2014', "\x81\x5C"},  // EM DASH -> ― (U+2015)
    {U'\u00A5', "\x5C"},      // YEN SIGN: 0x5C is shown as ¥ by Japanese fonts
    {U'\u203E', "\x7E"},      // OVERLINE: likewise 0x7E
};

const char* ExtraMappingOf(char32_t code_point) {
    for (const auto& mapping : kExtraMappings) {
        if (mapping.code_point == code_point)
            return mapping.cp932;
    }
    return nullptr;
}

// What to do with an input character that iconv refused: skip `skip` input bytes and emit
// `replacement`; skip 0 gives up.
struct Repair {
    size_t skip = 0;
    std::string_view replacement;
};

// Runs iconv over the whole input, asking repair(offset) at each character it refuses.
// Returns false (and the offset) when repair gives up or the descriptor could not be opened.
template <typename RepairFn>
bool Convert(const IconvDescriptor& descriptor, std::string_view in, size_t out_ratio,
             std::string* out, size_t* bad_offset, RepairFn repair) {
    if (!descriptor.IsOpen()) {
        if (bad_offset)
            *bad_offset = 0;
        return false;
    }
    iconv_t cd = descriptor.Get();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    out->resize(in.size() * out_ratio + 8);
    char* in_ptr = const_cast<char*>(in.data());
    size_t in_left = in.size();
    size_t used = 0;

    const auto ensure_room = [&](size_t extra) {
        if (out->size() - used < extra)
            out->resize((out->size() + extra) * 2);
    };

    while (in_left > 0) {
        char* out_ptr = out->data() + used;
        size_t out_left = out->size() - used;
        const size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
        const int error = errno;
        used = static_cast<size_t>(out_ptr - out->data());
        if (result != static_cast<size_t>(-1))
            break;
        if (error == E2BIG) {
            ensure_room(out->size() + 16);
            continue;
        }
        // EILSEQ (cannot convert) or EINVAL (input ends inside a character).
        const size_t offset = static_cast<size_t>(in_ptr - in.data());
        const Repair fix = repair(offset);
        if (fix.skip == 0) {
            if (bad_offset)
                *bad_offset = offset;
            return false;
        }
        ensure_room(fix.replacement.size());
        fix.replacement.copy(out->data() + used, fix.replacement.size());
        used += fix.replacement.size();
        const size_t skip = fix.skip < in_left ? fix.skip : in_left;
        in_ptr += skip;
        in_left -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out->resize(used);
    return true;
}

// Repair for text typed on Linux: the JIS-style code points always; anything else only with
// '?' when replace is set.
Repair RepairUtf8(std::string_view utf8, size_t offset, bool replace) {
    char32_t code_point = 0;
    const size_t length = DecodeUtf8At(utf8, offset, &code_point);
    if (length != 0) {
        if (const char* mapped = ExtraMappingOf(code_point))
            return {length, mapped};
    }
    if (!replace)
        return {};
    return {length != 0 ? length : 1, "?"};
}

Repair RepairCp932(std::string_view cp932, size_t offset, bool replace) {
    if (!replace)
        return {};
    // An unassigned pair is one character; a broken lead byte or an unused byte is one byte.
    return {cp932::CharLength(cp932, offset), "?"};
}

std::optional<std::string> ToUtf8(std::string_view cp932, size_t* bad_offset, bool replace) {
    if (IsAscii(cp932))
        return std::string(cp932);
    std::string out;
    // One CP932 byte gives at most three UTF-8 bytes (half-width katakana).
    if (!Convert(ThreadDescriptors().to_utf8, cp932, 3, &out, bad_offset,
                 [&](size_t offset) { return RepairCp932(cp932, offset, replace); })) {
        if (replace)
            return std::string(cp932.size(), '?');
        return std::nullopt;
    }
    return out;
}

std::optional<Cp932> ToCp932(std::string_view utf8, size_t* bad_offset, bool replace) {
    if (IsAscii(utf8))
        return Cp932(utf8);
    Cp932 out;
    // Every CP932 character is at most as long as its UTF-8 form.
    if (!Convert(ThreadDescriptors().to_cp932, utf8, 1, &out, bad_offset,
                 [&](size_t offset) { return RepairUtf8(utf8, offset, replace); })) {
        if (replace)
            return Cp932(utf8.size(), '?');
        return std::nullopt;
    }
    return out;
}

}  // namespace

std::optional<std::string> TryCp932ToUtf8(std::string_view cp932, size_t* bad_offset) {
    return ToUtf8(cp932, bad_offset, false);
}

std::optional<Cp932> TryUtf8ToCp932(std::string_view utf8, size_t* bad_offset) {
    return ToCp932(utf8, bad_offset, false);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    return *ToUtf8(cp932, nullptr, true);
}

Cp932 Utf8ToCp932(std::string_view utf8) {
    return *ToCp932(utf8, nullptr, true);
}

std::optional<Cp932> TryCharsetToCp932(std::string_view text, const char* charset) {
    const std::string_view name = charset;
    if (name == "UTF-8" || name == "utf8" || name == "UTF8")
        return TryUtf8ToCp932(text);
    // Rare (locale names are read once), so the descriptor is not kept.
    const IconvDescriptor to_utf8("UTF-8", charset);
    std::string utf8;
    if (!Convert(to_utf8, text, 4, &utf8, nullptr, [](size_t) { return Repair{}; })) {
        return std::nullopt;
    }
    return TryUtf8ToCp932(utf8);
}
