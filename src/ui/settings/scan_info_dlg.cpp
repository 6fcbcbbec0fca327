#include "ui/settings/scan_info_dlg.h"

#include "core/settings/scan_settings.h"

#include "ui_scan_info_page.h"

#include <QKeyEvent>

CScanInfoPage::CScanInfoPage(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, dpmr::kScanPage, parent), ui_(std::make_unique<Ui::CScanInfoPage>()) {
    ui_->setupUi(this);
    Bind();
}

CScanInfoPage::~CScanInfoPage() = default;

bool CScanInfoPage::SwallowsKey(int) const {
    return false; // Enter and Esc close this dialog
}

CScanInfoDlg::CScanInfoDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CSinglePageDlg(QT_TRANSLATE_NOOP("CEditorDlg", "Scan Info"),
                     new CScanInfoPage(document, nullptr), parent) {}

void CScanInfoDlg::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        accept(); // there is no button to press: Enter closes, and so stores
        return;
    }
    CSinglePageDlg::keyPressEvent(event);
}
