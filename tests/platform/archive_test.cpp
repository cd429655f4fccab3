#include "platform/archive.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

// Bytes from a list of small integers, for readable expectations.
std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values) {
        bytes.push_back(static_cast<char>(value));
    }
    return bytes;
}

std::string Le16(uint16_t value) {
    return Bytes({value & 0xFF, value >> 8});
}

std::string Le32(uint32_t value) {
    return Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
}

// A test name from a phrase: "string empty" -> "string_empty".
std::string NameOf(const char* what) {
    std::string name;
    for (const char* p = what; *p != '\0'; ++p) {
        name.push_back(std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_');
    }
    return name;
}

template <typename Read>
CArchiveException::Cause CauseOf(const std::string& bytes, Read read) {
    CArchive in(bytes);
    try {
        read(in);
    } catch (const CArchiveException& e) {
        return e.cause();
    }
    ADD_FAILURE() << "no exception";
    return CArchiveException::badData;
}

TEST(Archive, IntegersAreLittleEndian) {
    CArchive out;
    out.WriteInt32(-2);
    out.WriteUInt16(0x1234);
    out.WriteUInt32(0xA1B2C3D4u);
    EXPECT_EQ(out.Buffer(), Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1}));

    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadUInt16(), 0x1234);
    EXPECT_EQ(in.ReadUInt32(), 0xA1B2C3D4u);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, DoubleIsIeeeBinary64LittleEndian) {
    CArchive out;
    out.WriteDouble(7.0);
    EXPECT_EQ(out.Buffer(), Bytes({0, 0, 0, 0, 0, 0, 0x1C, 0x40}));
    out.WriteDouble(-0.0);
    out.WriteDouble(std::numeric_limits<double>::infinity());
    out.WriteDouble(1.2);

    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadDouble(), 7.0);
    const double negative_zero = in.ReadDouble();
    EXPECT_EQ(negative_zero, 0.0);
    EXPECT_TRUE(std::signbit(negative_zero));
    EXPECT_TRUE(std::isinf(in.ReadDouble()));
    EXPECT_EQ(in.ReadDouble(), 1.2);
}

TEST(Archive, TimeIsFourSignedBytes) {
    CArchive out;
    out.WriteTime(std::numeric_limits<int32_t>::max());
    out.WriteTime(std::numeric_limits<int32_t>::min());
    out.WriteTime(-1);
    EXPECT_EQ(out.Buffer().size(), 12u);

    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadTime(), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(in.ReadTime(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(in.ReadTime(), -1);  // sign-extended, not 0xFFFFFFFF
}

TEST(Archive, TimeOutsideThirtyTwoBitsIsRefusedWithoutWriting) {
    for (const int64_t seconds :
         {int64_t{std::numeric_limits<int32_t>::max()} + 1,
          int64_t{std::numeric_limits<int32_t>::min()} - 1, std::numeric_limits<int64_t>::max()}) {
        CArchive out;
        try {
            out.WriteTime(seconds);
            ADD_FAILURE() << seconds << " was written";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.cause(), CArchiveException::badData);
        }
        EXPECT_TRUE(out.Buffer().empty());
    }
}

struct StringCase {
    size_t length;
    std::string prefix;
};

class ArchiveStringPrefix : public testing::TestWithParam<StringCase> {};

TEST_P(ArchiveStringPrefix, PrefixMatchesLengthAndRoundTrips) {
    const StringCase& c = GetParam();
    std::string text(c.length, 'a');
    if (!text.empty()) {
        text.back() = static_cast<char>(0x82);  // any byte value is kept
    }
    CArchive out;
    out.WriteString(text);
    ASSERT_EQ(out.Buffer().size(), c.prefix.size() + c.length);
    EXPECT_EQ(out.Buffer().substr(0, c.prefix.size()), c.prefix);

    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_EQ(in.Remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ArchiveStringPrefix,
    testing::Values(StringCase{0, Bytes({0})}, StringCase{1, Bytes({1})},
                    StringCase{254, Bytes({254})}, StringCase{255, Bytes({0xFF, 0xFF, 0x00})},
                    StringCase{256, Bytes({0xFF, 0x00, 0x01})},
                    StringCase{0xFFFD, Bytes({0xFF, 0xFD, 0xFF})},
                    StringCase{0xFFFE, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
                    StringCase{0xFFFF, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
                    StringCase{0x10000, Bytes({0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00})}),
    [](const testing::TestParamInfo<StringCase>& info) {
        return "Length" + std::to_string(info.param.length);
    });

struct CountCase {
    size_t count;
    std::string encoding;
};

class ArchiveCount : public testing::TestWithParam<CountCase> {};

TEST_P(ArchiveCount, EscapeStartsAtFFFF) {
    const CountCase& c = GetParam();
    CArchive out;
    out.WriteCount(c.count);
    EXPECT_EQ(out.Buffer(), c.encoding);

    // The reader needs room for the elements the count announces.
    CArchive in(out.Buffer() + std::string(c.count, '\0'));
    EXPECT_EQ(in.ReadCount(1), c.count);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ArchiveCount,
                         testing::Values(CountCase{0, Le16(0)}, CountCase{1, Le16(1)},
                                         CountCase{0xFFFE, Le16(0xFFFE)},
                                         CountCase{0xFFFF, Le16(0xFFFF) + Le32(0xFFFF)},
                                         CountCase{0x12345, Le16(0xFFFF) + Le32(0x12345)}),
                         [](const testing::TestParamInfo<CountCase>& info) {
                             return "Count" + std::to_string(info.param.count);
                         });

TEST(Archive, StringArrayIsCountThenStrings) {
    CArchive out;
    out.WriteStringArray({"JA1", "", "ABC"});
    out.WriteStringArray({});
    EXPECT_EQ(out.Buffer(),
              Le16(3) + Bytes({3}) + "JA1" + Bytes({0}) + Bytes({3}) + "ABC" + Le16(0));

    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadStringArray(), (std::vector<std::string>{"JA1", "", "ABC"}));
    EXPECT_TRUE(in.ReadStringArray().empty());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, TwoObjectsOfOneClassAreTaggedFFFFThen8001) {
    int first = 0;
    int second = 0;
    CArchive out;
    EXPECT_TRUE(out.WriteObjectTag(&first, "CQuillmarkData_SubMainData"));
    out.WriteInt32(11);
    EXPECT_TRUE(out.WriteObjectTag(&second, "CQuillmarkData_SubMainData"));
    out.WriteInt32(22);
    const std::string name = "CQuillmarkData_SubMainData";
    EXPECT_EQ(out.Buffer(), Le16(0xFFFF) + Le16(1) + Le16(static_cast<uint16_t>(name.size())) +
                                name + Le32(11) + Le16(0x8001) + Le32(22));
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
    auto tag = in.ReadObjectTag();
    ASSERT_EQ(tag.kind, CArchive::ObjectTag::newObject);
    EXPECT_EQ(tag.class_name, "X");
    EXPECT_EQ(tag.schema, 1);
    in.RegisterLoadedObject(&ra);
    in.ReadNewObjectTag("X");
    in.RegisterLoadedObject(&rb);
    tag = in.ReadObjectTag();
    ASSERT_EQ(tag.kind, CArchive::ObjectTag::backReference);
    EXPECT_EQ(tag.object, &ra);
    EXPECT_EQ(in.ReadObjectTag().kind, CArchive::ObjectTag::null);
    in.ReadNewObjectTag("Y", 3);
    in.RegisterLoadedObject(&rc);
    tag = in.ReadObjectTag();
    ASSERT_EQ(tag.kind, CArchive::ObjectTag::newObject);
    EXPECT_EQ(tag.class_name, "X");
    in.RegisterLoadedObject(&rd);
    tag = in.ReadObjectTag();
    ASSERT_EQ(tag.kind, CArchive::ObjectTag::backReference);
    EXPECT_EQ(tag.object, &rc);
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
    const auto tag = in.ReadObjectTag();
    EXPECT_EQ(tag.kind, CArchive::ObjectTag::newObject);
    EXPECT_EQ(tag.class_name, "Y");
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, ClassNameLengthLimitOnWriting) {
    int object = 0;
    CArchive ok;
    EXPECT_TRUE(ok.WriteObjectTag(&object, std::string(CArchive::kMaxClassName, 'C')));
    for (const size_t length : {size_t{0}, CArchive::kMaxClassName + 1}) {
        CArchive out;
        EXPECT_THROW(out.WriteObjectTag(&object, std::string(length, 'C')), CArchiveException);
    }
}

TEST(Archive, LongestClassNameIsRead) {
    const std::string name(CArchive::kMaxClassName, 'C');
    CArchive in(Le16(0xFFFF) + Le16(1) + Le16(static_cast<uint16_t>(name.size())) + name);
    EXPECT_EQ(in.ReadObjectTag().class_name, name);
}

TEST(Archive, ForLoadingAndTakeBufferMoveTheBytes) {
    CArchive out;
    out.WriteString("abc");
    std::string bytes = out.TakeBuffer();
    EXPECT_TRUE(out.Buffer().empty());
    CArchive in = CArchive::ForLoading(std::move(bytes));
    EXPECT_TRUE(in.IsLoading());
    EXPECT_EQ(in.ReadString(), "abc");
}

TEST(Archive, WrongDirectionIsAProgrammingError) {
    CArchive out;
    EXPECT_THROW(out.ReadInt32(), std::logic_error);
    CArchive in(std::string(4, '\0'));
    EXPECT_THROW(in.WriteInt32(1), std::logic_error);
    EXPECT_THROW(in.RegisterLoadedObject(&out), std::logic_error);  // no pending tag
}

// --- Bad input: every failing read names its cause. ---

struct BadInput {
    const char* what;
    std::string bytes;
    void (*read)(CArchive&);
    CArchiveException::Cause cause;
};

class ArchiveBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(ArchiveBadInput, FailsWithCause) {
    const BadInput& c = GetParam();
    EXPECT_EQ(CauseOf(c.bytes, c.read), c.cause) << c.what;
}

void ReadI32(CArchive& a) {
    a.ReadInt32();
}
void ReadU16(CArchive& a) {
    a.ReadUInt16();
}
void ReadU32(CArchive& a) {
    a.ReadUInt32();
}
void ReadDbl(CArchive& a) {
    a.ReadDouble();
}
void ReadTim(CArchive& a) {
    a.ReadTime();
}
void ReadStr(CArchive& a) {
    a.ReadString();
}
void ReadCnt1(CArchive& a) {
    a.ReadCount(1);
}
void ReadCnt2(CArchive& a) {
    a.ReadCount(2);
}
void ReadCnt0(CArchive& a) {
    a.ReadCount(0);
}
void ReadArr(CArchive& a) {
    a.ReadStringArray();
}
void ReadTag(CArchive& a) {
    a.ReadObjectTag();
}
void ReadTwoTags(CArchive& a) {
    a.ReadObjectTag();
    a.ReadObjectTag();
}
void ReadNewX(CArchive& a) {
    a.ReadNewObjectTag("X");
}
void ReadNewXTwice(CArchive& a) {
    static int object = 0;
    a.ReadNewObjectTag("X");
    a.RegisterLoadedObject(&object);
    a.ReadNewObjectTag("X");
}
void ReadUnregisteredThenBackReference(CArchive& a) {
    a.ReadNewObjectTag("X");  // never registered
    a.ReadObjectTag();
}

const std::string kNewX = Le16(0xFFFF) + Le16(1) + Le16(1) + "X";

INSTANTIATE_TEST_SUITE_P(
    EveryPath, ArchiveBadInput,
    testing::Values(
        BadInput{"int32 short", Bytes({1, 2, 3}), ReadI32, CArchiveException::endOfFile},
        BadInput{"uint16 short", Bytes({1}), ReadU16, CArchiveException::endOfFile},
        BadInput{"uint32 empty", "", ReadU32, CArchiveException::endOfFile},
        BadInput{"double short", std::string(7, '\0'), ReadDbl, CArchiveException::endOfFile},
        BadInput{"time short", Bytes({0, 0}), ReadTim, CArchiveException::endOfFile},
        BadInput{"string empty", "", ReadStr, CArchiveException::endOfFile},
        BadInput{"string body short", Bytes({5}) + "abcd", ReadStr, CArchiveException::endOfFile},
        BadInput{"string 16-bit prefix short", Bytes({0xFF, 0x01}), ReadStr,
                 CArchiveException::endOfFile},
        BadInput{"string 16-bit length beyond data", Bytes({0xFF, 0x00, 0x01}) + "abc", ReadStr,
                 CArchiveException::endOfFile},
        BadInput{"string 32-bit length huge", Bytes({0xFF, 0xFF, 0xFF}) + Le32(0xFFFFFFFFu),
                 ReadStr, CArchiveException::endOfFile},
        BadInput{"string 32-bit prefix short", Bytes({0xFF, 0xFF, 0xFF, 1}), ReadStr,
                 CArchiveException::endOfFile},
        BadInput{"wide string marker", Bytes({0xFF, 0xFE, 0xFF, 1, 0, 0, 0, 'a', 0}), ReadStr,
                 CArchiveException::badData},
        BadInput{"count short", Bytes({1}), ReadCnt1, CArchiveException::endOfFile},
        BadInput{"count beyond data", Le16(3) + "ab", ReadCnt1, CArchiveException::endOfFile},
        BadInput{"count beyond data per element", Le16(3) + "abcde", ReadCnt2,
                 CArchiveException::endOfFile},
        BadInput{"count zero element size still bounded", Le16(3) + "ab", ReadCnt0,
                 CArchiveException::endOfFile},
        BadInput{"count 32-bit huge", Le16(0xFFFF) + Le32(0xFFFFFFFFu), ReadCnt1,
                 CArchiveException::endOfFile},
        BadInput{"count 32-bit short", Le16(0xFFFF) + Bytes({1, 0}), ReadCnt1,
                 CArchiveException::endOfFile},
        BadInput{"string array element short", Le16(2) + Bytes({1}) + "a" + Bytes({3}) + "b",
                 ReadArr, CArchiveException::endOfFile},
        BadInput{"tag empty", "", ReadTag, CArchiveException::endOfFile},
        BadInput{"big tag short", Le16(0x7FFF) + Bytes({1}), ReadTag, CArchiveException::endOfFile},
        BadInput{"new class schema short", Le16(0xFFFF) + Bytes({1}), ReadTag,
                 CArchiveException::endOfFile},
        BadInput{"class name short", Le16(0xFFFF) + Le16(1) + Le16(5) + "abc", ReadTag,
                 CArchiveException::endOfFile},
        BadInput{"class name empty", Le16(0xFFFF) + Le16(1) + Le16(0), ReadTag,
                 CArchiveException::badClass},
        BadInput{"class name too long", Le16(0xFFFF) + Le16(1) + Le16(64) + std::string(64, 'C'),
                 ReadTag, CArchiveException::badClass},
        BadInput{"class name length huge", Le16(0xFFFF) + Le16(1) + Le16(0xFFFF), ReadTag,
                 CArchiveException::badClass},
        BadInput{"unknown class index", Le16(0x8005), ReadTag, CArchiveException::badIndex},
        BadInput{"class index zero", Le16(0x8000), ReadTag, CArchiveException::badIndex},
        BadInput{"big unknown class index", Le16(0x7FFF) + Le32(0x80000001u), ReadTag,
                 CArchiveException::badIndex},
        BadInput{"class reference to an object", kNewX + Le16(0x8002), ReadTwoTags,
                 CArchiveException::badIndex},
        BadInput{"back reference before any object", Le16(1), ReadTag, CArchiveException::badIndex},
        BadInput{"big back reference out of range", Le16(0x7FFF) + Le32(0x7FFFFFFF), ReadTag,
                 CArchiveException::badIndex},
        BadInput{"back reference to a class", kNewX + Le16(1), ReadTwoTags,
                 CArchiveException::badIndex},
        BadInput{"back reference to an unregistered object", kNewX + Le16(2),
                 ReadUnregisteredThenBackReference, CArchiveException::badIndex},
        BadInput{"null where a new object is expected", Le16(0), ReadNewX,
                 CArchiveException::badClass},
        BadInput{"other class where X is expected", Le16(0xFFFF) + Le16(1) + Le16(1) + "Y",
                 ReadNewX, CArchiveException::badClass},
        BadInput{"other schema", Le16(0xFFFF) + Le16(2) + Le16(1) + "X", ReadNewX,
                 CArchiveException::badSchema},
        BadInput{"repeated object where a new one is expected", kNewX + Le16(2), ReadNewXTwice,
                 CArchiveException::badIndex}),
    [](const testing::TestParamInfo<BadInput>& info) { return NameOf(info.param.what); });

TEST(Archive, ExceptionTextNamesTheCause) {
    try {
        CArchive in(std::string{});
        in.ReadInt32();
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_NE(std::string(e.what()).find("ends too early"), std::string::npos) << e.what();
    }
}

}  // namespace
