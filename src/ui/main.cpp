// dpmr-cps: reads, edits and writes the code plug of a dPMR / FM handheld radio.

#include "core/app/app_paths.h"
#include "core/image/code_plug_file.h"
#include "ui/app/program_app.h"
#include "ui/app/program_command_line.h"
#include "ui/app/translations.h"
#include "ui/widgets/message_box.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[]) {
    // The name is the window class (StartupWMClass of the desktop entry) and the name the
    // command line answers with.
    QCoreApplication::setApplicationName("dpmr-cps");
    QCoreApplication::setApplicationVersion(DPMR_VERSION);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const ProgramCommandLine line = ParseProgramCommandLine(arguments);
    if (!line.run) {
        std::fputs(line.output.toLocal8Bit().constData(), stdout);
        std::fputs(line.error.toLocal8Bit().constData(), stderr);
        return line.exitCode;
    }

    dpmr::IgnoreFileSizeSignal();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName("dpmr-cps");
    InstallTranslations();

    CProgramApp program(dpmr::ResolveAppPaths(dpmr::ExecutableFolder()));
    QString error;
    if (!program.InitInstance(line.files, error)) {
        ShowProgramMessage(nullptr, error);
        return 1;
    }
    const int status = application.exec();
    program.ExitInstance();
    return status;
}
