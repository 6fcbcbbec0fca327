#pragma once
// The main window: menus, toolbar, status bar and the commands of the File, View, Program,
// Setting and Help menus around the channel form.

#include "core/app/code_plug_document.h"

#include <QMainWindow>
#include <QString>
#include <memory>
#include <vector>

class CProgramView;
class CProgramApp;
class CRecentFilesMenu;
class QAction;
class QLabel;

// Every command of the menus and the toolbar.
enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    ImportChannels,
    ExportChannels,
    Print,
    PrintPreview,
    PrintSetup,
    PrintSettingsSheet,
    ExportPdf,
    Exit,
    Read,
    Write,
    Toolbar,
    StatusBar,
    Port,
    About,
    Count
};

class LinkCommands;
class UndoCommands;
class ChannelEditActions;
class DocumentStatus;
enum class EditorId;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CProgramApp &app, dpmr::CodePlugDocument &document);
    ~CMainFrame() override;

    CProgramView *view() const { return view_; }
    QAction *action(Command command) const { return actions_[static_cast<int>(command)]; }
    // By the action's object name ("Read"), for tests and scripts.
    QAction *action(const QString &name) const;

    // An Edit-menu entry or the "Channel edit" button: the store the editor needs first, the
    // modal dialog, the reload after it. An editor that changed the image marks the document
    // modified.
    void OnEditor(EditorId id);
    // Offers to save a modified document; false when the user cancelled (or the save failed).
    bool SaveModified();

    // Document commands; false when refused (the user has been told why).
    void OnFileNew();
    bool OpenDocument(const QString &path);
    bool SaveDocument(const QString &path);
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();

    CRecentFilesMenu *recentFiles() const { return recent_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateActions();
    void ConnectEditors();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction *AddAction(const QString &name, const QString &text, const QString &prompt);
    QAction *actions_[static_cast<int>(Command::Count)] = {};
    std::vector<QAction *> editorActions_; // the Edit menu's editors, from the command table
    LinkCommands *link_ = nullptr;
    UndoCommands *undo_ = nullptr;
    ChannelEditActions *edits_ = nullptr;
    DocumentStatus *documentStatus_ = nullptr;
    void OnAbout();

    CProgramApp &app_;
    dpmr::CodePlugDocument &document_;
    CProgramView *view_;
    QLabel *ready_ = nullptr;
    CRecentFilesMenu *recent_ = nullptr;
};
