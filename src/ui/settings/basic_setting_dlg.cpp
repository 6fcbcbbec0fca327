#include "ui/settings/basic_setting_dlg.h"

#include "ui/settings/basic_setting_pages.h"
#include "ui/settings/one_key_page.h"

CBasicSettingDlg::CBasicSettingDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg(QT_TRANSLATE_NOOP("CEditorDlg", "Basic setting"), parent) {
    AddPage(new CBasicPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Basic"));
    AddPage(new COneKeyPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "One key"));
    AddPage(new CSideKeyPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Side Key"));
    AddPage(new CToneLightPage(document, nullptr),
            QT_TRANSLATE_NOOP("CEditorDlg", "Tone and Light"));
    AddPage(new CMenuPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Menu"));
    AddPage(new CPasswordPage(document, nullptr), QT_TRANSLATE_NOOP("CEditorDlg", "Password"));
}
