#include "ui/app/recent_files_menu.h"

#include "core/app/recent_files.h"
#include "ui/widgets/message_box.h"

#include <QDir>
#include <QFileInfo>
#include <QStyleOptionMenuItem>

namespace {

constexpr const char *kMissing = "missing";

// "~/plans/fleet.dat" for a file in the home folder; the full path otherwise.
QString ShownPath(const QString &path) {
    const QString home = QDir::homePath() + '/';
    return path.startsWith(home) ? "~/" + path.mid(home.size()) : path;
}

} // namespace

CRecentFilesMenu::CRecentFilesMenu(std::vector<std::string> &files, QWidget *parent)
    : QMenu(tr("Recent &files"), parent), files_(files) {
    setObjectName("RecentFiles");
    connect(this, &QMenu::aboutToShow, this, &CRecentFilesMenu::Rebuild);
    Rebuild();
}

void CRecentFilesMenu::Add(const QString &path) {
    dpmr::AddRecentFile(files_, QFileInfo(path).absoluteFilePath().toStdString());
    Rebuild();
}

void CRecentFilesMenu::Rebuild() {
    clear();
    for (std::size_t i = 0; i < files_.size(); ++i) {
        const QString path = QString::fromStdString(files_[i]);
        QAction *entry = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(ShownPath(path)));
        entry->setStatusTip(path);
        // Greyed but still enabled, so choosing it can say what happened to it.
        entry->setProperty(kMissing, !QFileInfo(path).isFile());
        connect(entry, &QAction::triggered, this, [this, i] { Choose(static_cast<int>(i)); });
    }
    menuAction()->setEnabled(!files_.empty());
}

void CRecentFilesMenu::Choose(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= files_.size())
        return;
    const QString path = QString::fromStdString(files_[static_cast<std::size_t>(index)]);
    if (!QFileInfo(path).isFile()) {
        dpmr::RemoveRecentFile(files_, path.toStdString());
        Rebuild();
        ShowProgramMessage(parentWidget(), tr("Cannot open \"%1\": it no longer exists.").arg(path),
                           tr("It has been taken off the recent files."));
        return;
    }
    emit openRequested(path);
}

void CRecentFilesMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const {
    QMenu::initStyleOption(option, action);
    if (action->property(kMissing).toBool()) {
        option->state &= ~QStyle::State_Enabled;
        option->palette.setCurrentColorGroup(QPalette::Disabled);
    }
}
