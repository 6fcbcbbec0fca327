#include "ui/app/document_status.h"

#include <QFileInfo>

DocumentStatus::DocumentStatus(const dpmr::CodePlugDocument &document, QWidget *parent)
    : QLabel(parent), document_(document) {
    setObjectName("DocumentStatus");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    Refresh();
}

void DocumentStatus::Refresh() {
    const QFileInfo file(QString::fromStdString(document_.pathName));
    // A new document carries a placeholder name until it is saved somewhere.
    const QString name = file.isFile() ? file.fileName() : tr("Untitled");
    setText(document_.modified ? name + " *" : name);
    setAccessibleName(document_.modified ? tr("%1, modified").arg(name) : name);
    setToolTip(file.isFile() ? file.absoluteFilePath() : QString());
}
