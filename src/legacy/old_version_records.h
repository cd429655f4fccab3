#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/parameter_format.h"
#include "model/parameter_item.h"
#include "platform/cp932.h"

class CArchive;

// The data-file versions before 4.00 that the converter reads.
enum class OldFileVersion { v230, v300, v310, v330, v350 };

// One log entry as versions 3.00 to 3.50 stored it (untagged). The three texts are item
// records byte-identical to the current ones, so the current item classes read them; what
// differs between the versions is how the card states are kept and which extra fields follow.
// A plain record: read once by Serialize, then taken apart by the converter.
template <OldFileVersion V>
class OldLogDataRecord {
public:
    static_assert(V != OldFileVersion::v230, "2.30 entries are CQmkdata objects");

    // Reads the record; old records are never written.
    void Serialize(CArchive& ar);
    // The card bit set (1 requested, 2 sent, 4 received). 3.00 kept a list whose first value
    // is the bit set; an empty list counts as every state set.
    int32_t GetCardFlags() const;
    // Bytes the smallest record takes, for bounding the entry count.
    static constexpr size_t MinRecordBytes() {
        constexpr size_t common = 4 + 4 + 3 * (4 + 2) + 4 + 4;
        if constexpr (V == OldFileVersion::v300) {
            return common + 2;
        } else if constexpr (V == OldFileVersion::v350) {
            return common + 1 + 4 + 4 + 1;
        } else {
            return common + 4 + 1;
        }
    }

    int32_t valid = 0;
    int64_t time = 0;
    CQuillmarkData_CallSignItem call_sign;
    CQuillmarkData_ContestNumberItem sent;
    CQuillmarkData_ContestNumberItem received;
    int32_t first = 0;
    int32_t points = 0;
    std::vector<uint32_t> card_states;  // 3.00
    int32_t card_flags = 0;             // 3.10 and later
    // Fields the conversion does not take over: 3.10/3.30 a string after the card flags;
    // 3.50 a string and an int32 before them and a string after them.
    Cp932 extra_text;
    int32_t extra_value = 0;
    Cp932 trailing_text;
};

// The single-band contest record of versions 3.00 to 3.50 (untagged): the contest, its one
// band's frequency (3.30 on with a unit code, 3.50 also with mode and calling method), the
// entries and both formats, plus a trailing field of 3.00 and 3.10 that is not converted.
template <OldFileVersion V>
class OldMainDataRecord {
public:
    static_assert(V != OldFileVersion::v230, "2.30 files have no contest record");

    void Serialize(CArchive& ar);

    int32_t valid = 0;
    Cp932 name;
    double frequency = 0.0;
    // 1 kHz, 2 MHz, 3 GHz; versions before 3.30 always meant MHz.
    int32_t unit_code = 2;
    Cp932 mode;  // 3.50
    int64_t start = 0;
    int64_t end = 0;
    CQuillmarkData_CallSignItem own_call_sign;
    CQuillmarkData_ContestNumberItem own_sent;
    int32_t calling_method = 1;  // 3.50
    std::vector<OldLogDataRecord<V>> entries;
    CQuillmarkData_CallSignType call_sign_format;
    CQuillmarkData_ContestNumberType number_format;
    std::vector<uint32_t> trailing_values;  // 3.00
    int32_t trailing_value = 0;             // 3.10
};

// The graph record that 3.00 and 3.10 files carry after the contest; read and discarded,
// since graph series are recomputed from the entries.
class OldGraphDataRecord {
public:
    void Serialize(CArchive& ar);

    int32_t valid = 0;
    int64_t start = 0;
    int64_t end = 0;
    int32_t interval = 0;
    std::vector<int64_t> times;
};

extern template class OldLogDataRecord<OldFileVersion::v300>;
extern template class OldLogDataRecord<OldFileVersion::v310>;
extern template class OldLogDataRecord<OldFileVersion::v330>;
extern template class OldLogDataRecord<OldFileVersion::v350>;
extern template class OldMainDataRecord<OldFileVersion::v300>;
extern template class OldMainDataRecord<OldFileVersion::v310>;
extern template class OldMainDataRecord<OldFileVersion::v330>;
extern template class OldMainDataRecord<OldFileVersion::v350>;

// The reader families by their version names. The attributes, format and item records are
// byte-identical in every version from 3.00 on, so the current classes read them.
using CQuillmarkData_Old_300_MainData = OldMainDataRecord<OldFileVersion::v300>;
using CQuillmarkData_Old_300_TypeOfCallSign = CQuillmarkData_CallSignType;
using CQuillmarkData_Old_300_TypeOfContestNumber = CQuillmarkData_ContestNumberType;
using CQuillmarkData_Old_300_AttribOfParameter = CQuillmarkData_ParameterAttributes;
using CQuillmarkData_Old_300_CallSignItem = CQuillmarkData_CallSignItem;
using CQuillmarkData_Old_300_ContestNumberItem = CQuillmarkData_ContestNumberItem;
using CQuillmarkData_Old_300_LogDataItem = OldLogDataRecord<OldFileVersion::v300>;
using CQuillmarkData_Old_300_GraphDataItem = OldGraphDataRecord;

using CQuillmarkData_Old_310_MainData = OldMainDataRecord<OldFileVersion::v310>;
using CQuillmarkData_Old_310_ParameterType = CQuillmarkData_ParameterType;
using CQuillmarkData_Old_310_CallSignType = CQuillmarkData_CallSignType;
using CQuillmarkData_Old_310_ContestNumberType = CQuillmarkData_ContestNumberType;
using CQuillmarkData_Old_310_ParameterAttributes = CQuillmarkData_ParameterAttributes;
using CQuillmarkData_Old_310_Item = CQuillmarkData_Item;
using CQuillmarkData_Old_310_CallSignItem = CQuillmarkData_CallSignItem;
using CQuillmarkData_Old_310_ContestNumberItem = CQuillmarkData_ContestNumberItem;
using CQuillmarkData_Old_310_LogDataItem = OldLogDataRecord<OldFileVersion::v310>;
using CQuillmarkData_Old_310_GraphDataItem = OldGraphDataRecord;

using CQuillmarkData_Old_330_MainData = OldMainDataRecord<OldFileVersion::v330>;
using CQuillmarkData_Old_330_ParameterType = CQuillmarkData_ParameterType;
using CQuillmarkData_Old_330_CallSignType = CQuillmarkData_CallSignType;
using CQuillmarkData_Old_330_ContestNumberType = CQuillmarkData_ContestNumberType;
using CQuillmarkData_Old_330_ParameterAttributes = CQuillmarkData_ParameterAttributes;
using CQuillmarkData_Old_330_Item = CQuillmarkData_Item;
using CQuillmarkData_Old_330_CallSignItem = CQuillmarkData_CallSignItem;
using CQuillmarkData_Old_330_ContestNumberItem = CQuillmarkData_ContestNumberItem;
using CQuillmarkData_Old_330_LogDataItem = OldLogDataRecord<OldFileVersion::v330>;
// 3.30 files carry no graph record; the class is kept for the family's sake.
using CQuillmarkData_Old_330_GraphDataItem = OldGraphDataRecord;

using CQuillmarkData_Old_350_MainData = OldMainDataRecord<OldFileVersion::v350>;
using CQuillmarkData_Old_350_ParameterType = CQuillmarkData_ParameterType;
using CQuillmarkData_Old_350_CallSignType = CQuillmarkData_CallSignType;
using CQuillmarkData_Old_350_ContestNumberType = CQuillmarkData_ContestNumberType;
using CQuillmarkData_Old_350_ParameterAttributes = CQuillmarkData_ParameterAttributes;
using CQuillmarkData_Old_350_Item = CQuillmarkData_Item;
using CQuillmarkData_Old_350_CallSignItem = CQuillmarkData_CallSignItem;
using CQuillmarkData_Old_350_ContestNumberItem = CQuillmarkData_ContestNumberItem;
using CQuillmarkData_Old_350_LogDataItem = OldLogDataRecord<OldFileVersion::v350>;
using CQuillmarkData_Old_350_GraphDataItem = OldGraphDataRecord;
