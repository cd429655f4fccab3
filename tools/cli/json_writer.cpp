#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string JsonWriter::Quote(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out.push_back('"');
    for (const char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", byte);
                    out += escape;
                } else {
                    out.push_back(c);
                }
        }
    }
    out.push_back('"');
    return out;
}

void JsonWriter::Newline() {
    out_.push_back('\n');
    out_.append(2 * empty_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!empty_.empty()) {
        if (!empty_.back()) {
            out_.push_back(',');
        }
        empty_.back() = false;
        Newline();
    }
}

void JsonWriter::BeginObject() {
    BeforeValue();
    out_.push_back('{');
    empty_.push_back(true);
}

void JsonWriter::EndObject() {
    const bool was_empty = empty_.back();
    empty_.pop_back();
    if (!was_empty) {
        Newline();
    }
    out_.push_back('}');
    if (empty_.empty()) {
        out_.push_back('\n');
    }
}

void JsonWriter::BeginArray() {
    BeforeValue();
    out_.push_back('[');
    empty_.push_back(true);
}

void JsonWriter::EndArray() {
    const bool was_empty = empty_.back();
    empty_.pop_back();
    if (!was_empty) {
        Newline();
    }
    out_.push_back(']');
    if (empty_.empty()) {
        out_.push_back('\n');
    }
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    out_ += Quote(key);
    out_ += ": ";
    after_key_ = true;
}

void JsonWriter::String(std::string_view utf8) {
    BeforeValue();
    out_ += Quote(utf8);
}

void JsonWriter::Int(int64_t value) {
    BeforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::Double(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        out_ += "null";
        return;
    }
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out_.append(text, result.ptr);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}
