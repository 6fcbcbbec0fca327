#include "ui/dpmr/dpmr_encrypt_page.h"

#include "core/dpmr/encryption_keys.h"
#include "ui/widgets/field_binder.h"

#include "ui_dpmr_encrypt_page.h"

using namespace dpmr;

CDpmrEncryptPage::CDpmrEncryptPage(CodePlugDocument &document, QWidget *parent)
    : CNumberedListPage(document, parent), ui_(std::make_unique<Ui::CDpmrEncryptPage>()) {
    ui_->setupUi(this);
    binder_ = new FieldBinder(this, kDpmrEncryptSwitchPage.fields);
    GridColumn key{QT_TRANSLATE_NOOP("CEditGrid", "Key"), 1800};
    key.charset = QString::fromLatin1(kKeyCharacters.data(), kKeyCharacters.size());
    key.maxLength = 8;
    key.upperCase = true;
    Wire(ui_->grid, ui_->add, ui_->insert, ui_->remove, key);
    connect(ui_->encrypt, &QCheckBox::clicked, this, &CDpmrEncryptPage::OnEncryptClicked);
}

CDpmrEncryptPage::~CDpmrEncryptPage() {
    binder_->Detach();
}

bool CDpmrEncryptPage::ButtonsAllowed() const {
    return ui_->encrypt->isChecked();
}

void CDpmrEncryptPage::OnEncryptClicked() {
    // The key cells follow the switch: editable while encryption is on.
    for (int row = 0; row < list_.size(); ++row)
        grid()->SetReadOnly(row, 1, !ui_->encrypt->isChecked());
    Refresh();
}

void CDpmrEncryptPage::LoadControls() {
    binder_->LoadControls(LoadPage(kDpmrEncryptSwitchPage, Context(), 0));
    list_ = LoadKeys(document_.image);
    Refresh();
}

void CDpmrEncryptPage::StoreControls() {
    grid()->CommitOpenEditor();
    StorePage(kDpmrEncryptSwitchPage, document_.image, document_.limits, 0,
              binder_->StoreControls());
    StoreKeys(document_.image, list_);
    // The store moved the channels' key references: the stored list is the loaded one now.
    list_ = LoadKeys(document_.image);
}

void CDpmrEncryptPage::OnAdd() {
    AddKey(list_);
}

void CDpmrEncryptPage::OnInsert(int row) {
    InsertKey(list_, row);
}

bool CDpmrEncryptPage::OnEdit(int row, std::string &text) {
    return EditKey(list_, row, text);
}
