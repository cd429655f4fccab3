// quillmark-cli: command-line access to contest data files for scripting and support.
// Each command lives in its own file; adding one means a file and a line in Commands().
#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"

int RunDump(const CommandLine& line);
int RunConvert(const CommandLine& line);
int RunExport(const CommandLine& line);
int RunCityCodes(const CommandLine& line);
int RunSample(const CommandLine& line);
int RunPrint(const CommandLine& line);
int RunLog(const CommandLine& line);

namespace {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"dump", "FILE [--rebuild]", 1, {"--rebuild"}, RunDump},
        {"convert", "IN OUT", 2, {}, RunConvert},
        {"export",
         "FILE OUT [--format text|jarl-r21|jarl-r10|cabrillo|adif] [--contest NAME] "
         "[--under-decimal-point N] [--utc]",
         2,
         {"--format=", "--contest=", "--under-decimal-point=", "--utc"},
         RunExport},
        {"citycodes", "FILE", 1, {}, RunCityCodes},
        {"print", "FILE OUT.pdf [--type 1|2|3|4] [--paper A4|B5|Letter] [--utc]", 2,
         {"--type=", "--paper=", "--utc"}, RunPrint},
        {"sample", "OUT [--contacts N] [--seed S]", 1, {"--contacts=", "--seed="}, RunSample},
        {"log",
         "FILE CALL RECEIVED [--sent S] [--time T] [--points N] [--mode M] [--cq|--non-cq] "
         "[--comment C] [--band FREQ] [--allow-second]",
         3,
         {"--sent=", "--time=", "--points=", "--mode=", "--cq", "--non-cq",
          "--comment=", "--band=", "--allow-second"},
         RunLog},
    };
    return commands;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        std::fputs(UsageText(Commands()).c_str(), stdout);
        return kExitOk;
    }
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(args, Commands(), line, &error)) {
        std::fprintf(stderr, "quillmark-cli: %s\n%s", error.c_str(), UsageText(Commands()).c_str());
        return kExitUsage;
    }
    return line.command->run(line);
}
