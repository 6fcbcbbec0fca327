#include "ui/widgets/editor_page.h"

CEditorPage::CEditorPage(dpmr::CodePlugDocument &document, QWidget *parent)
    : QWidget(parent), document_(document) {}

bool CEditorPage::SwallowsKey(int key) const {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

CTablePage::CTablePage(dpmr::CodePlugDocument &document, const dpmr::PageTable &table,
                       QWidget *parent, int record)
    : CEditorPage(document, parent), table_(table), record_(record) {}

CTablePage::CTablePage(dpmr::CodePlugDocument &document, const dpmr::PageTable &table,
                       FormSetUp form, QWidget *parent)
    : CTablePage(document, table, parent) {
    form(this);
    Bind();
}

CTablePage::~CTablePage() {
    if (binder_)
        binder_->Detach();
}

void CTablePage::Bind() {
    binder_ = new FieldBinder(this, table_.fields, table_.name);
    binder_->context = [this] { return Context(); };
    if (table_.commit)
        binder_->onCommit = [this](int field) {
            binder_->LeaveField(table_, record_, field);
            FieldLeft(field);
        };
}

void CTablePage::FillChoices() {
    binder_->FillChoices(document_.image);
}

void CTablePage::LoadControls() {
    binder_->LoadControls(dpmr::LoadPage(table_, Context(), record_));
}

void CTablePage::StoreControls() {
    dpmr::StorePage(table_, document_.image, document_.limits, record_, binder_->StoreControls());
}
