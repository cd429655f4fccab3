#pragma once

#include <string>
#include <string_view>

class CQuillmarkData_MainData;

// The JSON form of a contest that `quillmark-cli dump` prints: every field of the contest,
// its formats, bands and entries as held in memory, texts converted from CP932 to UTF-8,
// times as seconds since 1970 UTC, plus the contest totals. format names the file's header
// version. All keys are always present.
std::string ContestToJson(const CQuillmarkData_MainData& contest, std::string_view format);
