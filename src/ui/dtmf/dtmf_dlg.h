#pragma once
// "DTMF": the tab container of the DTMF settings, "Code", "Decode" and "Auto dial".

#include "core/app/code_plug_document.h"
#include "ui/widgets/tab_container.h"

class CDtmfDlg : public CTabContainerDlg {
    Q_OBJECT
public:
    CDtmfDlg(dpmr::CodePlugDocument &document, QWidget *parent);
};
