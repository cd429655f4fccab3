#include "platform/archive.h"

#include <bit>
#include <cstring>
#include <limits>

namespace {

std::string DescribeCause(CArchiveException::Cause cause, const std::string& message) {
    std::string text = CArchiveException::CauseText(cause);
    if (!message.empty()) {
        text += ": ";
        text += message;
    }
    return text;
}

[[noreturn]] void Throw(CArchiveException::Cause cause, const std::string& message) {
    throw CArchiveException(cause, message);
}

}  // namespace

CArchiveException::CArchiveException(Cause cause, const std::string& message)
    : std::runtime_error(DescribeCause(cause, message)), cause_(cause) {}

const char* CArchiveException::CauseText(Cause cause) {
    switch (cause) {
        case endOfFile:
            return "ends too early";
        case badIndex:
            return "bad object index";
        case badClass:
            return "unexpected class";
        case badSchema:
            return "unsupported schema";
        case badData:
            return "bad data";
    }
    return "archive error";
}

CArchive::CArchive() : storing_(true) {}

CArchive::CArchive(std::string_view bytes) : storing_(false), data_(bytes) {
    load_map_.emplace_back();  // index 0: null
}

CArchive CArchive::ForLoading(std::string&& bytes) {
    CArchive archive{std::string_view{}};
    archive.data_ = std::move(bytes);
    return archive;
}

std::string CArchive::TakeBuffer() {
    RequireStoring();
    std::string bytes = std::move(data_);
    data_.clear();
    return bytes;
}

void CArchive::RequireStoring() const {
    if (!storing_) {
        throw std::logic_error("CArchive: writing to a loading archive");
    }
}

void CArchive::RequireLoading() const {
    if (storing_) {
        throw std::logic_error("CArchive: reading from a storing archive");
    }
}

void CArchive::Need(size_t bytes) const {
    if (bytes > Remaining()) {
        Throw(CArchiveException::endOfFile, "needs " + std::to_string(bytes) + " bytes at offset " +
                                                std::to_string(pos_) + ", " +
                                                std::to_string(Remaining()) + " left");
    }
}

void CArchive::Put(const void* bytes, size_t size) {
    RequireStoring();
    data_.append(static_cast<const char*>(bytes), size);
}

void CArchive::Get(void* bytes, size_t size) {
    RequireLoading();
    Need(size);
    std::memcpy(bytes, data_.data() + pos_, size);
    pos_ += size;
}

// --- Writing ---

void CArchive::WriteUInt16(uint16_t value) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(value),
                                    static_cast<unsigned char>(value >> 8)};
    Put(bytes, sizeof bytes);
}

void CArchive::WriteUInt32(uint32_t value) {
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    Put(bytes, sizeof bytes);
}

void CArchive::WriteInt32(int32_t value) {
    WriteUInt32(static_cast<uint32_t>(value));
}

void CArchive::WriteDouble(double value) {
    const uint64_t bits = std::bit_cast<uint64_t>(value);
    WriteUInt32(static_cast<uint32_t>(bits));
    WriteUInt32(static_cast<uint32_t>(bits >> 32));
}

void CArchive::WriteTime(int64_t seconds) {
    if (seconds < std::numeric_limits<int32_t>::min() ||
        seconds > std::numeric_limits<int32_t>::max()) {
        Throw(CArchiveException::badData,
              "time " + std::to_string(seconds) + " does not fit the file's 32-bit field");
    }
    WriteInt32(static_cast<int32_t>(seconds));
}

void CArchive::WriteString(std::string_view bytes) {
    const size_t length = bytes.size();
    if (length < 0xFF) {
        const unsigned char prefix = static_cast<unsigned char>(length);
        Put(&prefix, 1);
    } else if (length < 0xFFFE) {
        const unsigned char escape = 0xFF;
        Put(&escape, 1);
        WriteUInt16(static_cast<uint16_t>(length));
    } else {
        if (length > std::numeric_limits<uint32_t>::max()) {
            Throw(CArchiveException::badData, "string too long");
        }
        const unsigned char escape = 0xFF;
        Put(&escape, 1);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<uint32_t>(length));
    }
    Put(bytes.data(), length);
}

void CArchive::WriteCount(size_t count) {
    if (count < 0xFFFF) {
        WriteUInt16(static_cast<uint16_t>(count));
        return;
    }
    if (count > std::numeric_limits<uint32_t>::max()) {
        Throw(CArchiveException::badData, "count too large");
    }
    WriteUInt16(0xFFFF);
    WriteUInt32(static_cast<uint32_t>(count));
}

void CArchive::WriteStringArray(const std::vector<std::string>& strings) {
    WriteCount(strings.size());
    for (const std::string& text : strings) {
        WriteString(text);
    }
}

uint32_t CArchive::NextIndex() {
    if (map_count_ > kMaxMapCount) {
        Throw(CArchiveException::badIndex, "too many objects");
    }
    return map_count_++;
}

void CArchive::WriteIndexTag(uint32_t index, bool is_class) {
    if (index < kBigObjectTag) {
        WriteUInt16(static_cast<uint16_t>(is_class ? (kClassTag | index) : index));
    } else {
        WriteUInt16(kBigObjectTag);
        WriteUInt32(is_class ? (kBigClassTag | index) : index);
    }
}

bool CArchive::WriteObjectTag(const void* object, std::string_view class_name, uint16_t schema) {
    RequireStoring();
    if (object == nullptr) {
        WriteUInt16(kNullTag);
        return false;
    }
    if (const auto found = stored_objects_.find(object); found != stored_objects_.end()) {
        WriteIndexTag(found->second, false);
        return false;
    }
    const std::string name(class_name);
    if (const auto found = stored_classes_.find(name); found != stored_classes_.end()) {
        WriteIndexTag(found->second, true);
    } else {
        if (name.empty() || name.size() > kMaxClassName) {
            Throw(CArchiveException::badClass,
                  "class name of " + std::to_string(name.size()) + " bytes cannot be stored");
        }
        WriteUInt16(kNewClassTag);
        WriteUInt16(schema);
        WriteUInt16(static_cast<uint16_t>(name.size()));
        Put(name.data(), name.size());
        stored_classes_.emplace(name, NextIndex());
    }
    stored_objects_.emplace(object, NextIndex());
    return true;
}

// --- Reading ---

uint16_t CArchive::ReadUInt16() {
    unsigned char bytes[2];
    Get(bytes, sizeof bytes);
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t CArchive::ReadUInt32() {
    unsigned char bytes[4];
    Get(bytes, sizeof bytes);
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

int32_t CArchive::ReadInt32() {
    return static_cast<int32_t>(ReadUInt32());
}

double CArchive::ReadDouble() {
    const uint64_t low = ReadUInt32();
    const uint64_t high = ReadUInt32();
    return std::bit_cast<double>(low | (high << 32));
}

int64_t CArchive::ReadTime() {
    return ReadInt32();
}

std::string CArchive::ReadString() {
    unsigned char prefix = 0;
    Get(&prefix, 1);
    size_t length = prefix;
    if (prefix == 0xFF) {
        const uint16_t length16 = ReadUInt16();
        if (length16 == 0xFFFE) {
            // The old toolkit's marker for a wide-character string; contest files never
            // hold one.
            Throw(CArchiveException::badData,
                  "wide-character string at offset " + std::to_string(pos_ - 3));
        }
        length = length16 == 0xFFFF ? ReadUInt32() : length16;
    }
    Need(length);
    std::string text(data_.data() + pos_, length);
    pos_ += length;
    return text;
}

size_t CArchive::ReadCount(size_t min_element_bytes) {
    const uint16_t count16 = ReadUInt16();
    const size_t count = count16 == 0xFFFF ? ReadUInt32() : count16;
    // Every element takes at least one byte in any record that is stored as a list.
    const size_t element = min_element_bytes == 0 ? 1 : min_element_bytes;
    if (count > Remaining() / element) {
        Throw(CArchiveException::endOfFile, "count " + std::to_string(count) + " cannot fit the " +
                                                std::to_string(Remaining()) + " bytes left");
    }
    return count;
}

std::vector<std::string> CArchive::ReadStringArray() {
    const size_t count = ReadCount(1);
    std::vector<std::string> strings;
    strings.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        strings.push_back(ReadString());
    }
    return strings;
}

CArchive::ObjectTag CArchive::ReadObjectTag() {
    RequireLoading();
    const size_t tag_offset = pos_;
    const uint16_t tag16 = ReadUInt16();
    const uint32_t tag = tag16 == kBigObjectTag
                             ? ReadUInt32()
                             : ((static_cast<uint32_t>(tag16 & kClassTag) << 16) |
                                static_cast<uint32_t>(tag16 & ~kClassTag));
    const std::string where = " (tag at offset " + std::to_string(tag_offset) + ")";

    ObjectTag result;
    if ((tag & kBigClassTag) == 0) {
        if (tag == 0) {
            result.kind = ObjectTag::null;
            return result;
        }
        if (tag >= load_map_.size() || load_map_[tag].is_class ||
            load_map_[tag].object == nullptr) {
            Throw(CArchiveException::badIndex,
                  "reference to unknown object " + std::to_string(tag) + where);
        }
        result.kind = ObjectTag::backReference;
        result.object = load_map_[tag].object;
        return result;
    }

    size_t class_index = 0;
    if (tag16 == kNewClassTag) {
        LoadEntry entry;
        entry.is_class = true;
        entry.schema = ReadUInt16();
        const uint16_t length = ReadUInt16();
        if (length == 0 || length > kMaxClassName) {
            Throw(CArchiveException::badClass,
                  "class name of " + std::to_string(length) + " bytes" + where);
        }
        Need(length);
        entry.class_name.assign(data_.data() + pos_, length);
        pos_ += length;
        if (load_map_.size() > kMaxMapCount) {
            Throw(CArchiveException::badIndex, "too many objects" + where);
        }
        class_index = load_map_.size();
        load_map_.push_back(std::move(entry));
    } else {
        class_index = tag & ~kBigClassTag;
        if (class_index == 0 || class_index >= load_map_.size() ||
            !load_map_[class_index].is_class) {
            Throw(CArchiveException::badIndex,
                  "reference to unknown class " + std::to_string(class_index) + where);
        }
    }

    if (load_map_.size() > kMaxMapCount) {
        Throw(CArchiveException::badIndex, "too many objects" + where);
    }
    // The new object takes the next index now, before its body is read, as the old
    // toolkit numbered them; the caller fills the slot with RegisterLoadedObject.
    pending_object_ = load_map_.size();
    load_map_.emplace_back();
    result.kind = ObjectTag::newObject;
    result.class_name = load_map_[class_index].class_name;
    result.schema = load_map_[class_index].schema;
    return result;
}

void CArchive::RegisterLoadedObject(void* object) {
    RequireLoading();
    if (pending_object_ == 0 || object == nullptr) {
        throw std::logic_error("CArchive: no new object tag awaits registration");
    }
    load_map_[pending_object_].object = object;
    pending_object_ = 0;
}

void CArchive::ReadNewObjectTag(std::string_view class_name, uint16_t schema) {
    const size_t tag_offset = pos_;
    const ObjectTag tag = ReadObjectTag();
    const std::string where = " (tag at offset " + std::to_string(tag_offset) + ")";
    switch (tag.kind) {
        case ObjectTag::null:
            Throw(CArchiveException::badClass,
                  "null where a " + std::string(class_name) + " was expected" + where);
        case ObjectTag::backReference:
            Throw(
                CArchiveException::badIndex,
                "repeated object where a new " + std::string(class_name) + " was expected" + where);
        case ObjectTag::newObject:
            break;
    }
    if (tag.class_name != class_name) {
        Throw(CArchiveException::badClass, "class " + tag.class_name + " where " +
                                               std::string(class_name) + " was expected" + where);
    }
    if (tag.schema != schema) {
        Throw(CArchiveException::badSchema,
              std::string(class_name) + " schema " + std::to_string(tag.schema) + where);
    }
}
