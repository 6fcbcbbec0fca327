#include "ui/link/link_commands.h"

#include "ui/link/link_backups.h"
#include "ui/link/port_dlg.h"
#include "ui/link/read_write_dlg.h"
#include "ui/widgets/status_notice.h"

#include "core/image/memory_map.h"
#include "core/link/port_names.h"

#include <QMainWindow>
#include <QStatusBar>

LinkCommands::LinkCommands(LinkEnv env, QObject *parent) : QObject(parent), env_(std::move(env)) {}

void LinkCommands::OnRead() {
    env_.commitOpenEdit();
    CReadWriteDlg dialog(tr("Read data"), dpmr::LinkDirection::Read, env_.portName,
                         env_.document.image, env_.link, env_.window);
    dialog.exec();
    if (dialog.resultFlag() == 1) {
        const dpmr::Image before = env_.document.image;
        env_.document.ReplaceImage(dialog.receivedImage());
        env_.document.RecordChange(before, "Read");
        env_.reloadView();
        BackupAfterRead(*env_.window, env_.backups, dialog.receivedImage());
        AnnounceExchange(dialog, tr("Read %1 blocks from %2 in %3 s"));
    }
}

void LinkCommands::AnnounceExchange(const CReadWriteDlg &dialog, const QString &format) {
    // What the backup said stays after ours.
    const QString backup = env_.window->statusBar()->currentMessage();
    const std::string device = dpmr::ResolvePortName(env_.portName);
    QString text = format.arg(dpmr::kLinkBlockCount)
                       .arg(QString::fromStdString(device.empty() ? env_.portName : device))
                       .arg(dialog.elapsedSeconds(), 0, 'f', 1);
    if (!backup.isEmpty())
        text += ". " + backup;
    ShowStatusNotice(*env_.window, text);
}

void LinkCommands::OnWrite() {
    env_.storeChannelTable();
    // Never a write without a copy of what is about to go to the radio.
    if (!BackupBeforeWrite(*env_.window, env_.backups, env_.document.image))
        return;
    CReadWriteDlg dialog(tr("Write data"), dpmr::LinkDirection::Write, env_.portName,
                         env_.document.image, env_.link, env_.window);
    dialog.exec();
    if (dialog.resultFlag() == 1)
        AnnounceExchange(dialog, tr("Wrote %1 blocks to %2 in %3 s"));
}

void LinkCommands::OnPort() {
    CPortDlg dialog(env_.portName, env_.window);
    dialog.exec();
}
