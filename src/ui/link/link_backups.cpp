#include "ui/link/link_backups.h"

#include "ui/widgets/message_box.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStatusBar>

namespace {

constexpr int kNoticeMs = 10000;

void Announce(QMainWindow &window, const dpmr::BackupResult &backup) {
    window.statusBar()->showMessage(QCoreApplication::translate("LinkBackups", "Backup saved: %1")
                                        .arg(QString::fromStdString(backup.path)),
                                    kNoticeMs);
}

} // namespace

bool BackupBeforeWrite(QMainWindow &window, const dpmr::BackupPlace &place,
                       const dpmr::Image &image) {
    const dpmr::BackupResult backup =
        dpmr::SaveBackup(place.folder, dpmr::BackupReason::Write, image, place.kept);
    if (!backup) {
        ShowProgramMessage(
            &window,
            QCoreApplication::translate(
                "LinkBackups", "Nothing was written to the radio: no backup could be made."),
            QString::fromStdString(backup.message));
        return false;
    }
    Announce(window, backup);
    return true;
}

void BackupAfterRead(QMainWindow &window, const dpmr::BackupPlace &place,
                     const dpmr::Image &image) {
    const dpmr::BackupResult backup =
        dpmr::SaveBackup(place.folder, dpmr::BackupReason::Read, image, place.kept);
    if (backup)
        Announce(window, backup);
    else
        window.statusBar()->showMessage(
            QCoreApplication::translate("LinkBackups", "The read is in the window, but %1")
                .arg(QString::fromStdString(backup.message)),
            kNoticeMs);
}
