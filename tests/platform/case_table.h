#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "temp_folder.h"

// Long tables of cases that are only data are kept as text in tests/data: one case a line,
// fields between "|", blanks around a field dropped unless the field is written in double
// quotes (so "" is an empty field); blank lines and lines starting with "#" are comments.
namespace platform_test {

using CaseRow = std::vector<std::string>;

inline std::vector<CaseRow> CaseTable(const std::string& name, size_t fields) {
    std::vector<CaseRow> rows;
    std::istringstream text(ReadAll(std::string(QUILLMARK_TEST_DATA_DIR) + "/" + name));
    for (std::string line; std::getline(text, line);) {
        if (line.find_first_not_of(' ') == std::string::npos || line[0] == '#') {
            continue;
        }
        CaseRow row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '|');) {
            const size_t first = cell.find_first_not_of(' ');
            cell = first == std::string::npos
                       ? ""
                       : cell.substr(first, cell.find_last_not_of(' ') - first + 1);
            if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
                cell = cell.substr(1, cell.size() - 2);
            }
            row.push_back(cell);
        }
        EXPECT_EQ(row.size(), fields) << name << ": " << line;
        if (row.size() == fields) {
            rows.push_back(row);
        }
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

// A field's items between ";", empty ones included ("a;" is "a" and "", "" is one empty item).
inline std::vector<std::string> Items(const std::string& field) {
    std::vector<std::string> items;
    std::istringstream text(field + ";");
    for (std::string item; std::getline(text, item, ';');) {
        items.push_back(item);
    }
    return items;
}

// A field's bytes with each "\xNN" turned into the byte NN and "\\" into one backslash, for
// tables of texts that are not UTF-8 (CP932, broken sequences, NUL bytes).
inline std::string Unescaped(const std::string& field) {
    std::string bytes;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field.compare(i, 2, "\\\\") == 0) {
            bytes += '\\';
            ++i;
        } else if (field.compare(i, 2, "\\x") == 0 && i + 4 <= field.size()) {
            bytes += static_cast<char>(std::stoi(field.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return bytes;
}

}  // namespace platform_test
