#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/cp932.h"

// One command of quillmark-cli: its name, what its usage line shows after the name, how many
// file arguments it takes, the switches it accepts beside --punctuation, and the function
// that runs it. main.cpp keeps the table; each command lives in its own file. A switch
// listed with a trailing '=' ("--under-decimal-point=") takes a value, given as the next
// argument or after '='.
struct CommandLine;
struct CliCommand {
    const char* name;
    const char* synopsis;
    size_t arguments;
    std::vector<std::string> switches;
    int (*run)(const CommandLine&);
};

// What the parser made of argv for one command.
struct CommandLine {
    const CliCommand* command = nullptr;
    std::vector<std::string> arguments;
    std::vector<std::string> switches;  // those given, e.g. "--rebuild"
    Cp932 punctuation_marks;            // the delimiter set, CP932
    // Values of the switches that take one, by switch name without '=' (the last one given).
    std::vector<std::pair<std::string, std::string>> values;

    bool Has(const std::string& name) const;
    // The value given with a switch, or null when it was not given.
    const std::string* Value(const std::string& name) const;
};

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

// Parses argv[1..] against the commands. On a usage error returns false with *error set
// (one line, no program name). "--punctuation MARKS" and "--punctuation=MARKS" are accepted
// anywhere; MARKS is UTF-8 on the command line and must convert to CP932 and not be empty;
// "--" ends the switches, so a file name may start with '-'.
bool ParseCommandLine(const std::vector<std::string>& args, const std::vector<CliCommand>& commands,
                      CommandLine& parsed, std::string* error);

// The usage text listing every command.
std::string UsageText(const std::vector<CliCommand>& commands);

// "quillmark-cli: FILE: reason" on standard error; returns kExitFileError.
int ReportFileError(const std::string& file, const std::string& reason);
// "quillmark-cli: FILE: warning: text" on standard error.
void ReportWarning(const std::string& file, const std::string& text);
