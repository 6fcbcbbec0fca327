#include "ui/channels/pms_dlg.h"

#include "core/channels/pms_editor.h"
#include "ui/grid/edit_grid.h"
#include "ui/grid/list_page.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

using namespace dpmr;

CPmsDlg::CPmsDlg(CodePlugDocument &document, QWidget *parent)
    : CEditorDlg(parent), page_(new CListPage(document, kPmsList, this)) {
    setWindowTitle(tr("PMS Channel"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);
    CEditGrid *table = grid();
    connect(table, &CEditGrid::enterInEditor, this, &CPmsDlg::OnEnterInEditor);
    // Esc in the in-place editor closes the dialog; the grid has committed the edge first.
    connect(table, &CEditGrid::escapeInEditor, this, &QDialog::close);
    table->installEventFilter(this);
    FitGrid();
    LoadControls();
    table->setCurrentCell(0, 1);
    table->setFocus();
}

CPmsDlg::~CPmsDlg() {
    // The grid and an editor still open go after this: their last commit must not reach us.
    disconnect(grid(), nullptr, this, nullptr);
}

CEditGrid *CPmsDlg::grid() const {
    return page_->grid();
}

void CPmsDlg::FitGrid() {
    CEditGrid *table = grid();
    table->SetRowCount(kPmsCount);
    table->SetWrapBetweenRows(true);
    table->horizontalHeader()->setStretchLastSection(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The whole grid shows without scrolling.
    int width = table->frameWidth() * 2;
    for (int c = 0; c < table->columnCount(); ++c)
        width += table->columnWidth(c);
    int height = table->frameWidth() * 2 + table->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < table->rowCount(); ++r)
        height += table->rowHeight(r);
    table->setMinimumSize(width, height);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CPmsDlg::LoadControls() {
    page_->LoadControls();
}

void CPmsDlg::StoreControls() {
    page_->StoreControls();
}

void CPmsDlg::OnEnterInEditor(bool emptyText) {
    // On to the next edge after a value, one row down after emptying a cell.
    QKeyEvent move(QEvent::KeyPress, emptyText ? Qt::Key_Down : Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(grid(), &move);
}

bool CPmsDlg::eventFilter(QObject *watched, QEvent *event) {
    if (watched == grid() && event->type() == QEvent::KeyPress) {
        // Typing on the grid itself does nothing (no search by cell text); the editor opens
        // with Enter or a press.
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (!text.isEmpty() && text[0].isPrint())
            return true;
    }
    return CEditorDlg::eventFilter(watched, event);
}

void CPmsDlg::StoreOnClose() {
    StoreControls();
}
