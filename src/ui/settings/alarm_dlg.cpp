#include "ui/settings/alarm_dlg.h"

#include "core/settings/alarm_settings.h"

#include "ui_alarm_page.h"

#include <QKeyEvent>

CAlarmPage::CAlarmPage(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, dpmr::kAlarmPage, parent), ui_(std::make_unique<Ui::CAlarmPage>()) {
    ui_->setupUi(this);
    Bind();
}

CAlarmPage::~CAlarmPage() = default;

CAlarmDlg::CAlarmDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CSinglePageDlg(QT_TRANSLATE_NOOP("CEditorDlg", "Alarm"), new CAlarmPage(document, nullptr),
                     parent) {}

void CAlarmDlg::keyPressEvent(QKeyEvent *event) {
    // There is no default button: Enter closes like Esc does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    CSinglePageDlg::keyPressEvent(event);
}
