#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932.h"
#include "platform/time_zone_rule.h"

class IOperator;

// The automatic-save files (Tmp_N.qmk) of unnamed contests that an earlier run left behind
// when it crashed or was killed: found at start-up and offered to the operator, one by one,
// to open, keep for the next start or delete. A file that a running program holds (its lock
// file names a live process) is none of them. The decisions are plain functions; the start-up
// (quillmark_app.cpp) calls OfferLeftovers with the operator and a way to open a file.
namespace crash_recovery {

// "Tmp_" + a number from 1 to 9999 without leading zeros + ".qmk", as automatic saves name
// their files.
bool IsAutomaticSaveName(std::string_view name);

// The folder automatic saves go to: the program's folder when it can be written, else the
// per-user data folder (as CQuillmarkDoc chooses it).
std::string AutomaticSaveFolder(const std::string& program_folder,
                                const std::string& user_data_folder);

// The automatic-save files in folder that no running program holds, in number order.
std::vector<std::string> FindLeftovers(const std::string& folder,
                                       const std::function<bool(const std::string&)>& is_held);
// True when a running program has the file open (its lock file names a live process).
bool IsHeldByRunningProgram(const std::string& path);

// What the operator is told about one leftover.
struct Leftover {
    std::string path;
    int64_t saved = 0;   // the file's modification time
    Cp932 contest_name;  // empty when the file does not load
    int64_t contacts = 0;
    std::string load_error;  // why it does not load (English), else empty
};
Leftover Describe(const std::string& path, std::string_view punctuation_marks);

// The question (Yes opens, No deletes, Cancel keeps) and the delete confirmation, CP932.
Cp932 Question(const Leftover& leftover, const CTimeZoneRule& rule);
Cp932 DeleteConfirmation(const std::string& path);
Cp932 Caption();

// Asks about every leftover in folder: Yes hands it to open, No deletes it after a second
// question, Cancel keeps it for the next start.
void OfferLeftovers(IOperator& op, const std::string& folder, std::string_view punctuation_marks,
                    const CTimeZoneRule& rule, const std::function<void(const std::string&)>& open);

}  // namespace crash_recovery
