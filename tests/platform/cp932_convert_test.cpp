#include "platform/cp932_convert.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "case_table.h"
#include "platform/cp932.h"

namespace {

using std::string_literals::operator""s;
using std::string_view_literals::operator""sv;
using platform_test::CaseTable;
using platform_test::Unescaped;

std::string Pair(int code) {
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

// The number of code points of a UTF-8 text that is known to be well formed.
size_t CodePointCount(std::string_view utf8) {
    size_t count = 0;
    for (const char c : utf8) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }
    return count;
}

TEST(Cp932Convert, KnownTextsConvertBothWays) {
    for (const auto& c : CaseTable("platform/cp932_known_texts.txt", 3)) {
        const std::string utf8 = Unescaped(c[0]);
        const std::string cp932 = Unescaped(c[1]);
        EXPECT_EQ(TryUtf8ToCp932(utf8), cp932) << c[0];
        EXPECT_EQ(Utf8ToCp932(utf8), cp932) << c[0];
        if (c[2] == "both ways") {
            EXPECT_EQ(TryCp932ToUtf8(cp932), utf8) << c[0];
            EXPECT_EQ(Cp932ToUtf8(cp932), utf8) << c[0];
        }
    }
}

TEST(Cp932Convert, EverySingleByteRoundTripsOrIsRefused) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string in = "AB" + std::string(1, static_cast<char>(b));
        size_t offset = 99;
        const auto utf8 = TryCp932ToUtf8(in, &offset);
        if (cp932::IsLeadByte(static_cast<unsigned char>(b)) || b == 0x80 || b == 0xA0 ||
            b >= 0xFD) {
            EXPECT_FALSE(utf8.has_value());
            EXPECT_EQ(offset, 2u);
            continue;
        }
        ASSERT_TRUE(utf8.has_value());
        EXPECT_EQ(CodePointCount(*utf8), 3u);
        if (b >= 0x80) {  // half-width katakana from U+FF61: EF BD A1 .. EF BD BF, EF BE 80 ..
            EXPECT_EQ(utf8->substr(2), "\xEF"s + char(b < 0xC0 ? 0xBD : 0xBE) + char(b & 0xBF));
        }
        EXPECT_EQ(TryUtf8ToCp932(*utf8), in);
    }
    EXPECT_EQ(Cp932ToUtf8("\\"), "\\");  // 0x5C stays a backslash
    EXPECT_EQ(Cp932ToUtf8("\xB1"sv), "ｱ");
}

// Walks every lead/trail pair: each one that decodes is one character, and encoding it back
// gives a code that decodes to the same character (the code itself, or the preferred one of
// a duplicate group).
TEST(Cp932Convert, EveryDoubleByteCharacterRoundTrips) {
    int decoded = 0;
    int canonical = 0;
    for (int code = 0x8140; code <= 0xFCFC; ++code) {
        if (!cp932::IsLeadByte(code >> 8) || !cp932::IsTrailByte(code & 0xFF))
            continue;
        const auto utf8 = TryCp932ToUtf8(Pair(code));
        if (!utf8)
            continue;
        ++decoded;
        SCOPED_TRACE(testing::Message() << std::hex << code);
        ASSERT_EQ(CodePointCount(*utf8), 1u);
        const auto back = TryUtf8ToCp932(*utf8);
        ASSERT_TRUE(back.has_value());
        ASSERT_EQ(back->size(), 2u);
        EXPECT_EQ(TryCp932ToUtf8(*back), utf8);
        canonical += *back == Pair(code);
    }
    // JIS X 0208 (6879) + NEC row 13 (83) + NEC-selected IBM (374) + IBM (388) + user area (1880).
    EXPECT_EQ(decoded, 9604);
    EXPECT_EQ(decoded - canonical, 398);
}

TEST(Cp932Convert, DuplicateCodesDecodeAlikeAndEncodeToThePreferredCode) {
    for (const auto& c : CaseTable("platform/cp932_duplicates.txt", 3)) {
        SCOPED_TRACE(c[0]);
        const auto a = TryCp932ToUtf8(Pair(std::stoi(c[0], nullptr, 16)));
        ASSERT_TRUE(a.has_value());
        EXPECT_EQ(a, TryCp932ToUtf8(Pair(std::stoi(c[1], nullptr, 16))));
        EXPECT_EQ(TryUtf8ToCp932(*a), Pair(std::stoi(c[2], nullptr, 16)));
    }
}

TEST(Cp932Convert, WaveDashFamilyAcceptsBothCodePointsOnInput) {
    for (const auto& c : CaseTable("platform/cp932_wave_dash.txt", 3)) {
        SCOPED_TRACE(c[0]);
        const std::string code = Pair(std::stoi(c[0], nullptr, 16));
        EXPECT_EQ(TryCp932ToUtf8(code), Unescaped(c[1]));
        EXPECT_EQ(TryUtf8ToCp932(Unescaped(c[1])), code);
        EXPECT_EQ(Utf8ToCp932("A" + Unescaped(c[2]) + "B"), "A" + code + "B");
    }
}

TEST(Cp932Convert, BadCp932IsRefusedAtItsOffsetAndReplacedByOneQuestionMark) {
    for (const auto& c : CaseTable("platform/cp932_bad.txt", 3)) {
        size_t offset = 99;
        EXPECT_FALSE(TryCp932ToUtf8(Unescaped(c[0]), &offset)) << c[0];
        EXPECT_EQ(offset, std::stoul(c[1])) << c[0];
        EXPECT_EQ(Cp932ToUtf8(Unescaped(c[0])), c[2]);
    }
}

TEST(Cp932Convert, Utf8OutsideCp932OrMalformedIsRefusedAtItsOffset) {
    for (const auto& c : CaseTable("platform/cp932_bad_utf8.txt", 3)) {
        SCOPED_TRACE(c[0]);
        size_t offset = 99;
        EXPECT_FALSE(TryUtf8ToCp932(Unescaped(c[0]), &offset).has_value());
        EXPECT_EQ(offset, std::stoul(c[1]));
        EXPECT_EQ(Utf8ToCp932(Unescaped(c[0])), Unescaped(c[2]));
    }
}

TEST(Cp932Convert, ThreadsConvertLongTextsIndependently) {
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            std::string long_text;
            for (int i = 0; i < 500; ++i) {
                const std::string text = "局" + std::to_string(t * 10000 + i) + "ｱ①～";
                long_text += text;
                failures[t] += Cp932ToUtf8(Utf8ToCp932(text)) != text;
            }
            failures[t] += TryCp932ToUtf8(*TryUtf8ToCp932(long_text))->size() != long_text.size();
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(failures, std::vector<int>(4, 0));
}

}  // namespace
