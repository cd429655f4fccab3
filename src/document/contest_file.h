#pragma once

#include <string>
#include <string_view>

#include "platform/cp932.h"
#include "platform/safe_file.h"

class CQuillmarkData_MainData;
class IProgressSink;

// Reading and writing of contest data files (.qmk): the header string that names the format
// version, then the contest record. Saving always writes the current format (4.00) through
// safe saving; loading reads the current format itself and hands any other header to the
// old-version converter. What a load accepts is checked before the contest reaches the
// caller, so a damaged file fails with a reason instead of leaving a contest that later
// misbehaves. Works with CArchive, the contest model, safe_file and an IProgressSink for the
// status texts; no operator dialogs.
namespace contest_file {

// The header of the current format, CP932, trailing blank included.
const Cp932& CurrentHeader();
// "4.00".
const char* CurrentFormatName();

// The file image of a contest: header then contest record. Throws CArchiveException
// (badData) when a value cannot be stored, e.g. a time outside the 32-bit range.
std::string StoreContest(const CQuillmarkData_MainData& contest);

// Shows the writing status text, writes the file image safely and shows the completion text.
// On failure returns false with *reason (English, for the caller to put after the file
// name); the old file stays.
bool Save(const std::string& path, const CQuillmarkData_MainData& contest, IProgressSink& sink,
          std::string* reason = nullptr);
// The same with the failed step and errno (a value that cannot be stored fails at the write
// step with EINVAL) and the writer's options.
bool Save(const std::string& path, const CQuillmarkData_MainData& contest, IProgressSink& sink,
          const safe_file::WriteOptions& options, safe_file::Failure* failure);

struct LoadResult {
    bool loaded = false;
    // The format the header named: "4.00", "3.50", "3.30", "3.10", "3.00" or "2.30"; empty
    // when the header was not recognised.
    std::string format;
    // Entries of an older file that no longer fit the formats and were left out.
    int dropped_entries = 0;
    // An older file's own call sign or own sent contest number no longer fit its format and
    // was left empty.
    bool own_call_sign_lost = false;
    bool own_sent_number_lost = false;
    // True when the stored active band index was out of range and no band was made active.
    bool active_band_repaired = false;
    // Why the load failed (English), e.g. "not a known data file" or "ends too early: ...".
    std::string error;
};

// Loads a file image into contest. punctuation_marks is the delimiter set older files are
// converted with. On success the contest holds the file's contest (bands of converted files
// rebuilt: time order and First flags); on failure it is left empty (not valid, no bands).
// Status text, the converter's progress window and, for a conversion that lost entries or
// the own call sign or sent number, a notice go to sink.
LoadResult LoadFromBytes(std::string bytes, std::string_view punctuation_marks,
                         CQuillmarkData_MainData& contest, IProgressSink& sink);

// Reads the file at path, then as LoadFromBytes; a file that cannot be read fails with the
// reason.
LoadResult Load(const std::string& path, std::string_view punctuation_marks,
                CQuillmarkData_MainData& contest, IProgressSink& sink);

// The checks a loaded contest must pass: empty when it is sound, else the first fault found.
// Repairs what is safe to repair (an active band index out of range becomes "no active
// band"; *repaired_active is set then).
std::string CheckLoadedContest(CQuillmarkData_MainData& contest, bool* repaired_active = nullptr);

}  // namespace contest_file
