#include "ui/settings/basic_setting_dlg.h"

#include "core/settings/basic_settings.h"
#include "core/settings/tone_menu_settings.h"
#include "ui/settings/basic_setting_pages.h"
#include "ui/settings/one_key_page.h"

#include "ui_basic_page.h"
#include "ui_menu_page.h"
#include "ui_tone_light_page.h"

using namespace dpmr;

CBasicSettingDlg::CBasicSettingDlg(CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg(QT_TRANSLATE_NOOP("CEditorDlg", "Basic setting"), parent) {
    AddPage(new CTablePage(document, kBasicPage, SetUpForm<Ui::CBasicPage>),
            QT_TRANSLATE_NOOP("CEditorDlg", "Basic"));
    AddPage(new COneKeyPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "One key"));
    AddPage(new CSideKeyPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Side Key"));
    AddPage(new CTablePage(document, kToneLightPage, SetUpForm<Ui::CToneLightPage>),
            QT_TRANSLATE_NOOP("CEditorDlg", "Tone and Light"));
    AddPage(new CTablePage(document, kMenuPage, SetUpForm<Ui::CMenuPage>),
            QT_TRANSLATE_NOOP("CEditorDlg", "Menu"));
    AddPage(new CPasswordPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Password"));
}
