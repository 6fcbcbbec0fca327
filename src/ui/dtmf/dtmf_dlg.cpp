#include "ui/dtmf/dtmf_dlg.h"

#include "ui/dtmf/dtmf_auto_dial_page.h"
#include "ui/dtmf/dtmf_pages.h"

CDtmfDlg::CDtmfDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg(QT_TRANSLATE_NOOP("CEditorDlg", "DTMF"), parent) {
    AddPage(new CDtmfCodePage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Code"));
    AddPage(new CDtmfDecodePage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Decode"));
    AddPage(new CDtmfAutoDialPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Auto dial"));
}
