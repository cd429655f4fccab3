#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A small streaming JSON writer for the command-line tool: objects, arrays, strings, integers,
// doubles and booleans, indented two blanks per level. Keys and string values must be UTF-8;
// the writer escapes quotes, backslashes and control characters. The caller is responsible
// for a well-formed sequence (a key before each value inside an object).
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // The key of the next value inside an object.
    void Key(std::string_view key);
    void String(std::string_view utf8);
    void Int(int64_t value);
    // Shortest text that reads back as the same double; null for a non-finite value, which
    // JSON cannot hold.
    void Double(double value);
    void Bool(bool value);

    const std::string& Text() const { return out_; }

    // The JSON string literal for utf8, quotes included.
    static std::string Quote(std::string_view utf8);

private:
    void BeforeValue();
    void Newline();

    std::string out_;
    // One entry per open object or array: true while it has no member yet.
    std::vector<bool> empty_;
    bool after_key_ = false;
};
