#include "legacy/old_version_records.h"

#include <stdexcept>

#include "platform/archive.h"

namespace {

void RequireLoading(const CArchive& ar) {
    if (!ar.IsLoading()) {
        throw std::logic_error("old data-file records are only read");
    }
}

std::vector<uint32_t> ReadValueList(CArchive& ar) {
    const size_t count = ar.ReadCount(4);
    std::vector<uint32_t> values;
    values.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        values.push_back(ar.ReadUInt32());
    }
    return values;
}

constexpr int32_t kCardBits = 1 | 2 | 4;

}  // namespace

template <OldFileVersion V>
void OldLogDataRecord<V>::Serialize(CArchive& ar) {
    RequireLoading(ar);
    valid = ar.ReadInt32();
    time = ar.ReadTime();
    call_sign.Serialize(ar);
    sent.Serialize(ar);
    received.Serialize(ar);
    first = ar.ReadInt32();
    points = ar.ReadInt32();
    if constexpr (V == OldFileVersion::v300) {
        card_states = ReadValueList(ar);
    } else if constexpr (V == OldFileVersion::v350) {
        extra_text = ar.ReadString();
        extra_value = ar.ReadInt32();
        card_flags = ar.ReadInt32();
        trailing_text = ar.ReadString();
    } else {
        card_flags = ar.ReadInt32();
        extra_text = ar.ReadString();
    }
}

template <OldFileVersion V>
int32_t OldLogDataRecord<V>::GetCardFlags() const {
    if constexpr (V == OldFileVersion::v300) {
        return card_states.empty() ? kCardBits : static_cast<int32_t>(card_states[0]) & kCardBits;
    } else {
        return card_flags & kCardBits;
    }
}

template <OldFileVersion V>
void OldMainDataRecord<V>::Serialize(CArchive& ar) {
    RequireLoading(ar);
    valid = ar.ReadInt32();
    name = ar.ReadString();
    frequency = ar.ReadDouble();
    if constexpr (V == OldFileVersion::v330 || V == OldFileVersion::v350) {
        unit_code = ar.ReadInt32();
    }
    if constexpr (V == OldFileVersion::v350) {
        mode = ar.ReadString();
    }
    start = ar.ReadTime();
    end = ar.ReadTime();
    own_call_sign.Serialize(ar);
    own_sent.Serialize(ar);
    if constexpr (V == OldFileVersion::v350) {
        calling_method = ar.ReadInt32();
    }
    const size_t count = ar.ReadCount(OldLogDataRecord<V>::MinRecordBytes());
    entries.assign(count, OldLogDataRecord<V>());
    for (auto& entry : entries) {
        entry.Serialize(ar);
    }
    call_sign_format.Serialize(ar);
    number_format.Serialize(ar);
    if constexpr (V == OldFileVersion::v300) {
        trailing_values = ReadValueList(ar);
    } else if constexpr (V == OldFileVersion::v310) {
        trailing_value = ar.ReadInt32();
    }
}

void OldGraphDataRecord::Serialize(CArchive& ar) {
    RequireLoading(ar);
    valid = ar.ReadInt32();
    start = ar.ReadTime();
    end = ar.ReadTime();
    interval = ar.ReadInt32();
    const size_t count = ar.ReadCount(4);
    times.clear();
    times.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        times.push_back(ar.ReadTime());
    }
}

template class OldLogDataRecord<OldFileVersion::v300>;
template class OldLogDataRecord<OldFileVersion::v310>;
template class OldLogDataRecord<OldFileVersion::v330>;
template class OldLogDataRecord<OldFileVersion::v350>;
template class OldMainDataRecord<OldFileVersion::v300>;
template class OldMainDataRecord<OldFileVersion::v310>;
template class OldMainDataRecord<OldFileVersion::v330>;
template class OldMainDataRecord<OldFileVersion::v350>;
