#pragma once

#include <string>

#include "document/contest_file.h"
#include "platform/cp932.h"

class CQuillmarkData_MainData;

// Loads a contest data file of any supported version for a command: on failure prints the
// one-line error naming the file; on success prints warnings for entries an old version lost
// and for a repaired active band. Returns the load result.
contest_file::LoadResult LoadContestForCommand(const std::string& path,
                                               const Cp932& punctuation_marks,
                                               CQuillmarkData_MainData& contest);
