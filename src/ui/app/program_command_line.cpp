#include "ui/app/program_command_line.h"

#include "core/app/licence_notice.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// QApplication reads these from argv itself; they are accepted here and left to it.
const char *const kQtValueOptions[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon",  "qwindowtitle",       "session",       "display", "geometry",
    "style",        "stylesheet",         "title",         "name",    "icon",
    "qmljsdebugger"};
const char *const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

QString Usage() {
    return QStringLiteral("Usage: %1 [options] [FILE]\n").arg(QCoreApplication::applicationName());
}

} // namespace

ProgramCommandLine ParseProgramCommandLine(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        "Reads, edits and writes the code plug of a dPMR and FM handheld radio: its channels and "
        "settings, from the radio over a serial programming cable or from a .dat file.");
    const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version({"v", "version"}, "Show the version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument("FILE", "A code plug (.dat) to open instead of a new one.",
                                 "[FILE]");

    ProgramCommandLine line;
    const QString program = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        line.exitCode = 2;
        line.error = program + ": " + parser.errorText() + "\n" + Usage() + "Try '" + program +
                     " --help' for more information.\n";
        return line;
    }
    if (parser.isSet(help)) {
        // The parser names the program after argv[0], or "<executable_name>" before the
        // application object exists; the usage line gives its name.
        const QString text = parser.helpText();
        line.output = Usage().chopped(1) + text.mid(text.indexOf('\n'));
        return line;
    }
    if (parser.isSet(version)) {
        line.output = program + " " + QCoreApplication::applicationVersion() + "\n" +
                      QString::fromLatin1(dpmr::kLicenceNotice);
        return line;
    }
    line.files = parser.positionalArguments();
    if (line.files.size() > 1) {
        line.exitCode = 2;
        line.error = program + ": one FILE at most, " + QString::number(line.files.size()) +
                     " given\n" + Usage();
        return line;
    }
    line.run = true;
    return line;
}
