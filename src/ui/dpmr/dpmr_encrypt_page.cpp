#include "ui/dpmr/dpmr_encrypt_page.h"

#include "core/dpmr/encryption_keys.h"
#include "ui/grid/edit_grid.h"
#include "ui/widgets/field_binder.h"

#include <QCheckBox>
#include <QVBoxLayout>

using namespace dpmr;

CDpmrEncryptPage::CDpmrEncryptPage(CodePlugDocument &document, QWidget *parent)
    : CListPage(document, kKeyList, parent), encrypt_(new QCheckBox(tr("&Encrypt"), this)) {
    encrypt_->setObjectName(kDpmrEncryptSwitchPage.fields[0].name);
    pageLayout()->insertWidget(0, encrypt_);
    setTabOrder(encrypt_, grid());
    binder_ = new FieldBinder(this, kDpmrEncryptSwitchPage.fields, kDpmrEncryptSwitchPage.name);
    connect(encrypt_, &QCheckBox::clicked, this, &CListPage::SetEditable);
}

CDpmrEncryptPage::~CDpmrEncryptPage() {
    binder_->Detach();
}

void CDpmrEncryptPage::LoadControls() {
    binder_->LoadControls(LoadPage(kDpmrEncryptSwitchPage, Context(), 0));
    SetEditable(encrypt_->isChecked());
    CListPage::LoadControls();
}

void CDpmrEncryptPage::StoreControls() {
    StorePage(kDpmrEncryptSwitchPage, document_.image, document_.limits, 0,
              binder_->StoreControls());
    CListPage::StoreControls();
}
