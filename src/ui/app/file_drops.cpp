#include "ui/app/file_drops.h"

#include "ui/app/channel_exchange_commands.h"
#include "ui/app/main_frame.h"
#include "ui/channels/program_view.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

FileDrops::FileDrops(CMainFrame &frame) : QObject(&frame), frame_(frame) {
    frame.setAcceptDrops(true);
    frame.installEventFilter(this);
}

QString FileDrops::DroppedFile(const QMimeData *mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 ||
        !mime->urls().first().isLocalFile())
        return {};
    const QString path = mime->urls().first().toLocalFile();
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == "dat" || suffix == "csv" ? path : QString();
}

bool FileDrops::Open(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "csv") {
        auto *exchange = frame_.findChild<ChannelExchangeCommands *>();
        return exchange && exchange->ImportFrom(path);
    }
    if (suffix != "dat")
        return false;
    frame_.view()->CommitOpenEdit(); // as File -> New does before its offer to save
    if (!frame_.SaveModified())
        return false;
    return frame_.OpenDocument(path);
}

bool FileDrops::eventFilter(QObject *watched, QEvent *event) {
    if (watched != &frame_)
        return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto *drag = static_cast<QDropEvent *>(event);
        if (!DroppedFile(drag->mimeData()).isEmpty())
            drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = DroppedFile(drop->mimeData());
        if (path.isEmpty())
            return true;
        drop->acceptProposedAction();
        // The drag source waits until the drop ends: questions and messages come after it.
        QTimer::singleShot(0, this, [this, path] { Open(path); });
        return true;
    }
    return false;
}
