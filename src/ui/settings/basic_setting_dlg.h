#pragma once
// "Basic setting": the tab container of "Basic", "One key", "Side Key", "Tone and Light",
// "Menu" and "Password".

#include "core/app/code_plug_document.h"
#include "ui/widgets/tab_container.h"

class CBasicSettingDlg : public CTabContainerDlg {
    Q_OBJECT
public:
    CBasicSettingDlg(dpmr::CodePlugDocument &document, QWidget *parent);
};
