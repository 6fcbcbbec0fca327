#include "ui/dpmr/dpmr_dlg.h"

#include "ui/dpmr/dpmr_basic_page.h"
#include "ui/dpmr/dpmr_contact_page.h"
#include "ui/dpmr/dpmr_encrypt_page.h"
#include "ui/dpmr/dpmr_group_rx_page.h"
#include "ui/dpmr/dpmr_outbox_page.h"

CDpmrDlg::CDpmrDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg(QT_TRANSLATE_NOOP("CEditorDlg", "dPMR"), parent) {
    AddPage(new CDpmrBasicPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Basic"));
    AddPage(new CDpmrEncryptPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Encrypt"));
    AddPage(new CDpmrContactPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Contact"));
    AddPage(new CDpmrOutboxPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Outbox"));
    AddPage(new CDpmrGroupRxPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Group rx"));
    resize(520, 420);
}
