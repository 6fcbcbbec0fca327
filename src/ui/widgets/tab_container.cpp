#include "ui/widgets/tab_container.h"

#include "ui/widgets/editor_page.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

bool IsEnterOrEsc(const QKeyEvent *event) {
    const int key = event->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

CTabContainerDlg::CTabContainerDlg(const QString &title, QWidget *parent) : QDialog(parent) {
    setWindowTitle(title);
    tabs_ = new QTabWidget(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &CTabContainerDlg::OnCurrentChanged);
}

void CTabContainerDlg::AddPage(CEditorPage *page, const QString &title) {
    pages_.push_back(page);
    page->FillChoices();
    page->LoadControls();
    const QSignalBlocker block(tabs_);
    tabs_->addTab(page, title);
    if (current_ < 0)
        current_ = 0;
}

void CTabContainerDlg::OnCurrentChanged(int index) {
    // The page being left stores before the page entered loads, so it sees that store.
    if (current_ >= 0 && current_ != index)
        page(current_)->StoreControls();
    current_ = index;
    if (index >= 0)
        page(index)->LoadControls();
}

void CTabContainerDlg::StoreAll() {
    if (stored_)
        return;
    stored_ = true;
    if (current_ >= 0)
        page(current_)->StoreControls();
    // Every other page was stored when it was left; storing it again from current data
    // applies its fixed replacements without undoing what a later page changed.
    for (int i = 0; i < pageCount(); ++i) {
        if (i == current_)
            continue;
        page(i)->LoadControls();
        page(i)->StoreControls();
    }
}

void CTabContainerDlg::closeEvent(QCloseEvent *event) {
    StoreAll();
    QDialog::closeEvent(event);
}

void CTabContainerDlg::done(int result) {
    StoreAll();
    QDialog::done(result);
}

void CTabContainerDlg::keyPressEvent(QKeyEvent *event) {
    if (IsEnterOrEsc(event) && (current_ < 0 || page(current_)->SwallowsKey(event->key()))) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

CSinglePageDlg::CSinglePageDlg(const QString &title, CEditorPage *page, QWidget *parent)
    : QDialog(parent), page_(page) {
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    page->setParent(this);
    layout->addWidget(page);
    page->FillChoices();
    page->LoadControls();
}

void CSinglePageDlg::StoreAll() {
    if (stored_)
        return;
    stored_ = true;
    page_->StoreControls();
}

void CSinglePageDlg::closeEvent(QCloseEvent *event) {
    StoreAll();
    QDialog::closeEvent(event);
}

void CSinglePageDlg::done(int result) {
    StoreAll();
    QDialog::done(result);
}

void CSinglePageDlg::keyPressEvent(QKeyEvent *event) {
    if (IsEnterOrEsc(event) && page_->SwallowsKey(event->key())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
