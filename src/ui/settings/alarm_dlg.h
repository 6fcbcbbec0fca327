#pragma once
// "Alarm": the alarm record on one page (alarm, "Work alone", "Upside", "Auto contact"); it
// stores when the dialog closes, however it is closed, and Enter and Esc close it.

#include "core/app/code_plug_document.h"
#include "ui/widgets/tab_container.h"

class CAlarmDlg : public CSinglePageDlg {
    Q_OBJECT
public:
    CAlarmDlg(dpmr::CodePlugDocument &document, QWidget *parent);
};
