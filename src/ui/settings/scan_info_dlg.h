#pragma once
// "Scan Info": scan resume mode, priority channel, stop time and resume delay. Enter, Esc and
// the close box all close it, and it stores however it closes.

#include "core/app/code_plug_document.h"
#include "ui/widgets/tab_container.h"

class CScanInfoDlg : public CSinglePageDlg {
    Q_OBJECT
public:
    CScanInfoDlg(dpmr::CodePlugDocument &document, QWidget *parent);
};
