#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

class CArchive;

// One log entry of a 2.30 file: a tagged object of class CQmkdata holding the texts as they
// were typed (free-text call sign, contest numbers as one string per parameter) and a First
// marker text. A plain record: read once, then converted.
class CQmkdata {
public:
    static constexpr std::string_view kClassName = "CQmkdata";
    static constexpr uint16_t kSchema = 1;
    // Bytes the smallest tagged object takes (a two-byte class reference, then the body).
    static constexpr size_t kMinTaggedBytes = 2 + 4 + 1 + 2 + 2 + 1 + 4 + 4;

    // Reads the object's body (the caller has read its tag); never written.
    void Serialize(CArchive& ar);
    // Six blanks mean "not First"; any other marker, an empty one included, means First.
    bool IsFirst() const;

    int64_t time = 0;
    Cp932 call_sign;
    std::vector<Cp932> sent;
    std::vector<Cp932> received;
    Cp932 first_marker;
    int32_t points = 0;
    int32_t extra_value = 0;  // not converted
};

// Everything a 2.30 file holds after its header, in file order: the entry array, two string
// arrays and a value list that are not converted, the contest name, own call sign and sent
// number, the frequency as decimal text, the period, values that are not converted, and the
// contest-number parameter count with its letters flag.
class Old230Sequence {
public:
    // Reads the sequence. The entry array must hold new CQmkdata objects only: a null, a
    // repeated object or another class throws CArchiveException.
    void Serialize(CArchive& ar);

    std::vector<CQmkdata> entries;
    std::vector<Cp932> unconverted_strings_1;
    std::vector<Cp932> unconverted_strings_2;
    std::vector<uint32_t> unconverted_values;
    Cp932 name;
    Cp932 own_call_sign;
    std::vector<Cp932> own_sent;
    Cp932 frequency_text;
    int64_t start = 0;
    int64_t end = 0;
    int32_t unconverted_ints[3] = {0, 0, 0};
    int64_t unconverted_time = 0;
    uint16_t number_parameter_count = 0;
    // Nonzero allows letters in the second and third contest-number parameters.
    uint16_t letters_flag = 0;
    uint16_t unconverted_short = 0;
};
