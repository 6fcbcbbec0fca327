#include "ui/dpmr/dpmr_basic_page.h"

#include "core/dpmr/dpmr_basic.h"
#include "ui/widgets/typing_limits.h"

#include "ui_dpmr_basic_page.h"

using namespace dpmr;

CDpmrBasicPage::CDpmrBasicPage(CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, kDpmrBasicPage, parent), ui_(std::make_unique<Ui::CDpmrBasicPage>()) {
    ui_->setupUi(this);
    Bind();
    // The identity is split by the stored Dial access only.
    ui_->dial_access->setEnabled(false);
}

CDpmrBasicPage::~CDpmrBasicPage() {
    binder()->Detach();
}

void CDpmrBasicPage::LoadControls() {
    CTablePage::LoadControls();
    SplitIdentity();
}

void CDpmrBasicPage::SplitIdentity() {
    const IdentitySplit split = SplitForDialAccess(ui_->dial_access->currentIndex());
    ui_->area_code->setProperty(kTypingLimitProperty, split.areaCodeLength);
    ui_->radio_id->setProperty(kTypingLimitProperty, split.radioIdLength);
    ui_->area_code->setEnabled(split.areaCodeEditable);
    ui_->radio_id->setEnabled(split.radioIdEditable);
}
