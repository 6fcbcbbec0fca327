#include "ui/link/link_commands.h"

#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/program_view.h"
#include "ui/link/link_backups.h"
#include "ui/link/port_dlg.h"
#include "ui/link/read_write_dlg.h"

#include <QAction>

LinkCommands::LinkCommands(CProgramApp &app, CMainFrame &frame)
    : QObject(&frame), app_(app), frame_(frame) {
    connect(frame.action("Read"), &QAction::triggered, this, &LinkCommands::OnRead);
    connect(frame.action("Write"), &QAction::triggered, this, &LinkCommands::OnWrite);
    connect(frame.action("Port"), &QAction::triggered, this, &LinkCommands::OnPort);
}

void LinkCommands::OnRead() {
    frame_.view()->CommitOpenEdit();
    CReadWriteDlg dialog("Read data", dpmr::LinkDirection::Read, app_.portName,
                         app_.document().image, app_.link, &frame_);
    dialog.exec();
    if (dialog.resultFlag() == 1) {
        app_.document().ReplaceImage(dialog.receivedImage());
        frame_.view()->OnInitialUpdate();
        BackupAfterRead(frame_, dpmr::BackupPlaceOf(app_.paths()), dialog.receivedImage());
    }
}

void LinkCommands::OnWrite() {
    frame_.view()->StoreChannelTable();
    if (!BackupBeforeWrite(frame_, dpmr::BackupPlaceOf(app_.paths()), app_.document().image))
        return;
    CReadWriteDlg dialog("Write data", dpmr::LinkDirection::Write, app_.portName,
                         app_.document().image, app_.link, &frame_);
    dialog.exec();
}

void LinkCommands::OnPort() {
    CPortDlg dialog(app_.portName, &frame_);
    dialog.exec();
}
