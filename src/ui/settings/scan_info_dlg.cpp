#include "ui/settings/scan_info_dlg.h"

#include "core/settings/scan_settings.h"
#include "ui/widgets/editor_page.h"

#include "ui_scan_info_page.h"

CScanInfoDlg::CScanInfoDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CSinglePageDlg(QT_TRANSLATE_NOOP("CEditorDlg", "Scan Info"),
                     new CTablePage(document, dpmr::kScanPage, SetUpForm<Ui::CScanInfoPage>),
                     parent, EnterEsc::Close) {}
