#include "ui/dtmf/dtmf_dlg.h"

#include "ui/dtmf/dtmf_auto_dial_page.h"
#include "ui/dtmf/dtmf_pages.h"

CDtmfDlg::CDtmfDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg("DTMF", parent) {
    AddPage(new CDtmfCodePage(document, nullptr), "Code");
    AddPage(new CDtmfDecodePage(document, nullptr), "Decode");
    AddPage(new CDtmfAutoDialPage(document, nullptr), "Auto dial");
}
