#include "ui/dpmr/dpmr_outbox_page.h"

#include "core/dpmr/messages.h"

#include "ui_dpmr_outbox_page.h"

using namespace dpmr;

CDpmrOutboxPage::CDpmrOutboxPage(CodePlugDocument &document, QWidget *parent)
    : CNumberedListPage(document, parent), ui_(std::make_unique<Ui::CDpmrOutboxPage>()) {
    ui_->setupUi(this);
    GridColumn content{QT_TRANSLATE_NOOP("CEditGrid", "Content"), 7000};
    content.maxLength = static_cast<int>(kMessageLength);
    Wire(ui_->grid, ui_->add, ui_->insert, ui_->remove, content);
}

CDpmrOutboxPage::~CDpmrOutboxPage() = default;

void CDpmrOutboxPage::LoadControls() {
    list_ = LoadMessages(document_.image);
    Refresh();
}

void CDpmrOutboxPage::StoreControls() {
    grid()->CommitOpenEditor();
    StoreMessages(document_.image, list_);
    // The store renumbered the one-key calls: what is stored is now the loaded list.
    list_ = LoadMessages(document_.image);
}

void CDpmrOutboxPage::OnAdd() {
    AddMessage(list_);
}

void CDpmrOutboxPage::OnInsert(int row) {
    InsertMessage(list_, row);
}

bool CDpmrOutboxPage::OnEdit(int row, std::string &text) {
    return EditMessage(list_, row, text);
}
