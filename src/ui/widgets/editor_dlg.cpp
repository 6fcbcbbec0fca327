#include "ui/widgets/editor_dlg.h"

#include "ui/widgets/keyboard_access.h"
#include "ui/widgets/manual.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

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
    if (key == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowManual(this, ManualTopicFor(this));
        return;
    }
    const bool enterOrEsc = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
    if (enterOrEsc && SwallowsKey(key)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CEditorDlg::showEvent(QShowEvent *event) {
    if (!closeButton_) {
        AddCloseButton(); // after the subclass built its layout
        PrepareForKeyboard(this);
    }
    QDialog::showEvent(event);
}

bool CEditorDlg::focusNextPrevChild(bool next) {
    return MoveFocusInVisualOrder(this, next);
}

void CEditorDlg::AddCloseButton() {
    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setObjectName("closeButton");
    closeButton_->setAutoDefault(false); // Enter and Esc keep what each editor does with them
    closeButton_->setDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(closeButton_);

    QLayout *top = layout();
    if (auto *grid = qobject_cast<QGridLayout *>(top)) {
        grid->addLayout(row, grid->rowCount(), 0, 1, -1);
    } else if (auto *box = qobject_cast<QBoxLayout *>(top)) {
        if (box->direction() != QBoxLayout::TopToBottom) {
            // A row of columns: it becomes the first row of a column, the button the second.
            auto *columns = new QBoxLayout(box->direction());
            columns->setSpacing(box->spacing());
            for (int stretch = 0; box->count() > 0;) {
                stretch = box->stretch(0);
                QLayoutItem *item = box->takeAt(0);
                if (QLayout *inner = item->layout()) {
                    inner->setParent(nullptr);
                    columns->addLayout(inner, stretch);
                } else if (QWidget *widget = item->widget()) {
                    columns->addWidget(widget, stretch);
                    delete item;
                } else {
                    columns->addItem(item);
                }
            }
            box->setDirection(QBoxLayout::TopToBottom);
            box->addLayout(columns, 1);
        }
        box->addLayout(row);
    } else {
        // No layout: below everything, at the bottom right.
        const QSize hint = closeButton_->sizeHint();
        resize(width(), height() + hint.height() + 12);
        closeButton_->setGeometry(width() - hint.width() - 8, height() - hint.height() - 6,
                                  hint.width(), hint.height());
        delete row;
    }
    closeButton_->show();
}
