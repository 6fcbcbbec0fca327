#include "ui/channels/vfo_dlg.h"

#include "ui/widgets/field_binder.h"

#include "ui_vfo_dlg.h"

using namespace dpmr;

CVfoDlg::CVfoDlg(CodePlugDocument &document, QWidget *parent)
    : CEditorDlg(parent), ui_(std::make_unique<Ui::CVfoDlg>()), document_(document) {
    ui_->setupUi(this);
    binder_ = new FieldBinder(this, VfoEditFields(), kVfoEditPage.name);
    binder_->context = [this] { return Context(); };
    binder_->onCommit = [this](int field) { OnCommit(field); };
    // The transmit frequency follows from receive, direction and offset.
    binder_->SetEnabled(kEditTxFreq, false);
    FillChoices();
    LoadControls();
    ui_->rx_freq->setFocus();
}

CVfoDlg::~CVfoDlg() {
    // The controls are deleted after this: their last focus change must find no commit.
    binder_->Detach();
}

void CVfoDlg::FillChoices() {
    binder_->FillChoices(document_.image);
}

void CVfoDlg::Show(const FieldTexts &texts) {
    binder_->LoadControls(texts);
    binder_->SetEnabled(kVfoEditOffsetFreq, IsOffsetEditable(texts));
}

void CVfoDlg::LoadControls() {
    const FieldTexts texts = LoadVfoEditor(Context());
    direction_.remembered = texts[kVfoEditOffsetDir];
    Show(texts);
}

void CVfoDlg::StoreControls() {
    StoreVfoEditor(document_.image, document_.limits, binder_->Texts());
}

void CVfoDlg::OnCommit(int field) {
    FieldTexts texts = binder_->Texts();
    switch (field) {
    case kEditRxFreq:
        CommitVfoReceive(Context(), texts, direction_);
        break;
    case kVfoEditOffsetFreq:
        CommitVfoOffset(Context(), texts, direction_);
        break;
    case kVfoEditOffsetDir:
        CommitOffsetDirection(Context(), texts, direction_);
        break;
    case kEditRxTone:
    case kEditTxTone:
        CommitTone(texts, field);
        break;
    default:
        return;
    }
    Show(texts);
}

void CVfoDlg::StoreOnClose() {
    // The edit still being typed into is committed as leaving it would.
    binder_->CommitFocused();
    StoreControls();
}
