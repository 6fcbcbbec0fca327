#pragma once
// The application: settings at start-up and exit, the one document, the main window.

#include "core/app/app_paths.h"
#include "core/app/code_plug_document.h"
#include "core/app/settings_file.h"
#include "core/link/radio_link.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

class CMainFrame;

class CProgramApp {
public:
    // Where "Program.ini" and "DATA" are (ResolveAppPaths for the running program).
    explicit CProgramApp(dpmr::AppPaths paths);
    // Both in this folder.
    explicit CProgramApp(const std::string &folder);
    ~CProgramApp();

    // Start-up: settings, data folder, the first document (a file named in `files`, else a
    // new one), the main window shown. False with `error` set when the named file cannot be
    // opened; the program then ends.
    bool InitInstance(const QStringList &files, QString &error);
    // Writes the port and the last path back; empty values leave the file's entries.
    void ExitInstance();

    CMainFrame *mainFrame() const { return frame_.get(); }
    dpmr::CodePlugDocument &document() { return document_; }
    const dpmr::AppPaths &paths() const { return paths_; }
    dpmr::SettingsFile &settings() { return settings_; }

    std::string portName = "COM1";
    std::string lastPath;
    // File -> Recent files, newest first; read at start-up, written back at exit.
    std::vector<std::string> recentFiles;
    dpmr::LinkFlags link;

private:
    dpmr::AppPaths paths_;
    dpmr::SettingsFile settings_;
    dpmr::CodePlugDocument document_;
    std::unique_ptr<CMainFrame> frame_;
};
