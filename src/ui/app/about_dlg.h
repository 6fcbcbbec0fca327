#pragma once

#include <QDialog>

// Where the project lives: sources, releases and the issue tracker.
inline constexpr const char *kProjectLink = "https://dpmr-cps.example.org";

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent);
};
