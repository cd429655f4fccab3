#include "ui/app/command_line.h"

StartRequest ParseStartArguments(const QStringList& arguments) {
    StartRequest request;
    bool print = false;
    bool options_end = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!options_end && argument == QLatin1String("--")) {
            options_end = true;
        } else if (!options_end &&
                   (argument == QLatin1String("--print") || argument == QLatin1String("-p"))) {
            print = true;
        } else if (!options_end &&
                   (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            return {StartRequest::kUsage, {}, {}};
        } else if (!options_end && argument == QLatin1String("--version")) {
            return {StartRequest::kVersion, {}, {}};
        } else if (!options_end && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
            // Qt's own options (-platform, -style ...) are taken out before we see the list.
            return {
                StartRequest::kUsageError, {}, QStringLiteral("unknown option: %1").arg(argument)};
        } else {
            request.files << argument;
        }
    }
    if (print) {
        if (request.files.size() != 1) {
            return {
                StartRequest::kUsageError, {}, QStringLiteral("--print needs exactly one file")};
        }
        request.kind = StartRequest::kPrint;
    } else if (!request.files.isEmpty()) {
        request.kind = StartRequest::kOpen;
    }
    return request;
}

QString StartUsageText() {
    return QStringLiteral(
        "usage: quillmark [FILE...]        open contest data files (.qmk) or city code files "
        "(.ini)\n"
        "       quillmark --print FILE     print a contest data file and quit\n"
        "       quillmark --help | --version\n");
}
