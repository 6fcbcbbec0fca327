#include "ui/settings/basic_setting_dlg.h"

#include "ui/settings/basic_setting_pages.h"
#include "ui/settings/one_key_page.h"

CBasicSettingDlg::CBasicSettingDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg("Basic setting", parent) {
    AddPage(new CBasicPage(document, nullptr), "Basic");
    AddPage(new COneKeyPage(document, nullptr), "One key");
    AddPage(new CSideKeyPage(document, nullptr), "Side Key");
    AddPage(new CToneLightPage(document, nullptr), "Tone and Light");
    AddPage(new CMenuPage(document, nullptr), "Menu");
    AddPage(new CPasswordPage(document, nullptr), "Password");
}
