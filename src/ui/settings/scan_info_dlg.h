#pragma once
// "Scan Info": scan resume mode, priority channel, stop time and resume delay. Enter, Esc and
// the close box all close it, and it stores however it closes.

#include "ui/widgets/editor_page.h"
#include "ui/widgets/tab_container.h"

#include <memory>

namespace Ui {
class CScanInfoPage;
}

class CScanInfoPage : public CTablePage {
    Q_OBJECT
public:
    CScanInfoPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CScanInfoPage() override;
    bool SwallowsKey(int key) const override;

private:
    std::unique_ptr<Ui::CScanInfoPage> ui_;
};

class CScanInfoDlg : public CSinglePageDlg {
    Q_OBJECT
public:
    CScanInfoDlg(dpmr::CodePlugDocument &document, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
