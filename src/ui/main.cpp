// dpmr-cps: reads, edits and writes the code plug of a dPMR / FM handheld radio.

#include "core/app/app_paths.h"
#include "core/image/code_plug_file.h"
#include "ui/app/program_app.h"
#include "ui/widgets/message_box.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    dpmr::IgnoreFileSizeSignal();
    QApplication application(argc, argv);
    QApplication::setApplicationName(kProgramCaption);

    QStringList files = QApplication::arguments();
    files.removeFirst();

    CProgramApp program(dpmr::ExecutableFolder());
    QString error;
    if (!program.InitInstance(files, error)) {
        ShowProgramMessage(nullptr, error);
        return 1;
    }
    const int status = application.exec();
    program.ExitInstance();
    return status;
}
