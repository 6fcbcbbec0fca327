#include "ui/app/main_frame.h"

#include "ui/app/about_dlg.h"
#include "ui/app/artwork.h"
#include "ui/app/channel_exchange_commands.h"
#include "ui/app/document_status.h"
#include "ui/app/editor_commands.h"
#include "ui/app/file_drops.h"
#include "ui/app/print_commands.h"
#include "ui/app/program_app.h"
#include "ui/app/recent_files_menu.h"
#include "ui/app/undo_commands.h"
#include "ui/channels/channel_context_menu.h"
#include "ui/channels/channel_edit_actions.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui/link/link_commands.h"
#include "ui/widgets/manual.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/status_notice.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

const char *const kFileFilter = QT_TRANSLATE_NOOP("CMainFrame", "Program Document (*.dat)");

struct CommandText {
    Command command;
    const char *name;
    const char *text;
    const char *prompt; // status-bar prompt, a line break, the tooltip
};

const CommandText kCommands[] = {
    {Command::New, "New", QT_TRANSLATE_NOOP("CMainFrame", "&New\tCtrl+N"),
     QT_TRANSLATE_NOOP("CMainFrame", "Create a new document\nNew")},
    {Command::Open, "Open", QT_TRANSLATE_NOOP("CMainFrame", "&Open...\tCtrl+O"),
     QT_TRANSLATE_NOOP("CMainFrame", "Open an existing document\nOpen")},
    {Command::Save, "Save", QT_TRANSLATE_NOOP("CMainFrame", "&Save\tCtrl+S"),
     QT_TRANSLATE_NOOP("CMainFrame", "Save the active document\nSave")},
    {Command::SaveAs, "SaveAs", QT_TRANSLATE_NOOP("CMainFrame", "Save &As..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Save the active document with a new name\nSave As")},
    {Command::ImportChannels, "ImportChannels",
     QT_TRANSLATE_NOOP("CMainFrame", "&Import channels..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Read channels from a CSV file\nImport")},
    {Command::ExportChannels, "ExportChannels",
     QT_TRANSLATE_NOOP("CMainFrame", "&Export channels..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Save the channels as a CSV file\nExport")},
    {Command::Print, "Print", QT_TRANSLATE_NOOP("CMainFrame", "&Print...\tCtrl+P"),
     QT_TRANSLATE_NOOP("CMainFrame", "Print the active document\nPrint")},
    {Command::PrintPreview, "PrintPreview", QT_TRANSLATE_NOOP("CMainFrame", "Print Pre&view"),
     QT_TRANSLATE_NOOP("CMainFrame", "Display full pages\nPrint Preview")},
    {Command::PrintSetup, "PrintSetup", QT_TRANSLATE_NOOP("CMainFrame", "P&rint Setup..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Change the printer and printing options\nPrint Setup")},
    {Command::PrintSettingsSheet, "PrintSettingsSheet",
     QT_TRANSLATE_NOOP("CMainFrame", "Print settings s&heet too"),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Print every other setting by name after the channel plan\nSettings sheet")},
    {Command::ExportPdf, "ExportPdf", QT_TRANSLATE_NOOP("CMainFrame", "Export as P&DF..."),
     QT_TRANSLATE_NOOP("CMainFrame", "Save the channel plan as a PDF document\nExport as PDF")},
    {Command::Exit, "Exit", QT_TRANSLATE_NOOP("CMainFrame", "E&xit"),
     QT_TRANSLATE_NOOP("CMainFrame", "Quit the application; prompts to save documents\nExit")},
    {Command::Read, "Read", QT_TRANSLATE_NOOP("CMainFrame", "Read\tCtrl+R"),
     QT_TRANSLATE_NOOP("CMainFrame", "Read Data From Radio\nRead")},
    {Command::Write, "Write", QT_TRANSLATE_NOOP("CMainFrame", "Write\tCtrl+W"),
     QT_TRANSLATE_NOOP("CMainFrame", "Write Data to Radio \nWrite")},
    {Command::Toolbar, "Toolbar", QT_TRANSLATE_NOOP("CMainFrame", "&Toolbar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the toolbar\nToggle ToolBar")},
    {Command::StatusBar, "StatusBar", QT_TRANSLATE_NOOP("CMainFrame", "&Status Bar"),
     QT_TRANSLATE_NOOP("CMainFrame", "Show or hide the status bar\nToggle StatusBar")},
    {Command::Port, "Port", QT_TRANSLATE_NOOP("CMainFrame", "Port"), ""},
    {Command::About, "About", QT_TRANSLATE_NOOP("CMainFrame", "About ..."),
     QT_TRANSLATE_NOOP("CMainFrame",
                       "Display program information, version number and copyright\nAbout")},
};

} // namespace

CMainFrame::CMainFrame(CProgramApp &app, dpmr::CodePlugDocument &document)
    : app_(app), document_(document) {
    setWindowTitle(tr("Program software"));
    setWindowIcon(ApplicationIcon());
    view_ = new CProgramView(document_, this);
    setCentralWidget(view_);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    // The frame opens at the form's size; the user may resize and maximise it.
    adjustSize();
    resize(sizeHint());
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().topLeft());
    view_->table()->setFocus(); // the keyboard starts in the channel table
}

CMainFrame::~CMainFrame() = default;

QAction *CMainFrame::action(const QString &name) const {
    return findChild<QAction *>(name);
}

QAction *CMainFrame::AddAction(const QString &name, const QString &text, const QString &prompt) {
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    if (!prompt.isEmpty()) {
        const int lineBreak = prompt.indexOf('\n');
        action->setStatusTip(prompt.left(lineBreak));
        action->setToolTip(prompt.mid(lineBreak + 1));
    }
    return action;
}

void CMainFrame::CreateActions() {
    for (const CommandText &command : kCommands)
        actions_[static_cast<int>(command.command)] =
            AddAction(command.name, tr(command.text), *command.prompt ? tr(command.prompt) : "");

    action(Command::New)->setShortcut(QKeySequence("Ctrl+N"));
    action(Command::Open)->setShortcut(QKeySequence("Ctrl+O"));
    action(Command::Save)->setShortcut(QKeySequence("Ctrl+S"));
    action(Command::Read)->setShortcut(QKeySequence("Ctrl+R"));
    action(Command::Write)->setShortcut(QKeySequence("Ctrl+W"));
    action(Command::New)->setIcon(ToolbarIcon(ToolbarImage::New));
    action(Command::Open)->setIcon(ToolbarIcon(ToolbarImage::Open));
    action(Command::Save)->setIcon(ToolbarIcon(ToolbarImage::Save));
    action(Command::Read)->setIcon(ToolbarIcon(ToolbarImage::Read));
    action(Command::Write)->setIcon(ToolbarIcon(ToolbarImage::Write));
    action(Command::About)->setIcon(ToolbarIcon(ToolbarImage::About));

    connect(action(Command::New), &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(action(Command::Open), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(action(Command::Save), &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(action(Command::SaveAs), &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(action(Command::Exit), &QAction::triggered, this, &QWidget::close);
    connect(action(Command::About), &QAction::triggered, this, &CMainFrame::OnAbout);

    ConnectEditors();

    undo_ = new UndoCommands(document_, *view_, this);
    edits_ = new ChannelEditActions(document_, *view_, this);
    InstallChannelContextMenu(view_->table(), edits_);
    const auto notice = [this](const QString &text) { ShowStatusNotice(*this, text); };
    connect(edits_, &ChannelEditActions::Notice, this, notice);
    connect(view_, &CProgramView::Notice, this, notice);
    addAction(edits_->applyToSelection()); // a shortcut without a menu entry of its own

    LinkEnv env{document_,
                app_.portName,
                app_.link,
                this,
                dpmr::BackupPlaceOf(app_.paths()),
                [this] { view_->CommitOpenEdit(); },
                [this] { view_->StoreChannelTable(); },
                [this] { view_->OnInitialUpdate(); }};
    link_ = new LinkCommands(std::move(env), this);
    auto *exchange = new ChannelExchangeCommands(
        {document_, this, [this] { view_->CommitOpenEdit(); },
         [this] { view_->StoreChannelTable(); }, [this] { view_->OnInitialUpdate(); }},
        this);
    connect(action(Command::ImportChannels), &QAction::triggered, exchange,
            &ChannelExchangeCommands::OnImport);
    connect(action(Command::ExportChannels), &QAction::triggered, exchange,
            &ChannelExchangeCommands::OnExport);
    new PrintCommands(app_, *this);
    new FileDrops(*this);
    connect(action(Command::Read), &QAction::triggered, link_, &LinkCommands::OnRead);
    connect(action(Command::Write), &QAction::triggered, link_, &LinkCommands::OnWrite);
    connect(action(Command::Port), &QAction::triggered, link_, &LinkCommands::OnPort);
}

void CMainFrame::ConnectEditors() {
    for (const EditorCommand &command : EditorCommands()) {
        const EditorId id = command.id;
        if (command.place == EditorPlace::ChannelEditButton) {
            connect(view_->channelEditButton(), &QPushButton::clicked, this,
                    [this, id] { OnEditor(id); });
            continue;
        }
        QAction *entry = AddAction(command.name, tr(command.text), "");
        connect(entry, &QAction::triggered, this, [this, id] { OnEditor(id); });
        editorActions_.push_back(entry);
    }
}

void CMainFrame::OnEditor(EditorId id) {
    const EditorCommand &command = EditorCommandFor(id);
    view_->CommitOpenEdit();
    const dpmr::Image original = document_.image; // what Undo gives back
    if (command.storeFirst == StoreFirst::ChannelTable)
        view_->StoreChannelTable();
    const dpmr::Image before = document_.image; // what the editor changes, not the table

    const EditorEnv env{document_, view_->CurrentChannel(), this};
    {
        std::unique_ptr<QDialog> dialog = command.make(env);
        dialog->exec();
    } // the dialog has stored when it closed; it goes before anything reloads
    if (command.reloadTableAfter) {
        view_->LoadChannelTable();
        view_->table()->setFocus();
    }
    // One undo step takes the whole editor session back; an editor that changed nothing
    // makes no step.
    if (!(document_.image == before))
        view_->NoteChange(original, std::string("changes in ") + command.text);
}

bool CMainFrame::SaveModified() {
    if (!document_.modified)
        return true;
    const QString name = QFileInfo(QString::fromStdString(document_.pathName)).fileName();
    const auto answer = QMessageBox::question(
        this, kProgramCaption, tr("Save changes to %1?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false; // Cancel, or the box closed some other way
    OnFileSave();
    return !document_.modified; // a failed or cancelled save keeps the prompt's promise
}

void CMainFrame::closeEvent(QCloseEvent *event) {
    if (!SaveModified()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::CreateMenus() {
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addActions({action(Command::New), action(Command::Open), action(Command::Save),
                      action(Command::SaveAs)});
    file->addSeparator();
    file->addActions({action(Command::ImportChannels), action(Command::ExportChannels)});
    file->addSeparator();
    file->addActions({action(Command::Print), action(Command::PrintPreview),
                      action(Command::PrintSetup), action(Command::PrintSettingsSheet),
                      action(Command::ExportPdf)});
    file->addSeparator();
    recent_ = new CRecentFilesMenu(app_.recentFiles, this);
    connect(recent_, &CRecentFilesMenu::openRequested, this, [this](const QString &path) {
        view_->CommitOpenEdit();
        if (SaveModified())
            OpenDocument(path);
    });
    file->addMenu(recent_);
    file->addSeparator();
    file->addAction(action(Command::Exit));

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({undo_->undo(), undo_->redo()});
    edit->addSeparator();
    edit->addActions({edits_->cut(), edits_->copy(), edits_->paste(), edits_->deleteRows(),
                      edits_->insert(), edits_->moveUp(), edits_->moveDown()});
    edit->addSeparator();
    for (QAction *entry : editorActions_)
        edit->addAction(entry);

    QMenu *program = menuBar()->addMenu(tr("&Program"));
    program->addActions({action(Command::Read), action(Command::Write)});

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->addActions({action(Command::Toolbar), action(Command::StatusBar)});
    view->addSeparator();
    view->addAction(edits_->hideEmpty());

    QMenu *setting = menuBar()->addMenu(tr("&Setting"));
    setting->addAction(action(Command::Port));

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    QAction *manual = help->addAction(tr("Manual"));
    manual->setObjectName("manualAction");
    manual->setShortcut(QKeySequence::HelpContents);
    manual->setStatusTip(tr("Open the user manual"));
    connect(manual, &QAction::triggered, this, [this] { ShowManual(this, "index.html"); });
    help->addAction(action(Command::About));
}

void CMainFrame::CreateToolBar() {
    QToolBar *toolBar = addToolBar(tr("Standard"));
    toolBar->setObjectName("ToolBar");
    toolBar->setIconSize(QSize(16, 15));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->addActions({action(Command::New), action(Command::Open), action(Command::Save)});
    toolBar->addSeparator();
    toolBar->addActions({action(Command::Read), action(Command::Write)});
    toolBar->addSeparator();
    toolBar->addAction(action(Command::About));

    QAction *toggle = action(Command::Toolbar);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, toolBar, &QToolBar::setVisible);
    connect(toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar *bar = statusBar();
    ready_ = new QLabel(tr("Ready"), bar);
    bar->addWidget(ready_, 1);
    documentStatus_ = new DocumentStatus(document_, bar);
    bar->addPermanentWidget(documentStatus_);
    connect(view_, &CProgramView::DocumentChanged, documentStatus_, &DocumentStatus::Refresh);
    for (const char *indicator : {"CAP", "NUM", "SCRL"}) {
        auto *label = new QLabel(indicator, bar);
        label->setObjectName(indicator);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("SCRL") + 12);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // Qt cannot read the lock keys' state here, so the indicators stay greyed.
        label->setEnabled(false);
        bar->addPermanentWidget(label);
    }
    QAction *toggle = action(Command::StatusBar);
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::OnFileNew() {
    view_->CommitOpenEdit();
    if (!SaveModified())
        return;
    document_.New();
    view_->OnInitialUpdate();
}

bool CMainFrame::OpenDocument(const QString &path) {
    view_->CommitOpenEdit();
    const dpmr::FileResult result = document_.Open(path.toStdString());
    if (!result) {
        ShowProgramMessage(this, QString::fromStdString(result.message));
        return false;
    }
    view_->OnInitialUpdate();
    recent_->Add(path);
    return true;
}

bool CMainFrame::SaveDocument(const QString &path) {
    view_->CommitOpenEdit();
    const dpmr::FileResult result = document_.Save(path.toStdString());
    emit view_->DocumentChanged(); // the name and the modified mark
    if (!result) {
        ShowProgramMessage(this, QString::fromStdString(result.message));
        return false;
    }
    recent_->Add(path);
    return true;
}

void CMainFrame::OnFileOpen() {
    if (!SaveModified())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open"), {}, tr(kFileFilter));
    if (!path.isEmpty())
        OpenDocument(path);
}

void CMainFrame::OnFileSave() {
    const QFileInfo current(QString::fromStdString(document_.pathName));
    if (current.isFile() && current.isWritable())
        SaveDocument(current.filePath());
    else
        OnFileSaveAs();
}

void CMainFrame::OnFileSaveAs() {
    QFileDialog dialog(this, tr("Save As"), QString::fromStdString(document_.pathName),
                       tr(kFileFilter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("dat");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveDocument(dialog.selectedFiles().first());
}

void CMainFrame::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}
