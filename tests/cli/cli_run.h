#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <string>
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
    ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    // Times the tool shows in local time read the same on every machine.
    ::setenv("TZ", "UTC0", 1);
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
    ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
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
