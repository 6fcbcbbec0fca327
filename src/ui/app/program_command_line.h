#pragma once
// The command line of dpmr-cps: `dpmr-cps [FILE]`, --help, --version, and the options Qt takes
// for itself (-platform, -style ...). Parsed before any window system is touched, so --help,
// --version and a mistyped option answer on a terminal without a display.

#include <QString>
#include <QStringList>

struct ProgramCommandLine {
    bool run = false;  // false: print `output` and `error`, then exit with `exitCode`
    int exitCode = 0;  // 0 after --help and --version, 2 after a usage error
    QString output;    // for stdout
    QString error;     // for stderr
    QStringList files; // the code plug to open, when given
};

// `arguments` starts with the program name. Uses the application name and version.
ProgramCommandLine ParseProgramCommandLine(const QStringList &arguments);
