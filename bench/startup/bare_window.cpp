// The reference: an empty QMainWindow shown and painted.
#include "window_shown.h"

#include <QMainWindow>

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
    window.resize(800, 600);
    window.show();
    ReportWhenShown(window);
    return application.exec();
}
