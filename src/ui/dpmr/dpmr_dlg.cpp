#include "ui/dpmr/dpmr_dlg.h"

#include "ui/dpmr/dpmr_basic_page.h"
#include "ui/dpmr/dpmr_contact_page.h"
#include "ui/dpmr/dpmr_encrypt_page.h"
#include "ui/dpmr/dpmr_group_rx_page.h"
#include "ui/dpmr/dpmr_outbox_page.h"

CDpmrDlg::CDpmrDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg("dPMR", parent) {
    AddPage(new CDpmrBasicPage(document, nullptr), "Basic");
    AddPage(new CDpmrEncryptPage(document, nullptr), "Encrypt");
    AddPage(new CDpmrContactPage(document, nullptr), "Contact");
    AddPage(new CDpmrOutboxPage(document, nullptr), "Outbox");
    AddPage(new CDpmrGroupRxPage(document, nullptr), "Group rx");
    resize(520, 420);
}
