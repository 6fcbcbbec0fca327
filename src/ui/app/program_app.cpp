#include "ui/app/program_app.h"

#include "core/app/recent_files.h"
#include "ui/app/main_frame.h"
#include "ui/app/start_up_style.h"

#include <QFileInfo>

CProgramApp::CProgramApp(dpmr::AppPaths paths) : paths_(std::move(paths)) {}

CProgramApp::CProgramApp(const std::string &folder) : CProgramApp(dpmr::PathsBeside(folder)) {}

CProgramApp::~CProgramApp() = default;

bool CProgramApp::InitInstance(const QStringList &files, QString &error) {
    settings_.setPath(paths_.settingsFile);
    portName = settings_.Read("Setup", "COM"); // replaces "COM1" even when empty
    lastPath = settings_.Read("Setup", "LASTPATH");
    recentFiles = dpmr::ReadRecentFiles(settings_);
    dpmr::EnsureDataFolder(paths_);

    if (files.isEmpty()) {
        document_.New();
    } else {
        const dpmr::FileResult result = document_.Open(files.first().toStdString());
        if (!result) {
            error = QString::fromStdString(result.message);
            return false;
        }
        dpmr::AddRecentFile(recentFiles, QFileInfo(files.first()).absoluteFilePath().toStdString());
    }
    CStartUpStyle::Install();
    frame_ = std::make_unique<CMainFrame>(*this, document_);
    frame_->show();
    return true;
}

void CProgramApp::ExitInstance() {
    settings_.Write("Setup", "COM", portName);
    settings_.Write("Setup", "LASTPATH", lastPath);
    dpmr::WriteRecentFiles(settings_, recentFiles);
}
