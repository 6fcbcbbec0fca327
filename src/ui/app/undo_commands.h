#pragma once
// Edit -> Undo and Redo of every change to the code plug. The entries name the step they take
// ("Undo paste of 12 channels"); undoing back to the saved state clears the modified mark.

#include "core/app/code_plug_document.h"

#include <QObject>

class CProgramView;
class QAction;

class UndoCommands : public QObject {
    Q_OBJECT
public:
    UndoCommands(dpmr::CodePlugDocument &document, CProgramView &view, QObject *parent);

    QAction *undo() const { return undo_; }
    QAction *redo() const { return redo_; }

    void OnUndo();
    void OnRedo();
    // Texts and enabled state from the history.
    void Refresh();

private:
    dpmr::CodePlugDocument &document_;
    CProgramView &view_;
    QAction *undo_;
    QAction *redo_;
};
