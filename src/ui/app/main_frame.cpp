#include "ui/app/main_frame.h"

#include "ui/app/about_dlg.h"
#include "ui/app/artwork.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui/widgets/message_box.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString kFileFilter = QStringLiteral("Program Document (*.dat)");

struct CommandText {
    const char *name;
    const char *text;
    const char *prompt; // status-bar prompt, a line break, the tooltip
};

const CommandText kCommands[] = {
    {"New", "&New\tCtrl+N", "Create a new document\nNew"},
    {"Open", "&Open...\tCtrl+O", "Open an existing document\nOpen"},
    {"Save", "&Save\tCtrl+S", "Save the active document\nSave"},
    {"SaveAs", "Save &As...", "Save the active document with a new name\nSave As"},
    {"ImportChannels", "&Import channels...", "Read channels from a CSV file\nImport"},
    {"ExportChannels", "&Export channels...", "Save the channels as a CSV file\nExport"},
    {"Print", "&Print...\tCtrl+P", "Print the active document\nPrint"},
    {"PrintPreview", "Print Pre&view", "Display full pages\nPrint Preview"},
    {"PrintSetup", "P&rint Setup...", "Change the printer and printing options\nPrint Setup"},
    {"Exit", "E&xit", "Quit the application; prompts to save documents\nExit"},
    {"ScanInfo", "Scan Info", ""},
    {"BasicSetting", "Basic setting", ""},
    {"Alarm", "Alarm", ""},
    {"Dtmf", "DTMF", ""},
    {"Dpmr", "dPMR", ""},
    {"Vfo", "VFO", ""},
    {"PmsCh", "PMS ch", ""},
    {"Read", "Read\tCtrl+R", "Read Data From Radio\nRead"},
    {"Write", "Write\tCtrl+W", "Write Data to Radio \nWrite"},
    {"Toolbar", "&Toolbar", "Show or hide the toolbar\nToggle ToolBar"},
    {"StatusBar", "&Status Bar", "Show or hide the status bar\nToggle StatusBar"},
    {"Port", "Port", ""},
    {"About", "About ...", "Display program information, version number and copyright\nAbout"},
};

} // namespace

CMainFrame::CMainFrame(CProgramApp &app, dpmr::CodePlugDocument &document)
    : app_(app), document_(document) {
    setWindowTitle("Program software");
    setWindowIcon(ApplicationIcon());
    view_ = new CProgramView(document_, this);
    setCentralWidget(view_);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    // The frame fits the form exactly and the user cannot resize it.
    adjustSize();
    setFixedSize(sizeHint());
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
        AddAction(command.name, command.text, command.prompt);

    action("New")->setShortcut(QKeySequence("Ctrl+N"));
    action("Open")->setShortcut(QKeySequence("Ctrl+O"));
    action("Save")->setShortcut(QKeySequence("Ctrl+S"));
    action("Read")->setShortcut(QKeySequence("Ctrl+R"));
    action("Write")->setShortcut(QKeySequence("Ctrl+W"));
    action("New")->setIcon(ToolbarIcon(ToolbarImage::New));
    action("Open")->setIcon(ToolbarIcon(ToolbarImage::Open));
    action("Save")->setIcon(ToolbarIcon(ToolbarImage::Save));
    action("Read")->setIcon(ToolbarIcon(ToolbarImage::Read));
    action("Write")->setIcon(ToolbarIcon(ToolbarImage::Write));
    action("About")->setIcon(ToolbarIcon(ToolbarImage::About));

    connect(action("New"), &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(action("Open"), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(action("Save"), &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(action("SaveAs"), &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(action("Print"), &QAction::triggered, this, &CMainFrame::OnPrint);
    connect(action("PrintPreview"), &QAction::triggered, this, &CMainFrame::OnPrintPreview);
    connect(action("PrintSetup"), &QAction::triggered, this, &CMainFrame::OnPrintSetup);
    connect(action("Exit"), &QAction::triggered, this, &QWidget::close);
    connect(action("About"), &QAction::triggered, this, &CMainFrame::OnAbout);

    // The editors of the Edit menu are not part of this program yet.
    for (const char *name : {"ScanInfo", "BasicSetting", "Alarm", "Dtmf", "Dpmr", "Vfo", "PmsCh"})
        action(name)->setEnabled(false);
    app_.ConnectLinkCommands(*this);
}

void CMainFrame::CreateMenus() {
    QMenu *file = menuBar()->addMenu("&File");
    file->addActions({action("New"), action("Open"), action("Save"), action("SaveAs")});
    file->addSeparator();
    file->addActions({action("ImportChannels"), action("ExportChannels")});
    file->addSeparator();
    file->addActions({action("Print"), action("PrintPreview"), action("PrintSetup")});
    file->addSeparator();
    file->addAction(action("Exit"));

    QMenu *edit = menuBar()->addMenu("&Edit");
    edit->addActions({action("ScanInfo"), action("BasicSetting"), action("Alarm"), action("Dtmf"),
                      action("Dpmr"), action("Vfo"), action("PmsCh")});

    QMenu *program = menuBar()->addMenu("&Program");
    program->addActions({action("Read"), action("Write")});

    QMenu *view = menuBar()->addMenu("&View");
    view->addActions({action("Toolbar"), action("StatusBar")});

    QMenu *setting = menuBar()->addMenu("&Setting");
    setting->addAction(action("Port"));

    QMenu *help = menuBar()->addMenu("&Help");
    help->addAction(action("About"));
}

void CMainFrame::CreateToolBar() {
    QToolBar *toolBar = addToolBar("Standard");
    toolBar->setObjectName("ToolBar");
    toolBar->setIconSize(QSize(16, 15));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar->addActions({action("New"), action("Open"), action("Save")});
    toolBar->addSeparator();
    toolBar->addActions({action("Read"), action("Write")});
    toolBar->addSeparator();
    toolBar->addAction(action("About"));

    QAction *toggle = action("Toolbar");
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, toolBar, &QToolBar::setVisible);
    connect(toolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar *bar = statusBar();
    ready_ = new QLabel("Ready", bar);
    bar->addWidget(ready_, 1);
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
    QAction *toggle = action("StatusBar");
    toggle->setCheckable(true);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::OnFileNew() {
    view_->CommitOpenEdit();
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
    return true;
}

bool CMainFrame::SaveDocument(const QString &path) {
    view_->CommitOpenEdit();
    const dpmr::FileResult result = document_.Save(path.toStdString());
    if (!result) {
        ShowProgramMessage(this, QString::fromStdString(result.message));
        return false;
    }
    return true;
}

void CMainFrame::OnFileOpen() {
    const QString path = QFileDialog::getOpenFileName(this, "Open", {}, kFileFilter);
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
    QFileDialog dialog(this, "Save As", QString::fromStdString(document_.pathName), kFileFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("dat");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        SaveDocument(dialog.selectedFiles().first());
}

void CMainFrame::PrintForm(QPrinter *printer) {
    view_->CommitOpenEdit();
    QPainter painter(printer);
    const QRectF page = printer->pageRect(QPrinter::DevicePixel);
    const QSize form = view_->size();
    const double scale = std::min(page.width() / form.width(), page.height() / form.height());
    painter.scale(scale, scale);
    view_->render(&painter);
}

void CMainFrame::OnPrint() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer_.get(), this);
    if (dialog.exec() == QDialog::Accepted)
        PrintForm(printer_.get());
}

void CMainFrame::OnPrintPreview() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintPreviewDialog preview(printer_.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &CMainFrame::PrintForm);
    preview.exec();
}

void CMainFrame::OnPrintSetup() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPageSetupDialog dialog(printer_.get(), this);
    dialog.exec();
}

void CMainFrame::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}
