#pragma once
// "dPMR": the tab container of the digital-mode settings, in the radio's order "Basic",
// "Encrypt", "Contact", "Outbox", "Group rx".

#include "core/app/code_plug_document.h"
#include "ui/widgets/tab_container.h"

class CDpmrDlg : public CTabContainerDlg {
    Q_OBJECT
public:
    CDpmrDlg(dpmr::CodePlugDocument &document, QWidget *parent);
};
