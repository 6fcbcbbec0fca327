#pragma once
// The row operations of the channel table as actions for the Edit menu, the keyboard and the
// context menu: Cut, Copy, Paste, Clear, Delete, Insert, Move up, Move down and setting one
// column for every selected row. Each works on the image through the core, goes into the undo
// history as one step and reloads the table.

#include "core/app/code_plug_document.h"
#include "core/exchange/channel_clip_csv.h"

#include <QObject>
#include <functional>
#include <string>

class CProgramView;
class QAction;
class QWidget;

class ChannelEditActions : public QObject {
    Q_OBJECT
public:
    ChannelEditActions(dpmr::CodePlugDocument &document, CProgramView &view, QWidget *window);

    QAction *cut() const { return cut_; }
    QAction *copy() const { return copy_; }
    QAction *paste() const { return paste_; }
    QAction *clear() const { return clear_; }
    QAction *deleteRows() const { return delete_; }
    QAction *insert() const { return insert_; }
    QAction *moveUp() const { return moveUp_; }
    QAction *moveDown() const { return moveDown_; }
    QAction *applyToSelection() const { return apply_; }
    QAction *hideEmpty() const { return hideEmpty_; }

    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnClear();
    void OnDelete();
    void OnInsert();
    void OnMove(int direction);
    void OnApplyToSelection();
    // Names the column and value the next "set for selection" would apply; disables it when
    // the current cell has no editor.
    void UpdateApplyText();
    // What Paste does with channels read from the clipboard; public for tests.
    void PasteChannels(const dpmr::CsvClip &pasted);

signals:
    // For the status bar ("12 channels pasted").
    void Notice(const QString &text);

private:
    QAction *Add(const QString &name, const QString &text, const QKeySequence &shortcut,
                 void (ChannelEditActions::*handler)());
    // Commits an open edit, stores the table, runs `change` on the image, records the step as
    // `label` and shows the result.
    void Change(const std::string &label, const std::function<void(dpmr::Image &)> &change);

    dpmr::CodePlugDocument &document_;
    CProgramView &view_;
    QWidget *window_;
    QAction *cut_, *copy_, *paste_, *clear_, *delete_, *insert_, *moveUp_, *moveDown_, *apply_,
        *hideEmpty_;
};
