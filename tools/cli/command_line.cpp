#include "command_line.h"

#include <algorithm>
#include <cstdio>

#include "platform/cp932_convert.h"
#include "user_settings.h"

namespace {

constexpr const char* kPunctuation = "--punctuation";

}  // namespace

bool CommandLine::Has(const std::string& name) const {
    return std::find(switches.begin(), switches.end(), name) != switches.end();
}

const std::string* CommandLine::Value(const std::string& name) const {
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        if (it->first == name) {
            return &it->second;
        }
    }
    return nullptr;
}

bool ParseCommandLine(const std::vector<std::string>& args, const std::vector<CliCommand>& commands,
                      CommandLine& parsed, std::string* error) {
    auto fail = [&](const std::string& text) {
        *error = text;
        return false;
    };
    parsed = CommandLine{};
    if (args.empty()) {
        return fail("no command given");
    }
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const CliCommand& c) { return args[0] == c.name; });
    if (command == commands.end()) {
        return fail("unknown command '" + args[0] + "'");
    }
    parsed.command = &*command;

    bool punctuation_given = false;
    std::string punctuation_utf8;
    bool only_arguments = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (only_arguments || arg.size() < 2 || arg[0] != '-') {
            parsed.arguments.push_back(arg);
            continue;
        }
        if (arg == "--") {
            only_arguments = true;
            continue;
        }
        if (arg == kPunctuation || arg.rfind(std::string(kPunctuation) + "=", 0) == 0) {
            if (punctuation_given) {
                return fail("--punctuation given twice");
            }
            punctuation_given = true;
            if (arg == kPunctuation) {
                if (i + 1 >= args.size()) {
                    return fail("--punctuation needs the delimiter characters");
                }
                punctuation_utf8 = args[++i];
            } else {
                punctuation_utf8 = arg.substr(std::string(kPunctuation).size() + 1);
            }
            continue;
        }
        const auto& allowed = command->switches;
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (std::find(allowed.begin(), allowed.end(), name + "=") != allowed.end()) {
            if (equals != std::string::npos) {
                parsed.values.emplace_back(name, arg.substr(equals + 1));
            } else if (i + 1 < args.size()) {
                parsed.values.emplace_back(name, args[++i]);
            } else {
                return fail(name + " needs a value");
            }
            if (!parsed.Has(name)) {
                parsed.switches.push_back(name);
            }
            continue;
        }
        if (std::find(allowed.begin(), allowed.end(), arg) == allowed.end()) {
            return fail("unknown option '" + arg + "' for " + command->name);
        }
        if (!parsed.Has(arg)) {
            parsed.switches.push_back(arg);
        }
    }
    if (parsed.arguments.size() != command->arguments) {
        return fail(std::string(command->name) + " takes " + std::to_string(command->arguments) +
                    (command->arguments == 1 ? " file" : " files"));
    }
    if (punctuation_given) {
        const auto marks = TryUtf8ToCp932(punctuation_utf8);
        if (!marks || marks->empty()) {
            return fail("--punctuation needs at least one character that CP932 can hold");
        }
        parsed.punctuation_marks = *marks;
    } else {
        parsed.punctuation_marks = DefaultPunctuationMarks();
    }
    return true;
}

std::string UsageText(const std::vector<CliCommand>& commands) {
    std::string text;
    for (size_t i = 0; i < commands.size(); ++i) {
        text += i == 0 ? "usage: " : "       ";
        text += "quillmark-cli ";
        text += commands[i].name;
        text += " ";
        text += commands[i].synopsis;
        text += " [--punctuation MARKS]\n";
    }
    return text;
}

int ReportFileError(const std::string& file, const std::string& reason) {
    std::fprintf(stderr, "quillmark-cli: %s: %s\n", file.c_str(), reason.c_str());
    return kExitFileError;
}

void ReportWarning(const std::string& file, const std::string& text) {
    std::fprintf(stderr, "quillmark-cli: %s: warning: %s\n", file.c_str(), text.c_str());
}
