#pragma once
// The main window: menus, toolbar, status bar and the commands of the File, View, Program,
// Setting and Help menus around the channel form.

#include "core/app/code_plug_document.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class CProgramView;
class CProgramApp;
class QAction;
class QLabel;
class QPrinter;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CProgramApp &app, dpmr::CodePlugDocument &document);
    ~CMainFrame() override;

    CProgramView *view() const { return view_; }
    QAction *action(const QString &name) const;

    // Document commands; false when refused (the user has been told why).
    void OnFileNew();
    bool OpenDocument(const QString &path);
    bool SaveDocument(const QString &path);
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();

    // Paints the main form, as the user sees it, onto a printer.
    void PrintForm(QPrinter *printer);

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction *AddAction(const QString &name, const QString &text, const QString &prompt);
    void OnPrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnAbout();

    CProgramApp &app_;
    dpmr::CodePlugDocument &document_;
    CProgramView *view_;
    std::unique_ptr<QPrinter> printer_;
    QLabel *ready_ = nullptr;
};
