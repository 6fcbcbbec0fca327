#pragma once
// "Alarm": the alarm record on one page (alarm, "Work alone", "Upside", "Auto contact"); it
// stores when the dialog closes, however it is closed.

#include "core/app/code_plug_document.h"
#include "ui/widgets/editor_page.h"
#include "ui/widgets/tab_container.h"

#include <memory>

namespace Ui {
class CAlarmPage;
}

class CAlarmPage : public CTablePage {
    Q_OBJECT
public:
    CAlarmPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CAlarmPage() override;
    // Enter and Esc close the dialog (it stores as it closes).
    bool SwallowsKey(int) const override { return false; }

private:
    std::unique_ptr<Ui::CAlarmPage> ui_;
};

class CAlarmDlg : public CSinglePageDlg {
    Q_OBJECT
public:
    CAlarmDlg(dpmr::CodePlugDocument &document, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
