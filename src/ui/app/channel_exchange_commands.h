#pragma once
// File -> Import channels... and Export channels...: the channel table as a CSV file.

#include "core/app/code_plug_document.h"

#include <QObject>
#include <QString>
#include <functional>

class QMainWindow;

// What the commands work on: the document, the window their dialogs and notices belong to, and
// the channel form's steps around an import or export.
struct ChannelExchangeEnv {
    dpmr::CodePlugDocument &document;
    QMainWindow *window;
    std::function<void()> commitOpenEdit;    // the rows go over what the table shows
    std::function<void()> storeChannelTable; // before either
    std::function<void()> reloadView;        // after an import
};

class ChannelExchangeCommands : public QObject {
    Q_OBJECT
public:
    ChannelExchangeCommands(ChannelExchangeEnv env, QObject *parent);

    void OnImport();
    void OnExport();
    // Rows this radio cannot hold are skipped and listed in a dialog after the import; with
    // `strict` the first such row refuses the file. Malformed text refuses it too: the message
    // names file, line and column and the table and image stay as they were. False when
    // refused (the user has been told why).
    bool ImportFrom(const QString &path, bool strict = false);
    bool ExportTo(const QString &path);

private:
    ChannelExchangeEnv env_;
};
