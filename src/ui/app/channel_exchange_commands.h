#pragma once
// File -> Import channels... and Export channels...: the channel table as a CSV file.

#include <QObject>
#include <QString>

class CProgramApp;
class CMainFrame;

class ChannelExchangeCommands : public QObject {
    Q_OBJECT
public:
    ChannelExchangeCommands(CProgramApp &app, CMainFrame &frame);

    void OnImport();
    void OnExport();
    // All or nothing: on a bad row the message names file, line and column and the table and
    // image stay as they were. False when refused (the user has been told why).
    bool ImportFrom(const QString &path);
    bool ExportTo(const QString &path);

private:
    CProgramApp &app_;
    CMainFrame &frame_;
};
