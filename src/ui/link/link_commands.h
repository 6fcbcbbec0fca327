#pragma once
// Read, Write and Port of the main window.

#include <QObject>

class CProgramApp;
class CMainFrame;

class LinkCommands : public QObject {
    Q_OBJECT
public:
    LinkCommands(CProgramApp &app, CMainFrame &frame);

    // After a completed read the form reloads as after Open; otherwise nothing changes.
    void OnRead();
    // The table is stored into the image first, even when the user then cancels.
    void OnWrite();
    void OnPort();

private:
    CProgramApp &app_;
    CMainFrame &frame_;
};
