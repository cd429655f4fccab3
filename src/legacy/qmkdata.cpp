#include "legacy/qmkdata.h"

#include <stdexcept>

#include "platform/archive.h"

void CQmkdata::Serialize(CArchive& ar) {
    if (!ar.IsLoading()) {
        throw std::logic_error("CQmkdata is only read");
    }
    time = ar.ReadTime();
    call_sign = ar.ReadString();
    sent = ar.ReadStringArray();
    received = ar.ReadStringArray();
    first_marker = ar.ReadString();
    points = ar.ReadInt32();
    extra_value = ar.ReadInt32();
}

bool CQmkdata::IsFirst() const {
    return first_marker != "      ";
}

void Old230Sequence::Serialize(CArchive& ar) {
    if (!ar.IsLoading()) {
        throw std::logic_error("2.30 files are only read");
    }
    const size_t count = ar.ReadCount(CQmkdata::kMinTaggedBytes);
    // Reserved up front: the archive keeps the address of every object it registers.
    entries.clear();
    entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        ar.ReadNewObjectTag(CQmkdata::kClassName, CQmkdata::kSchema);
        CQmkdata& entry = entries.emplace_back();
        ar.RegisterLoadedObject(&entry);
        entry.Serialize(ar);
    }
    unconverted_strings_1 = ar.ReadStringArray();
    unconverted_strings_2 = ar.ReadStringArray();
    const size_t values = ar.ReadCount(4);
    unconverted_values.clear();
    unconverted_values.reserve(values);
    for (size_t i = 0; i < values; ++i) {
        unconverted_values.push_back(ar.ReadUInt32());
    }
    name = ar.ReadString();
    own_call_sign = ar.ReadString();
    own_sent = ar.ReadStringArray();
    frequency_text = ar.ReadString();
    start = ar.ReadTime();
    end = ar.ReadTime();
    for (int32_t& value : unconverted_ints) {
        value = ar.ReadInt32();
    }
    unconverted_time = ar.ReadTime();
    number_parameter_count = ar.ReadUInt16();
    letters_flag = ar.ReadUInt16();
    unconverted_short = ar.ReadUInt16();
}
