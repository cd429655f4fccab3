#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reader and writer of the binary encoding that contest data files use: little-endian
// integers and doubles, 4-byte times, length-prefixed CP932 strings, counts with the 0xFFFF
// escape, and tagged objects (class-name tags, 0x8000|index class references, object back
// references, numbering shared by classes and objects).
//
// A loading archive reads from a byte buffer it holds. Every read is checked against the
// bytes that remain, so a damaged or hostile file ends in a CArchiveException and never
// reads out of bounds or allocates much more than the file's own size.

class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        endOfFile,  // the data ends before the record does
        badIndex,   // an object tag names an index that was never read, or a wrong header
        badClass,   // a tag names a class other than the one expected
        badSchema,  // a class was written with a schema number this program does not read
        badData,    // a value no file written by this program can hold
    };

    CArchiveException(Cause cause, const std::string& message);
    Cause cause() const { return cause_; }
    // A short English phrase for the cause ("ends too early", ...), for error lines.
    static const char* CauseText(Cause cause);

private:
    Cause cause_;
};

class CArchive {
public:
    // A storing archive; Buffer() holds what was written.
    CArchive();
    // A loading archive over a copy of the given bytes.
    explicit CArchive(std::string_view bytes);
    // A loading archive that takes the bytes over without copying them.
    static CArchive ForLoading(std::string&& bytes);

    bool IsStoring() const { return storing_; }
    bool IsLoading() const { return !storing_; }

    // --- Writing (storing archives only). ---
    void WriteInt32(int32_t value);
    void WriteUInt16(uint16_t value);
    void WriteUInt32(uint32_t value);
    void WriteDouble(double value);
    // 4-byte signed seconds since 1970; a time that does not fit throws badData.
    void WriteTime(int64_t seconds);
    void WriteString(std::string_view bytes);
    void WriteCount(size_t count);
    void WriteStringArray(const std::vector<std::string>& strings);
    // Writes the tag that precedes an object. Returns true when the object itself must
    // follow (the first time this object is written); false for a null pointer (tag 0) or
    // an object written before (back reference). Class names longer than kMaxClassName
    // throw badClass.
    bool WriteObjectTag(const void* object, std::string_view class_name, uint16_t schema = 1);

    // --- Reading (loading archives only); each throws CArchiveException on failure. ---
    int32_t ReadInt32();
    uint16_t ReadUInt16();
    uint32_t ReadUInt32();
    double ReadDouble();
    int64_t ReadTime();
    std::string ReadString();
    // A count of elements each of which needs at least min_element_bytes bytes; a count
    // the remaining bytes cannot hold throws endOfFile before anything is allocated.
    size_t ReadCount(size_t min_element_bytes = 1);
    std::vector<std::string> ReadStringArray();

    struct ObjectTag {
        enum Kind { null, newObject, backReference };
        Kind kind = null;
        std::string class_name;  // newObject: the object's class
        uint16_t schema = 0;     // newObject: the class's schema
        void* object = nullptr;  // backReference: the object read before
    };
    // Reads an object tag. For newObject the caller creates the object and calls
    // RegisterLoadedObject before reading its body, so later back references resolve.
    // (The object's index is taken when its tag is read; a back reference to an object
    // that was never registered throws badIndex.)
    ObjectTag ReadObjectTag();
    void RegisterLoadedObject(void* object);
    // Reads a tag that must introduce a new object of the named class with the schema;
    // a null (badClass), a back reference (badIndex), another class (badClass) or another
    // schema (badSchema) throws. Call RegisterLoadedObject afterwards as for ReadObjectTag.
    void ReadNewObjectTag(std::string_view class_name, uint16_t schema = 1);

    size_t Remaining() const { return data_.size() - pos_; }
    size_t Position() const { return pos_; }
    const std::string& Buffer() const { return data_; }
    // Moves the written bytes out (storing archives); the archive is empty afterwards.
    std::string TakeBuffer();

    // Longest class name a tag may carry (the old toolkit read names into 64 bytes).
    static constexpr size_t kMaxClassName = 63;
    // Tags: 0 null, 0x8000|index a known class, 0xFFFF a new class; indices from 0x7FFF
    // on are written as 0x7FFF followed by a 32-bit tag.
    static constexpr uint16_t kNullTag = 0;
    static constexpr uint16_t kNewClassTag = 0xFFFF;
    static constexpr uint16_t kClassTag = 0x8000;
    static constexpr uint16_t kBigObjectTag = 0x7FFF;
    static constexpr uint32_t kBigClassTag = 0x80000000u;
    static constexpr uint32_t kMaxMapCount = 0x3FFFFFFE;

private:
    // What a loading archive knows about an index: a class (with name and schema) or an
    // object (null until the caller registers it).
    struct LoadEntry {
        bool is_class = false;
        std::string class_name;
        uint16_t schema = 0;
        void* object = nullptr;
    };

    void Need(size_t bytes) const;
    void Put(const void* bytes, size_t size);
    void Get(void* bytes, size_t size);
    void RequireStoring() const;
    void RequireLoading() const;
    void WriteIndexTag(uint32_t index, bool is_class);
    uint32_t NextIndex();

    bool storing_;
    std::string data_;
    size_t pos_ = 0;
    // Index numbering shared by classes and objects; index 0 stands for null.
    uint32_t map_count_ = 1;
    std::unordered_map<const void*, uint32_t> stored_objects_;
    std::unordered_map<std::string, uint32_t> stored_classes_;
    std::vector<LoadEntry> load_map_;
    size_t pending_object_ = 0;  // index of the newest object slot awaiting registration
};
