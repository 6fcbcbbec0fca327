#include "ui/app/editor_commands.h"

#include "ui/channels/channel_edit_dlg.h"
#include "ui/channels/pms_dlg.h"
#include "ui/channels/vfo_dlg.h"
#include "ui/dpmr/dpmr_dlg.h"
#include "ui/dtmf/dtmf_dlg.h"
#include "ui/settings/alarm_dlg.h"
#include "ui/settings/basic_setting_dlg.h"
#include "ui/settings/scan_info_dlg.h"

#include <stdexcept>

namespace {

std::unique_ptr<QDialog> MakeChannelEdit(const EditorEnv &env) {
    return std::make_unique<CChannelEditDlg>(env.document, env.currentChannel, env.parent);
}

std::unique_ptr<QDialog> MakeDpmr(const EditorEnv &env) {
    return std::make_unique<CDpmrDlg>(env.document, env.parent);
}

std::unique_ptr<QDialog> MakeScanInfo(const EditorEnv &env) {
    return std::make_unique<CScanInfoDlg>(env.document, env.parent);
}

std::unique_ptr<QDialog> MakeVfo(const EditorEnv &env) {
    return std::make_unique<CVfoDlg>(env.document, env.parent);
}

std::unique_ptr<QDialog> MakePms(const EditorEnv &env) {
    return std::make_unique<CPmsDlg>(env.document, env.parent);
}

std::unique_ptr<QDialog> MakeBasicSetting(const EditorEnv &env) {
    return std::make_unique<CBasicSettingDlg>(env.document, env.parent);
}

std::unique_ptr<QDialog> MakeAlarm(const EditorEnv &env) {
    return std::make_unique<CAlarmDlg>(env.document, env.parent);
}

std::unique_ptr<QDialog> MakeDtmf(const EditorEnv &env) {
    return std::make_unique<CDtmfDlg>(env.document, env.parent);
}

} // namespace

const std::vector<EditorCommand> &EditorCommands() {
    static const std::vector<EditorCommand> commands{
        {EditorId::ChannelEdit, "", StoreFirst::ChannelTable, true, MakeChannelEdit},
        {EditorId::ScanInfo, "Scan Info", StoreFirst::ChannelTable, false, MakeScanInfo},
        {EditorId::BasicSetting, "Basic setting", StoreFirst::Nothing, false, MakeBasicSetting},
        {EditorId::Alarm, "Alarm", StoreFirst::Nothing, false, MakeAlarm},
        {EditorId::Dtmf, "DTMF", StoreFirst::Nothing, false, MakeDtmf},
        {EditorId::Dpmr, "dPMR", StoreFirst::ChannelTable, false, MakeDpmr},
        {EditorId::Vfo, "VFO", StoreFirst::ChannelTable, false, MakeVfo},
        {EditorId::PmsCh, "PMS ch", StoreFirst::ChannelTable, false, MakePms},
    };
    return commands;
}

const EditorCommand &EditorCommandFor(EditorId id) {
    for (const EditorCommand &command : EditorCommands())
        if (command.id == id)
            return command;
    throw std::out_of_range("no such editor");
}
