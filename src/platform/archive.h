#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
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
        endOfFile,    // the data ends before the record does
        badIndex,     // an object tag names an index that was never read, or a wrong header
        badClass,     // a tag names a class other than the one expected
        badSchema,    // a class was written with a schema number this program does not read
        badData,      // a value no file written by this program can hold
    };

    CArchiveException(Cause cause, const std::string& message);
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

class CArchive {
public:
    // A storing archive; Buffer() holds what was written.
    CArchive();
    // A loading archive over a copy of the given bytes.
    explicit CArchive(std::string_view bytes);

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
    // an object written before (back reference).
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
    ObjectTag ReadObjectTag();
    void RegisterLoadedObject(void* object);
    // Reads a tag that must introduce a new object of the named class with the schema;
    // a null, a back reference, another class or another schema throws.
    void ReadNewObjectTag(std::string_view class_name, uint16_t schema = 1);

    size_t Remaining() const { return data_.size() - pos_; }
    size_t Position() const { return pos_; }
    const std::string& Buffer() const { return data_; }

private:
    // Implementation detail: the table of classes and objects met so far, in the order
    // they were first written or read; index 0 stands for null.
    struct MapEntry {
        bool is_class = false;
        std::string class_name;
        uint16_t schema = 0;
        const void* object = nullptr;
    };

    void Need(size_t bytes) const;
    void Put(const void* bytes, size_t size);
    void Get(void* bytes, size_t size);

    bool storing_;
    std::string data_;
    size_t pos_ = 0;
    std::vector<MapEntry> map_;
};
