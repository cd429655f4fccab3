#include "platform/archive.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "case_table.h"

namespace {

using platform_test::Unescaped;
using std::string_literals::operator""s;

std::string Le16(uint16_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
}

std::string Le32(uint32_t value) {
    return Le16(value & 0xFFFF) + Le16(value >> 16);
}

// The cause call fails with; a call that does not fail fails the test.
CArchiveException::Cause CauseOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const CArchiveException& e) {
        return e.cause();
    }
    ADD_FAILURE() << "no exception";
    return CArchiveException::badData;
}

using Tag = CArchive::ObjectTag;

// All a tag read says, to compare in one go.
auto Said(const Tag& tag) {
    return std::tuple(tag.kind, tag.class_name, int{tag.schema}, tag.object);
}

TEST(Archive, ScalarsAreLittleEndianAndRoundTrip) {
    CArchive out;
    out.WriteInt32(-2);
    out.WriteUInt16(0x1234);
    out.WriteUInt32(0xA1B2C3D4u);
    out.WriteDouble(7.0);
    EXPECT_EQ(out.Buffer(), "\xFE\xFF\xFF\xFF\x34\x12\xD4\xC3\xB2\xA1\0\0\0\0\0\0\x1C\x40"s);
    out.WriteDouble(-0.0);
    out.WriteDouble(1.2);
    out.WriteTime(std::numeric_limits<int32_t>::min());
    out.WriteTime(-1);

    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadUInt16(), 0x1234);
    EXPECT_EQ(in.ReadUInt32(), 0xA1B2C3D4u);
    EXPECT_EQ(in.ReadDouble(), 7.0);
    EXPECT_TRUE(std::signbit(in.ReadDouble()));
    EXPECT_EQ(in.ReadDouble(), 1.2);
    EXPECT_EQ(in.ReadTime(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(in.ReadTime(), -1);  // sign-extended, not 0xFFFFFFFF
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, TimeOutsideThirtyTwoBitsIsRefusedWithoutWriting) {
    for (const int64_t seconds :
         {int64_t{std::numeric_limits<int32_t>::max()} + 1,
          int64_t{std::numeric_limits<int32_t>::min()} - 1, std::numeric_limits<int64_t>::max()}) {
        CArchive out;
        EXPECT_EQ(CauseOf([&] { out.WriteTime(seconds); }), CArchiveException::badData) << seconds;
        EXPECT_TRUE(out.Buffer().empty());
    }
}

// Lengths around each prefix escape: 0xFF then 16 bits, 0xFFFF then 32 bits.
TEST(Archive, StringPrefixGrowsWithTheLengthAndRoundTrips) {
    for (const auto& c : platform_test::CaseTable("platform/string_prefixes.txt", 2)) {
        SCOPED_TRACE(c[0]);
        std::string text(std::stoul(c[0]), 'a');
        if (!text.empty()) {
            text.back() = static_cast<char>(0x82);  // any byte value is kept
        }
        CArchive out;
        out.WriteString(text);
        EXPECT_EQ(out.Buffer(), Unescaped(c[1]) + text);
        CArchive in(out.Buffer());
        EXPECT_EQ(in.ReadString(), text);
    }
}

TEST(Archive, CountEscapeStartsAtFFFF) {
    for (const size_t count : {size_t{0}, size_t{0xFFFE}, size_t{0xFFFF}, size_t{0x12345}}) {
        CArchive out;
        out.WriteCount(count);
        EXPECT_EQ(out.Buffer(), count < 0xFFFF ? Le16(count) : Le16(0xFFFF) + Le32(count));
        // The reader needs room for the elements the count announces.
        CArchive in(out.Buffer() + std::string(count, '\0'));
        EXPECT_EQ(in.ReadCount(1), count);
    }
}

TEST(Archive, StringArrayIsCountThenStrings) {
    CArchive out;
    out.WriteStringArray({"JA1", "", "ABC"});
    out.WriteStringArray({});
    EXPECT_EQ(out.Buffer(), Le16(3) + "\3JA1\0\3ABC"s + Le16(0));

    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadStringArray(), (std::vector<std::string>{"JA1", "", "ABC"}));
    EXPECT_TRUE(in.ReadStringArray().empty());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, TagSequenceSharesIndicesBetweenClassesAndObjects) {
    int a = 0, b = 0, c = 0, d = 0;
    CArchive out;
    EXPECT_TRUE(out.WriteObjectTag(&a, "X"));   // class X = 1, a = 2
    EXPECT_TRUE(out.WriteObjectTag(&b, "X"));   // b = 3
    EXPECT_FALSE(out.WriteObjectTag(&a, "X"));  // back reference 2
    EXPECT_FALSE(out.WriteObjectTag(nullptr, "X"));
    EXPECT_TRUE(out.WriteObjectTag(&c, "Y", 3));  // class Y = 4, c = 5
    EXPECT_TRUE(out.WriteObjectTag(&d, "X"));     // d = 6
    EXPECT_FALSE(out.WriteObjectTag(&c, "Y"));    // back reference 5
    EXPECT_EQ(out.Buffer(), Le16(0xFFFF) + Le16(1) + Le16(1) + "X" + Le16(0x8001) + Le16(2) +
                                Le16(0) + Le16(0xFFFF) + Le16(3) + Le16(1) + "Y" + Le16(0x8001) +
                                Le16(5));

    CArchive in(out.Buffer());
    int ra = 0, rb = 0, rc = 0, rd = 0;
    const auto next = [&in] { return Said(in.ReadObjectTag()); };
    EXPECT_EQ(next(), Said({Tag::newObject, "X", 1}));
    in.RegisterLoadedObject(&ra);
    in.ReadNewObjectTag("X");
    in.RegisterLoadedObject(&rb);
    EXPECT_EQ(next(), Said({Tag::backReference, "", 0, &ra}));
    EXPECT_EQ(next(), Said({}));
    in.ReadNewObjectTag("Y", 3);
    in.RegisterLoadedObject(&rc);
    EXPECT_EQ(next(), Said({Tag::newObject, "X", 1}));
    in.RegisterLoadedObject(&rd);
    EXPECT_EQ(next(), Said({Tag::backReference, "", 0, &rc}));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, IndicesFrom7FFFUseTheBigTag) {
    // Class X takes index 1, objects 2 .. 0x8001. The object with index 0x7FFE is still a
    // 16-bit reference; 0x7FFF and later are 0x7FFF followed by 32 bits.
    std::vector<int> objects(0x8000);
    CArchive out;
    for (const int& object : objects) {
        out.WriteObjectTag(&object, "X");
    }
    const size_t refs_start = out.Buffer().size();
    out.WriteObjectTag(&objects[0x7FFE - 2], "X");
    out.WriteObjectTag(&objects[0x7FFF - 2], "X");
    int y1 = 0, y2 = 0;
    out.WriteObjectTag(&y1, "Y");  // class Y = 0x8002, y1 = 0x8003
    out.WriteObjectTag(&y2, "Y");
    EXPECT_EQ(out.Buffer().substr(refs_start), Le16(0x7FFE) + Le16(0x7FFF) + Le32(0x7FFF) +
                                                   Le16(0xFFFF) + Le16(1) + Le16(1) + "Y" +
                                                   Le16(0x7FFF) + Le32(0x80008002u));

    CArchive in(out.Buffer());
    std::vector<int> loaded(objects.size());
    for (int& object : loaded) {
        in.ReadNewObjectTag("X");
        in.RegisterLoadedObject(&object);
    }
    EXPECT_EQ(in.ReadObjectTag().object, &loaded[0x7FFE - 2]);
    EXPECT_EQ(in.ReadObjectTag().object, &loaded[0x7FFF - 2]);
    in.ReadNewObjectTag("Y");
    in.RegisterLoadedObject(&y1);
    EXPECT_EQ(Said(in.ReadObjectTag()), Said({Tag::newObject, "Y", 1}));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, ClassNamesUpToTheLimitAreWrittenAndRead) {
    int object = 0;
    const std::string name(CArchive::kMaxClassName, 'C');
    CArchive out;
    EXPECT_TRUE(out.WriteObjectTag(&object, name));
    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadObjectTag().class_name, name);
    for (const size_t length : {size_t{0}, CArchive::kMaxClassName + 1}) {
        CArchive refused;
        EXPECT_THROW(refused.WriteObjectTag(&object, std::string(length, 'C')), CArchiveException);
    }
}

TEST(Archive, WrongDirectionIsAProgrammingError) {
    CArchive out;
    EXPECT_THROW(out.ReadInt32(), std::logic_error);
    CArchive in(std::string(4, '\0'));
    EXPECT_THROW(in.WriteInt32(1), std::logic_error);
    EXPECT_THROW(in.RegisterLoadedObject(&out), std::logic_error);  // no pending tag
}

// Every failing read names its cause (the text an exception starts with, as the old-file
// conversion golden shows).
TEST(Archive, BadInputFailsWithItsCause) {
    using Read = void (*)(CArchive&);
    const std::map<std::string, Read> reads = {
        {"int32", [](CArchive& a) { a.ReadInt32(); }},
        {"uint16", [](CArchive& a) { a.ReadUInt16(); }},
        {"uint32", [](CArchive& a) { a.ReadUInt32(); }},
        {"double", [](CArchive& a) { a.ReadDouble(); }},
        {"time", [](CArchive& a) { a.ReadTime(); }},
        {"string", [](CArchive& a) { a.ReadString(); }},
        {"count", [](CArchive& a) { a.ReadCount(1); }},
        {"count of pairs", [](CArchive& a) { a.ReadCount(2); }},
        {"count of empty elements", [](CArchive& a) { a.ReadCount(0); }},
        {"string array", [](CArchive& a) { a.ReadStringArray(); }},
        {"tag", [](CArchive& a) { a.ReadObjectTag(); }},
        {"new X", [](CArchive& a) { a.ReadNewObjectTag("X"); }},
        {"register", [](CArchive& a) { a.RegisterLoadedObject(&a); }},
    };
    for (const auto& c : platform_test::CaseTable("platform/archive_bad_input.txt", 4)) {
        CArchive in(Unescaped(c[1]));
        const auto read_all = [&] {
            for (const std::string& read : platform_test::Items(c[2])) {
                reads.at(read.substr(read.find_first_not_of(' ')))(in);
            }
        };
        EXPECT_STREQ(CArchiveException::CauseText(CauseOf(read_all)), c[3].c_str()) << c[0];
    }
}

}  // namespace
