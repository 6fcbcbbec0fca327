#include "ui/link/link_commands.h"

#include "ui/link/port_dlg.h"
#include "ui/link/read_write_dlg.h"

LinkCommands::LinkCommands(LinkEnv env, QObject *parent) : QObject(parent), env_(std::move(env)) {}

void LinkCommands::OnRead() {
    env_.commitOpenEdit();
    CReadWriteDlg dialog("Read data", dpmr::LinkDirection::Read, env_.portName, env_.document.image,
                         env_.link, env_.window);
    dialog.exec();
    if (dialog.resultFlag() == 1) {
        env_.document.ReplaceImage(dialog.receivedImage());
        env_.reloadView();
    }
}

void LinkCommands::OnWrite() {
    env_.storeChannelTable();
    CReadWriteDlg dialog("Write data", dpmr::LinkDirection::Write, env_.portName,
                         env_.document.image, env_.link, env_.window);
    dialog.exec();
}

void LinkCommands::OnPort() {
    CPortDlg dialog(env_.portName, env_.window);
    dialog.exec();
}
