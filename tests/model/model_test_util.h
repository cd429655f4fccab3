#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/band.h"
#include "model/contest.h"
#include "model/log_entry.h"
#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/archive.h"

// Builders shared by the model tests: default formats, items known to be valid, entries.
namespace model_test {

inline constexpr std::string_view kDelimiters = "/,.";

inline CQuillmarkData_ParameterAttributes Attributes(int32_t min, int32_t max,
                                                     uint32_t classes = 0xFFFFFFFFu,
                                                     std::string_view specials = {}) {
    CQuillmarkData_ParameterAttributes attributes;
    attributes.SetAttributes(min, max, classes, specials);
    return attributes;
}

inline CQuillmarkData_CallSignType CallSignFormat(int count = 2, int main_index = 0) {
    CQuillmarkData_CallSignType format;
    format.SetDefaultFormat(count, main_index);
    return format;
}

// Contest number "RST/NUMBER" (two default parameters); the multiplier is the second one
// unless told otherwise.
inline CQuillmarkData_ContestNumberType ContestNumberFormat(int count = 2, int multiplier = 1) {
    CQuillmarkData_ContestNumberType format;
    format.SetDefaultFormat(count, multiplier);
    return format;
}

inline CQuillmarkData_CallSignItem CallSign(std::string_view text,
                                            const CQuillmarkData_CallSignType& format) {
    CQuillmarkData_CallSignItem item;
    item.SetText(text, kDelimiters, format);
    return item;
}

inline CQuillmarkData_ContestNumberItem Number(std::string_view text,
                                               const CQuillmarkData_ContestNumberType& format) {
    CQuillmarkData_ContestNumberItem item;
    item.SetText(text, kDelimiters, format);
    return item;
}

inline CQuillmarkData_BandItem Band(double frequency, int unit) {
    CQuillmarkData_BandItem band;
    band.SetBand(frequency, unit);
    return band;
}

// Expected file bytes, built field by field in little-endian order.
class Bytes {
public:
    Bytes& I32(int32_t value) { return Raw(&value, 4); }
    Bytes& U16(uint16_t value) { return Raw(&value, 2); }
    Bytes& F64(double value) { return Raw(&value, 8); }
    // A string with a one-byte length prefix (shorter than 255 bytes).
    Bytes& Str(std::string_view text) {
        data_ += static_cast<char>(text.size());
        data_ += text;
        return *this;
    }
    const std::string& str() const { return data_; }

private:
    Bytes& Raw(const void* value, size_t size) {
        data_.append(static_cast<const char*>(value), size);
        return *this;
    }
    std::string data_;
};

// Writes an object with its Serialize into a fresh archive and returns the bytes.
template <typename T>
std::string Store(T& object) {
    CArchive ar;
    object.Serialize(ar);
    return ar.Buffer();
}

// Reads an object of type T from bytes; the whole input must be consumed.
template <typename T>
T Load(std::string_view bytes, size_t* left = nullptr) {
    CArchive ar(bytes);
    T object;
    object.Serialize(ar);
    if (left != nullptr) {
        *left = ar.Remaining();
    }
    return object;
}

// A valid entry against the default formats (call sign count 2, contest number count 2).
inline CQuillmarkData_LogDataItem Entry(int64_t time, std::string_view call,
                                        std::string_view received, int32_t points = 1) {
    const auto call_format = CallSignFormat();
    const auto number_format = ContestNumberFormat();
    CQuillmarkData_LogDataItem entry;
    entry.SetEntry(time, CallSign(call, call_format), Number("59/001", number_format),
                   Number(received, number_format), points);
    return entry;
}

// A valid contest with default formats (call sign 2 parameters, contest number 2 with the
// multiplier on the second) and no bands.
inline CQuillmarkData_MainData Contest(int multiplier = 1) {
    const auto call_format = CallSignFormat();
    CQuillmarkData_MainData contest;
    contest.SetContest("TEST", 1000, 1000 + 24 * 3600, CallSign("JA1ZZZ", call_format), call_format,
                       ContestNumberFormat(2, multiplier));
    return contest;
}

}  // namespace model_test
