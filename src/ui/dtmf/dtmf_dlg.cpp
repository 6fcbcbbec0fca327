#include "ui/dtmf/dtmf_dlg.h"

#include "core/dtmf/dtmf_settings.h"
#include "ui/dtmf/dtmf_auto_dial_page.h"
#include "ui/widgets/editor_page.h"

#include "ui_dtmf_code_page.h"
#include "ui_dtmf_decode_page.h"

CDtmfDlg::CDtmfDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg(QT_TRANSLATE_NOOP("CEditorDlg", "DTMF"), parent) {
    AddPage(new CTablePage(document, dpmr::kDtmfEncodePage, SetUpForm<Ui::CDtmfCodePage>),
            QT_TRANSLATE_NOOP("CEditorDlg", "Code"));
    AddPage(new CTablePage(document, dpmr::kDtmfDecodePage, SetUpForm<Ui::CDtmfDecodePage>),
            QT_TRANSLATE_NOOP("CEditorDlg", "Decode"));
    AddPage(new CDtmfAutoDialPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Auto dial"));
}
