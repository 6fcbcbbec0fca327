#pragma once
// Read, Write and Port. The main window says what to do around them (store the table before a
// write, reload the form after a read); this folder knows nothing of the window.

#include "core/app/backups.h"
#include "core/app/code_plug_document.h"
#include "core/link/radio_link.h"

#include <QObject>
#include <functional>
#include <string>

class QMainWindow;
class CReadWriteDlg;

struct LinkEnv {
    dpmr::CodePlugDocument &document;
    std::string &portName;
    dpmr::LinkFlags &link;
    QMainWindow *window;
    dpmr::BackupPlace backups;               // where Read and Write keep their copies
    std::function<void()> commitOpenEdit;    // before a read: end a cell edit still open
    std::function<void()> storeChannelTable; // before a write
    std::function<void()> reloadView;        // after a completed read
};

class LinkCommands : public QObject {
    Q_OBJECT
public:
    LinkCommands(LinkEnv env, QObject *parent);

    // After a completed read the form reloads as after Open; otherwise nothing changes.
    void OnRead();
    // The table is stored into the image first, even when the user then cancels.
    void OnWrite();
    void OnPort();

private:
    // "Read 504 blocks from /dev/ttyUSB0 in 22.3 s" in the status bar, for screen readers too.
    void AnnounceExchange(const CReadWriteDlg &dialog, const QString &format);

    LinkEnv env_;
};
