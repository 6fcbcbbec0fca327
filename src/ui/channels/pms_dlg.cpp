#include "ui/channels/pms_dlg.h"

#include "core/channels/pms_editor.h"
#include "ui/grid/edit_grid.h"

#include "ui_pms_dlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

using namespace dpmr;

namespace {

// Grid column c (1, 2) edits field c - 1 of an entry; grid row r is entry r + 1.
constexpr int kFirstEdgeColumn = 1;

} // namespace

CPmsDlg::CPmsDlg(CodePlugDocument &document, QWidget *parent)
    : CEditorDlg(parent), ui_(std::make_unique<Ui::CPmsDlg>()), document_(document) {
    ui_->setupUi(this);
    CEditGrid *table = grid();
    table->endEdit = [this](int, int, QString &text) {
        text = QString::fromStdString(CommitPmsEdge(Context(), text.toStdString()));
        return true;
    };
    connect(table, &CEditGrid::enterInEditor, this, &CPmsDlg::OnEnterInEditor);
    // Esc in the in-place editor closes the dialog; the grid has committed the edge first.
    connect(table, &CEditGrid::escapeInEditor, this, &QDialog::close);
    // A press on an edge cell opens the editor at once.
    connect(table, &QAbstractItemView::pressed, this, [table](const QModelIndex &index) {
        if (index.column() >= kFirstEdgeColumn)
            table->BeginCellEdit();
    });
    table->installEventFilter(this);
    FillChoices();
    LoadControls();
    table->setCurrentCell(0, kFirstEdgeColumn);
    table->setFocus();
}

CPmsDlg::~CPmsDlg() {
    // The grid and an editor still open go after this: their last commit must not reach us.
    grid()->endEdit = nullptr;
    disconnect(grid(), nullptr, this, nullptr);
}

CEditGrid *CPmsDlg::grid() const {
    return ui_->grid;
}

void CPmsDlg::FillChoices() {
    const FieldRule &edge = kPmsPage.fields[kPmsLow].rule;
    const QString charset =
        QString::fromLatin1(edge.charset.data(), static_cast<qsizetype>(edge.charset.size()));
    GridColumn number;
    number.header = "No.";
    number.widthTwips = 500;
    GridColumn low;
    low.header = "Low freq";
    low.widthTwips = 1800;
    low.charset = charset;
    low.maxLength = edge.maxLength;
    GridColumn high = low;
    high.header = "High freq";
    CEditGrid *table = grid();
    table->SetColumns({number, low, high});
    table->SetRowCount(kPmsCount);
    table->SetWrapBetweenRows(true);
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
    for (int k = 1; k <= kPmsCount; ++k) {
        const FieldTexts texts = LoadPage(kPmsPage, Context(), k);
        for (int field = kPmsLow; field < kPmsFieldCount; ++field)
            grid()->SetText(k - 1, kFirstEdgeColumn + field,
                            QString::fromStdString(texts[static_cast<std::size_t>(field)]));
    }
}

void CPmsDlg::StoreControls() {
    grid()->CommitOpenEditor();
    for (int k = 1; k <= kPmsCount; ++k) {
        FieldTexts texts;
        for (int field = kPmsLow; field < kPmsFieldCount; ++field)
            texts.push_back(grid()->Text(k - 1, kFirstEdgeColumn + field).toStdString());
        StorePage(kPmsPage, document_.image, document_.limits, k, texts);
    }
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
