#include "ui/widgets/editor_dlg.h"

#include <QCloseEvent>
#include <QKeyEvent>

void CEditorDlg::StoreAll() {
    if (stored_)
        return;
    stored_ = true;
    StoreOnClose();
}

bool CEditorDlg::SwallowsKey(int key) const {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

void CEditorDlg::closeEvent(QCloseEvent *event) {
    StoreAll();
    QDialog::closeEvent(event);
}

void CEditorDlg::done(int result) {
    StoreAll();
    QDialog::done(result);
}

void CEditorDlg::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    const bool enterOrEsc = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    if (enterOrEsc && SwallowsKey(key)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
