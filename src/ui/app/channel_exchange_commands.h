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
    // Rows this radio cannot hold are skipped and listed in a dialog after the import; with
    // `strict` the first such row refuses the file. Malformed text refuses it too: the message
    // names file, line and column and the table and image stay as they were. False when
    // refused (the user has been told why).
    bool ImportFrom(const QString &path, bool strict = false);
    bool ExportTo(const QString &path);

private:
    CProgramApp &app_;
    CMainFrame &frame_;
};
