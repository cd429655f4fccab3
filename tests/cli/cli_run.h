#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "../platform/temp_folder.h"

extern char** environ;

// Runs the built quillmark-cli for the command-line tests: without a shell, its output
// streams into files of the test's folder, and the operator's settings and Qt's runtime folder
// kept apart from the user's in that folder.
namespace cli_test {

struct RunResult {
    int status = -1;  // -1: the tool did not exit by itself
    std::string out;
    std::string err;
};

// Starts the tool with args; its standard output and error go to the files out and err.
inline pid_t Start(const platform_test::TempFolder& folder, const std::vector<std::string>& args,
                   const std::string& out, const std::string& err) {
    // The tool's environment is this process's (left as it is) with the settings and Qt's
    // runtime folder in the test's folder, and a time zone that reads the same everywhere.
    std::vector<std::string> variables = {"XDG_CONFIG_HOME=" + folder / "config",
                                          "XDG_RUNTIME_DIR=" + folder / "runtime", "TZ=UTC0"};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view name(*variable, std::strcspn(*variable, "="));
        if (name != "XDG_CONFIG_HOME" && name != "XDG_RUNTIME_DIR" && name != "TZ") {
            variables.emplace_back(*variable);
        }
    }
    std::vector<char*> envp;
    for (std::string& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    std::vector<std::string> all{QUILLMARK_CLI};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t child = -1;
    ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

inline int Wait(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs the tool to its end, with what it wrote to each stream.
inline RunResult Run(const platform_test::TempFolder& folder,
                     const std::vector<std::string>& args) {
    const std::string out = folder / ".stdout";
    const std::string err = folder / ".stderr";
    RunResult result;
    result.status = Wait(Start(folder, args, out, err));
    result.out = platform_test::ReadAll(out);
    result.err = platform_test::ReadAll(err);
    return result;
}

}  // namespace cli_test
