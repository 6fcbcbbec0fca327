#pragma once
// The editable cell grid of the list pages (contacts, messages, keys, PMS, auto-dial, one-key):
// a fixed header row and number column, per-column editors (text with a character set and a
// length, drop-down with choices, read-only), an in-place editor committed when it loses the
// focus, and an end-of-edit check that may reject the new text.

#include "core/fields/field_rule.h"

#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <vector>

struct GridColumn {
    QString header;
    int widthTwips = 1000;
    enum class Kind { Text, DropDown, ReadOnly } kind = Kind::Text;
    // Text: its characters and typing limit (typed and pasted text outside them is dropped;
    // loaded texts are never cut).
    dpmr::FieldRule rule{.kind = dpmr::RuleKind::Text};
    QStringList choices{}; // DropDown
};

class CEditGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit CEditGrid(QWidget *parent = nullptr);

    // Column 0 is the fixed number column ("No." or the like) and is read-only.
    void SetColumns(const std::vector<GridColumn> &columns);
    const std::vector<GridColumn> &columns() const { return columns_; }

    void SetRowCount(int rows); // numbers 1..rows in column 0
    QString Text(int row, int column) const;
    void SetText(int row, int column, const QString &text);
    void SetCellData(int row, int column, const QVariant &data); // hidden per-cell data
    QVariant CellData(int row, int column) const;
    void SetReadOnly(int row, int column, bool readOnly);

    // Right at the last column moves to the first of the next row, Left at column 1 to the
    // last of the previous row.
    void SetWrapBetweenRows(bool wrap) { wrap_ = wrap; }

    // Commits an in-place editor that is still open (the end-of-edit check runs).
    void CommitOpenEditor();
    // Opens the in-place editor on the current cell, as Enter and F2 do.
    void BeginCellEdit();

    // (row, column, text): return false to reject (the cell keeps its text); the text may be
    // changed (a frequency clamped, a name made unique).
    std::function<bool(int row, int column, QString &text)> endEdit;
    // Drop-down cells whose list depends on the row (one-key calls); an empty list opens
    // nothing. Unset: the column's choices.
    std::function<QStringList(int row, int column)> choicesFor;
    // While endEdit runs for a drop-down: the position chosen in its list (-1: none), so that
    // equal texts stay apart.
    int ChosenIndex() const { return chosenIndex_; }

signals:
    void cellCommitted(int row, int column);
    // Enter in the in-place editor: (empty text?) after the commit.
    void enterInEditor(bool emptyText);
    // Esc in the in-place editor, after the commit: a page may close its dialog.
    void escapeInEditor();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class GridCellDelegate;
    std::vector<GridColumn> columns_;
    bool wrap_ = false;
    int chosenIndex_ = -1;
};
