#include "ui/app/undo_commands.h"

#include "ui/channels/program_view.h"

#include <QAction>

UndoCommands::UndoCommands(dpmr::CodePlugDocument &document, CProgramView &view, QObject *parent)
    : QObject(parent), document_(document), view_(view) {
    undo_ = new QAction(tr("&Undo"), this);
    undo_->setObjectName("Undo");
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = new QAction(tr("&Redo"), this);
    redo_->setObjectName("Redo");
    redo_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    connect(undo_, &QAction::triggered, this, &UndoCommands::OnUndo);
    connect(redo_, &QAction::triggered, this, &UndoCommands::OnRedo);
    connect(&view_, &CProgramView::DocumentChanged, this, &UndoCommands::Refresh);
    Refresh();
}

void UndoCommands::OnUndo() {
    view_.CommitOpenEdit(); // an edit still open is the newest step
    if (document_.Undo())
        view_.ShowImage();
}

void UndoCommands::OnRedo() {
    view_.CommitOpenEdit();
    if (document_.Redo())
        view_.ShowImage();
}

void UndoCommands::Refresh() {
    const dpmr::UndoHistory &history = document_.history;
    undo_->setEnabled(history.CanUndo());
    redo_->setEnabled(history.CanRedo());
    undo_->setText(history.CanUndo()
                       ? tr("&Undo %1").arg(QString::fromStdString(history.UndoLabel()))
                       : tr("&Undo"));
    redo_->setText(history.CanRedo()
                       ? tr("&Redo %1").arg(QString::fromStdString(history.RedoLabel()))
                       : tr("&Redo"));
}
