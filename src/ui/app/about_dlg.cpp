#include "ui/app/about_dlg.h"

#include "ui/app/artwork.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent) {
    setWindowTitle(tr("About"));
    auto *icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    auto *version = new QLabel(tr("Version 1.5.4"), this);
    auto *purpose = new QLabel(tr("Programming software for dPMR and FM handheld radios"), this);
    auto *licence = new QLabel(tr("Free software under the GNU General Public License, version 3 or "
                                  "later (GPL-3.0-or-later), without any warranty."),
                               this);
    // The project's page, opened in the browser; reachable with Tab, opened with Enter.
    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(kProjectLink), this);
    link->setObjectName("projectLink");
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    link->setOpenExternalLinks(true);
    link->setAccessibleName(tr("Project page"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(purpose, 1, 1);
    layout->addWidget(licence, 2, 1);
    layout->addWidget(link, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
