#include "ui/widgets/tab_container.h"

#include "ui/widgets/editor_page.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTabWidget>
#include <QVBoxLayout>

// Editor and tab titles are marked in the editors with QT_TRANSLATE_NOOP("CEditorDlg", ...).
static QString EditorText(const QString &title) {
    return QCoreApplication::translate("CEditorDlg", title.toUtf8().constData());
}

CTabContainerDlg::CTabContainerDlg(const QString &title, QWidget *parent) : CEditorDlg(parent) {
    setWindowTitle(EditorText(title));
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
    tabs_->addTab(page, EditorText(title));
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

void CTabContainerDlg::StoreOnClose() {
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

bool CTabContainerDlg::SwallowsKey(int key) const {
    return current_ < 0 || page(current_)->SwallowsKey(key);
}

CSinglePageDlg::CSinglePageDlg(const QString &title, CEditorPage *page, QWidget *parent,
                               EnterEsc enterEsc)
    : CEditorDlg(parent), page_(page), enterEsc_(enterEsc) {
    setWindowTitle(EditorText(title));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    page->setParent(this);
    layout->addWidget(page);
    page->FillChoices();
    page->LoadControls();
}

void CSinglePageDlg::StoreOnClose() {
    page_->StoreControls();
}

bool CSinglePageDlg::SwallowsKey(int key) const {
    return enterEsc_ == EnterEsc::AsThePageSays && page_->SwallowsKey(key);
}

void CSinglePageDlg::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (enterEsc_ == EnterEsc::Close && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        accept(); // there is no default button to press: Enter closes, and so stores
        return;
    }
    CEditorDlg::keyPressEvent(event);
}
