#include "platform/cp932_convert.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/cp932.h"

namespace {

using std::string_literals::operator""s;
using std::string_view_literals::operator""sv;

std::string Pair(int lead, int trail) {
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

// The code points of a UTF-8 text that is known to be well formed.
std::u32string CodePoints(std::string_view utf8) {
    std::u32string result;
    for (size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const size_t length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t value = length == 1   ? b
                         : length == 2 ? b & 0x1F
                         : length == 3 ? b & 0x0F
                                       : b & 0x07;
        for (size_t k = 1; k < length; ++k) {
            value = (value << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        result.push_back(value);
        i += length;
    }
    return result;
}

bool IsLegalPair(int lead, int trail) {
    return cp932::IsLeadByte(static_cast<unsigned char>(lead)) &&
           cp932::IsTrailByte(static_cast<unsigned char>(trail));
}

TEST(Cp932Convert, EmptyTextConvertsToEmptyText) {
    EXPECT_EQ(TryCp932ToUtf8(""), std::string());
    EXPECT_EQ(TryUtf8ToCp932(""), Cp932());
    EXPECT_EQ(Cp932ToUtf8(""), "");
    EXPECT_EQ(Utf8ToCp932(""), "");
}

TEST(Cp932Convert, JapaneseLiteralGivesItsCp932Bytes) {
    EXPECT_EQ(Utf8ToCp932("クイルマーク"), "\x83\x4E\x83\x43\x83\x8B\x83\x7D\x81\x5B\x83\x4E"sv);
    EXPECT_EQ(Utf8ToCp932("ｱｲｳ"), "\xB1\xB2\xB3"sv);
    EXPECT_EQ(Utf8ToCp932("日曜日"), "\x93\xFA\x97\x6A\x93\xFA"sv);
    EXPECT_EQ(Cp932ToUtf8("\x83\x5C\x95\x5C"sv), "ソ表");
}

TEST(Cp932Convert, EmbeddedNulIsKept) {
    const std::string text("A\0\x82\xA0"sv);
    EXPECT_EQ(Cp932ToUtf8(text), std::string("A\0あ"sv));
    EXPECT_EQ(Utf8ToCp932(std::string("A\0あ"sv)), text);
}

TEST(Cp932Convert, EveryLegalSingleByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const bool legal = b < 0x80 || (b >= 0xA1 && b <= 0xDF);
        if (!legal)
            continue;
        SCOPED_TRACE(b);
        const std::string in(1, static_cast<char>(b));
        const auto utf8 = TryCp932ToUtf8(in);
        ASSERT_TRUE(utf8.has_value());
        const std::u32string points = CodePoints(*utf8);
        ASSERT_EQ(points.size(), 1u);
        if (b < 0x80) {
            EXPECT_EQ(points[0], static_cast<char32_t>(b));  // 0x5C stays a backslash
        } else {
            EXPECT_EQ(points[0], static_cast<char32_t>(0xFF61 + (b - 0xA1)));
        }
        EXPECT_EQ(TryUtf8ToCp932(*utf8), in);
    }
}

TEST(Cp932Convert, UnusedSingleBytesAreRefused) {
    for (const int b : {0x80, 0xA0, 0xFD, 0xFE, 0xFF}) {
        SCOPED_TRACE(b);
        size_t offset = 99;
        EXPECT_FALSE(TryCp932ToUtf8("AB" + std::string(1, static_cast<char>(b)), &offset));
        EXPECT_EQ(offset, 2u);
    }
}

// Walks every lead/trail pair: each one that decodes is one character, and encoding it back
// gives a code that decodes to the same character (the code itself, or the preferred one of
// a duplicate group).
TEST(Cp932Convert, EveryDoubleByteCharacterRoundTrips) {
    int decoded = 0;
    int canonical = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!IsLegalPair(lead, trail))
                continue;
            const std::string code = Pair(lead, trail);
            const auto utf8 = TryCp932ToUtf8(code);
            if (!utf8)
                continue;
            ++decoded;
            SCOPED_TRACE(testing::Message() << std::hex << lead << trail);
            ASSERT_EQ(CodePoints(*utf8).size(), 1u);
            const auto back = TryUtf8ToCp932(*utf8);
            ASSERT_TRUE(back.has_value());
            ASSERT_EQ(back->size(), 2u);
            EXPECT_EQ(TryCp932ToUtf8(*back), utf8);
            EXPECT_EQ(TryUtf8ToCp932(*TryCp932ToUtf8(*back)), back);
            if (*back == code)
                ++canonical;
        }
    }
    // JIS X 0208 (6879) + NEC row 13 (83) + NEC-selected IBM (374) + IBM (388) + user area (1880).
    EXPECT_EQ(decoded, 9604);
    EXPECT_EQ(decoded - canonical, 398);
}

struct RangeCase {
    int lead;
    int first_trail;
    int last_trail;
};

TEST(Cp932Convert, ExtensionBlocksAreFullyAssigned) {
    const RangeCase ranges[] = {
        {0x87, 0x40, 0x5D},  // ① .. Ⅹ
        {0x87, 0x5F, 0x75},  // ㍉ .. ㍻ (row 13 units)
        {0x87, 0x80, 0x9C},  // 〝 .. ∪
        {0xED, 0x40, 0xFC},  // NEC-selected IBM extensions
        {0xEE, 0x40, 0xEC}, {0xEE, 0xEF, 0xFC}, {0xFA, 0x40, 0xFC},
        {0xFB, 0x40, 0xFC}, {0xFC, 0x40, 0x4B},  // IBM extensions end at 0xFC4B
        {0xF0, 0x40, 0xFC}, {0xF9, 0x40, 0xFC},  // user-defined area
    };
    for (const auto& range : ranges) {
        for (int trail = range.first_trail; trail <= range.last_trail; ++trail) {
            if (trail == 0x7F)
                continue;
            SCOPED_TRACE(testing::Message() << std::hex << range.lead << trail);
            EXPECT_TRUE(TryCp932ToUtf8(Pair(range.lead, trail)).has_value());
        }
    }
}

TEST(Cp932Convert, UnassignedPairsAreRefusedAsAWhole) {
    for (const auto& code : {Pair(0x85, 0x40), Pair(0x86, 0x9F), Pair(0xEE, 0xED), Pair(0xFC, 0x4C),
                             Pair(0x81, 0xAD), Pair(0xEF, 0x40)}) {
        size_t offset = 99;
        EXPECT_FALSE(TryCp932ToUtf8("x" + code, &offset));
        EXPECT_EQ(offset, 1u);
        EXPECT_EQ(Cp932ToUtf8("x" + code + "y"), "x?y");
    }
}

TEST(Cp932Convert, BrokenDoubleByteInputIsRefused) {
    size_t offset = 99;
    EXPECT_FALSE(TryCp932ToUtf8("AB\x83"sv, &offset));  // lead byte at the end
    EXPECT_EQ(offset, 2u);
    EXPECT_FALSE(TryCp932ToUtf8("\x82\xA0\x83 X"sv, &offset));  // lead byte before a blank
    EXPECT_EQ(offset, 2u);
    // The broken lead is one '?', the blank after it survives.
    EXPECT_EQ(Cp932ToUtf8("\x82\xA0\x83 X"sv), "あ? X");
    EXPECT_EQ(Cp932ToUtf8("AB\x83"sv), "AB?");
}

struct DuplicateCase {
    int code_a;
    int code_b;
    int preferred;
};

TEST(Cp932Convert, DuplicateCodesDecodeAlikeAndEncodeToThePreferredCode) {
    const DuplicateCase cases[] = {
        {0xED40, 0xFA5C, 0xFA5C},  // 纊: NEC-selected IBM -> IBM
        {0xEEEF, 0xFA40, 0xFA40},  // ⅰ
        {0x8790, 0x81E0, 0x81E0},  // ≒: NEC row 13 -> JIS row 2
        {0x879A, 0xFA5B, 0x81E6},  // ∵
        {0xFA4A, 0x8754, 0x8754},  // Ⅰ: IBM -> NEC row 13
        {0xEEF9, 0xFA54, 0x81CA},  // ￢
        {0xFA59, 0x8782, 0x8782},  // №
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.code_a);
        const auto a = TryCp932ToUtf8(Pair(c.code_a >> 8, c.code_a & 0xFF));
        const auto b = TryCp932ToUtf8(Pair(c.code_b >> 8, c.code_b & 0xFF));
        ASSERT_TRUE(a && b);
        EXPECT_EQ(*a, *b);
        EXPECT_EQ(TryUtf8ToCp932(*a), Pair(c.preferred >> 8, c.preferred & 0xFF));
    }
}

struct WaveDashCase {
    int code;
    char32_t microsoft;
    char32_t typed;  // what a JIS-style input method produces
};

std::string Hex(int code) {
    std::ostringstream os;
    os << std::hex << std::uppercase << code;
    return os.str();
}

void PrintTo(const WaveDashCase& c, std::ostream* os) {
    *os << "0x" << Hex(c.code);
}

class Cp932WaveDashFamily : public ::testing::TestWithParam<WaveDashCase> {};

std::string Utf8Of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

TEST_P(Cp932WaveDashFamily, DecodesToMicrosoftAndAcceptsBothOnInput) {
    const auto& c = GetParam();
    const std::string code = Pair(c.code >> 8, c.code & 0xFF);
    EXPECT_EQ(TryCp932ToUtf8(code), Utf8Of(c.microsoft));
    EXPECT_EQ(TryUtf8ToCp932(Utf8Of(c.microsoft)), code);
    EXPECT_EQ(TryUtf8ToCp932(Utf8Of(c.typed)), code);
    EXPECT_EQ(Utf8ToCp932("A" + Utf8Of(c.typed) + "B"), "A" + code + "B");
}

INSTANTIATE_TEST_SUITE_P(Table, Cp932WaveDashFamily,
                         ::testing::Values(WaveDashCase{0x8160, U'\uFF5E', U'\u301C'},
                                           WaveDashCase{0x8161, U'\u2225', U'\u2016'},
                                           WaveDashCase{0x817C, U'\uFF0D', U'\u2212'},
                                           WaveDashCase{0x8191, U'\uFFE0', U'\u00A2'},
                                           WaveDashCase{0x8192, U'\uFFE1', U'\u00A3'},
                                           WaveDashCase{0x81CA, U'\uFFE2', U'\u00AC'},
                                           WaveDashCase{0x815C, U'\u2015', U'\u2014'}),
                         [](const auto& info) { return "Code" + Hex(info.param.code); });

TEST(Cp932Convert, YenSignAndOverlineBecomeTheirJapaneseSingleBytes) {
    EXPECT_EQ(TryUtf8ToCp932("\u00A5100"),
              "\x5C"
              "100");
    EXPECT_EQ(TryUtf8ToCp932("\u203E"), "\x7E");
}

struct RefusalCase {
    const char* name;
    std::string utf8;
    size_t bad_offset;
    std::string replaced;
};

TEST(Cp932Convert, CharactersOutsideCp932AreRefused) {
    const RefusalCase cases[] = {
        {"emoji", "AB\U0001F600C", 2, "AB?C"},  {"shikaru", "\U00020B9F", 0, "?"},
        {"e-acute", "caf\u00E9", 3, "caf?"},    {"vu", "\u3042\u3094", 3, "\x82\xA0?"},
        {"replacement char", "\uFFFD", 0, "?"}, {"nbsp", "1\u00A02", 1, "1?2"},
        {"hangul", "\uD55C", 0, "?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        size_t offset = 99;
        EXPECT_FALSE(TryUtf8ToCp932(c.utf8, &offset).has_value());
        EXPECT_EQ(offset, c.bad_offset);
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.replaced);
    }
}

TEST(Cp932Convert, InvalidUtf8IsRefused) {
    const RefusalCase cases[] = {
        {"overlong NUL", "A\xC0\x80"s, 1, ""},
        {"overlong slash", "\xE0\x80\xAF"s, 0, ""},
        {"surrogate", "\xED\xA0\x80"s, 0, ""},
        {"truncated at end", "\xE3\x81\x82\xE3\x81"s, 3, ""},
        {"truncated before ASCII", "\xE3\x81Z"s, 0, ""},
        {"lone continuation", "x\x80y"s, 1, ""},
        {"0xFF", "\xFF"s, 0, ""},
        {"past U+10FFFF", "\xF4\x90\x80\x80"s, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        size_t offset = 99;
        EXPECT_FALSE(TryUtf8ToCp932(c.utf8, &offset).has_value());
        EXPECT_EQ(offset, c.bad_offset);
        // The plain form never fails and keeps what it can.
        const Cp932 replaced = Utf8ToCp932(c.utf8);
        EXPECT_NE(replaced.find('?'), std::string::npos);
        EXPECT_TRUE(TryCp932ToUtf8(replaced).has_value());
    }
    EXPECT_EQ(Utf8ToCp932("\xE3\x81Z"s), "??Z");
    EXPECT_EQ(Utf8ToCp932("x\x80y"s), "x?y");
}

TEST(Cp932Convert, LongMixedTextRoundTrips) {
    std::string utf8;
    for (int i = 0; i < 5000; ++i)
        utf8 += "JA1ABC/ソ表ｱ①〜";
    const auto cp932 = TryUtf8ToCp932(utf8);
    ASSERT_TRUE(cp932.has_value());
    // 〜 typed as U+301C comes back as Microsoft's U+FF5E.
    std::string expected;
    for (int i = 0; i < 5000; ++i)
        expected += "JA1ABC/ソ表ｱ①～";
    EXPECT_EQ(TryCp932ToUtf8(*cp932), expected);
}

TEST(Cp932Convert, ThreadsConvertIndependently) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            for (int i = 0; i < 2000; ++i) {
                const std::string text = "局" + std::to_string(t * 10000 + i) + "ｱ";
                if (Cp932ToUtf8(Utf8ToCp932(text)) != text)
                    ++failures[t];
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (const int f : failures)
        EXPECT_EQ(f, 0);
}

}  // namespace
