#include "ui/widgets/message_box.h"

#include <QMessageBox>

void ShowProgramMessage(QWidget *parent, const QString &text, const QString &detail) {
    QMessageBox box(QMessageBox::Warning, kProgramCaption, text, QMessageBox::Ok, parent);
    if (!detail.isEmpty())
        box.setInformativeText(detail);
    box.exec();
}
