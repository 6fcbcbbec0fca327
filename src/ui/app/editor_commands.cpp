#include "ui/app/editor_commands.h"

#include "ui/channels/channel_edit_dlg.h"
#include "ui/channels/pms_dlg.h"
#include "ui/channels/vfo_dlg.h"
#include "ui/dpmr/dpmr_dlg.h"
#include "ui/dtmf/dtmf_dlg.h"
#include "ui/settings/alarm_dlg.h"
#include "ui/settings/basic_setting_dlg.h"
#include "ui/settings/scan_info_dlg.h"

#include <QtGlobal>

#include <stdexcept>

const std::vector<EditorCommand> &EditorCommands() {
    using enum EditorPlace;
    using enum StoreFirst;
    static const std::vector<EditorCommand> commands{
        {EditorId::ChannelEdit, "ChannelEdit", QT_TRANSLATE_NOOP("CMainFrame", "Channel edit"),
         ChannelEditButton, ChannelTable, true, Make<CChannelEditDlg>},
        {EditorId::ScanInfo, "ScanInfo", QT_TRANSLATE_NOOP("CMainFrame", "Scan Info"), EditMenu,
         ChannelTable, false, Make<CScanInfoDlg>},
        {EditorId::BasicSetting, "BasicSetting", QT_TRANSLATE_NOOP("CMainFrame", "Basic setting"),
         EditMenu, Nothing, false, Make<CBasicSettingDlg>},
        {EditorId::Alarm, "Alarm", QT_TRANSLATE_NOOP("CMainFrame", "Alarm"), EditMenu, Nothing,
         false, Make<CAlarmDlg>},
        {EditorId::Dtmf, "Dtmf", QT_TRANSLATE_NOOP("CMainFrame", "DTMF"), EditMenu, Nothing, false,
         Make<CDtmfDlg>},
        {EditorId::Dpmr, "Dpmr", QT_TRANSLATE_NOOP("CMainFrame", "dPMR"), EditMenu, ChannelTable,
         false, Make<CDpmrDlg>},
        {EditorId::Vfo, "Vfo", QT_TRANSLATE_NOOP("CMainFrame", "VFO"), EditMenu, ChannelTable,
         false, Make<CVfoDlg>},
        {EditorId::PmsCh, "PmsCh", QT_TRANSLATE_NOOP("CMainFrame", "PMS ch"), EditMenu,
         ChannelTable, false, Make<CPmsDlg>},
    };
    return commands;
}

const EditorCommand &EditorCommandFor(EditorId id) {
    for (const EditorCommand &command : EditorCommands())
        if (command.id == id)
            return command;
    throw std::out_of_range("no such editor");
}
