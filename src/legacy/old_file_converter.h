#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "legacy/old_version_records.h"
#include "platform/cp932.h"

class CArchive;
class CQuillmarkData_MainData;
class IProgressSink;

// Conversion of data files written by the five versions before 4.00 (2.30, 3.00, 3.10, 3.30,
// 3.50) into the current contest model. The contest file loader reads the header string and
// hands every header other than the current one to ConvertOldFile, which reads the old
// records from the same archive and builds one contest with exactly one band, made active.
// Works with the old reader classes, the contest model and an IProgressSink for the progress
// window; shows no messages itself.

struct OldFileConversion {
    // False when the header is none of the five old ones; nothing was read or changed then.
    bool recognised = false;
    // The version the header named: "2.30", "3.00", "3.10", "3.30" or "3.50".
    std::string format;
    // Entries whose call sign or contest numbers no longer fit the formats and were left out.
    int dropped_entries = 0;
    // The stored own call sign / own sent contest number was not empty but no longer fits its
    // format, so the contest or its band has none.
    bool own_call_sign_lost = false;
    bool own_sent_number_lost = false;
};

// Recognises the header, reads the records that follow it and converts them with the
// delimiter set punctuation_marks. On success contest is replaced by the converted contest
// (entries in time order, First flags recomputed). A damaged file throws CArchiveException
// (also badData for a 2.30 contest-number parameter count outside 2 to 4, a frequency that
// is not finite, negative or absurdly large, or an unknown unit code) and leaves contest as it
// was. The progress window is closed in every case.
OldFileConversion ConvertOldFile(CArchive& ar, std::string_view header,
                                 std::string_view punctuation_marks,
                                 CQuillmarkData_MainData& contest, IProgressSink& sink);

struct OldFileHeader {
    OldFileVersion version;
    Cp932 header;        // CP932, trailing blank included
    const char* format;  // "2.30" … "3.50"
};

// The five old headers in the order they are tried.
const std::vector<OldFileHeader>& RecognisedOldHeaders();

// The entry of the header, or null when it is none of the five.
const OldFileHeader* FindOldHeader(std::string_view header);
