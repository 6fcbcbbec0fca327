#include "ui/dpmr/dpmr_dlg.h"

#include "ui/dpmr/dpmr_encrypt_page.h"
#include "ui/dpmr/dpmr_outbox_page.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

// A tab whose page is not part of the program yet: it shows and stores nothing.
class CPlaceholderPage : public CEditorPage {
public:
    CPlaceholderPage(dpmr::CodePlugDocument &document, const QString &what)
        : CEditorPage(document, nullptr) {
        auto *layout = new QVBoxLayout(this);
        auto *label = new QLabel(what + " settings are edited in a later version.", this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    void LoadControls() override {}
    void StoreControls() override {}
};

} // namespace

CDpmrDlg::CDpmrDlg(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTabContainerDlg("dPMR", parent) {
    AddPage(new CPlaceholderPage(document, "Basic dPMR"), "Basic");
    AddPage(new CDpmrEncryptPage(document, nullptr), "Encrypt");
    AddPage(new CPlaceholderPage(document, "Contact"), "Contact");
    AddPage(new CDpmrOutboxPage(document, nullptr), "Outbox");
    AddPage(new CPlaceholderPage(document, "Group receive list"), "Group rx");
    resize(520, 420);
}
