#pragma once
// File > Recent files: the list kept by the application, one entry per file, newest first. A
// file that is gone shows greyed; choosing it says so and takes it off the list.

#include <QMenu>
#include <string>
#include <vector>

class CRecentFilesMenu : public QMenu {
    Q_OBJECT
public:
    CRecentFilesMenu(std::vector<std::string> &files, QWidget *parent);

    // After a file was opened or saved: it goes to the top.
    void Add(const QString &path);
    // Entries as they are shown now; rebuilt when the menu opens.
    void Rebuild();
    // What choosing entry `index` does (the menu's entries call it).
    void Choose(int index);

signals:
    void openRequested(const QString &path);

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override;

private:
    std::vector<std::string> &files_;
};
