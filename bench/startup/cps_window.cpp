// The program's own start-up: settings, a new code plug, the main window shown and painted.
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "window_shown.h"

#include <QTemporaryDir>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder; // "Program.ini" and "DATA" go here, not beside the benchmark
    CProgramApp program((folder.path() + "/").toStdString());
    QString error;
    if (!program.InitInstance({}, error))
        return 1;
    ReportWhenShown(*program.mainFrame());
    return application.exec();
}
