#include "ui/channels/vfo_dlg.h"

#include "core/channels/vfo_editor.h"
#include "core/image/memory_map.h"
#include "ui/widgets/field_binder.h"

#include "ui_vfo_dlg.h"

using namespace dpmr;

CVfoPage::CVfoPage(CodePlugDocument &document)
    : CTablePage(document, kVfoEditPage, nullptr, kVfoChannel),
      ui_(std::make_unique<Ui::CVfoPage>()) {
    ui_->setupUi(this);
    Bind();
    // The transmit frequency follows from receive, direction and offset.
    binder_->SetEnabled(kEditTxFreq, false);
}

CVfoPage::~CVfoPage() = default;

void CVfoPage::LoadControls() {
    CTablePage::LoadControls();
    FieldLeft(kVfoEditOffsetDir); // as if the direction shown had just been picked
}

void CVfoPage::FieldLeft(int) {
    binder_->SetEnabled(kVfoEditOffsetFreq, IsOffsetEditable(binder_->Texts()));
}

CVfoDlg::CVfoDlg(CodePlugDocument &document, QWidget *parent)
    : CSinglePageDlg(QT_TRANSLATE_NOOP("CEditorDlg", "VFO mode"), new CVfoPage(document), parent) {
    binder()->control(kEditRxFreq)->setFocus();
}
