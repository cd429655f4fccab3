#pragma once

#include <QString>
#include <QStringList>

// What the program was asked to do when it started: nothing beyond starting, open files,
// print a file, or show its usage or version. A wrong argument gives a usage error with the
// reason.
struct StartRequest {
    enum Kind { kStart, kOpen, kPrint, kUsage, kVersion, kUsageError };
    Kind kind = kStart;
    QStringList files;
    QString error;
};

// arguments as QCoreApplication gives them (the program name first).
StartRequest ParseStartArguments(const QStringList& arguments);
// The usage text printed for --help and after a usage error.
QString StartUsageText();
