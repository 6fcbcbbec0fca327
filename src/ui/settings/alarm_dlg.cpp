#include "ui/settings/alarm_dlg.h"

#include "core/settings/alarm_settings.h"
#include "ui/widgets/editor_page.h"

#include "ui_alarm_page.h"

CAlarmDlg::CAlarmDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CSinglePageDlg(QT_TRANSLATE_NOOP("CEditorDlg", "Alarm"),
                     new CTablePage(document, dpmr::kAlarmPage, SetUpForm<Ui::CAlarmPage>), parent,
                     EnterEsc::Close) {}
