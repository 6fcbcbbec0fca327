#include "ui/settings/basic_setting_pages.h"

#include "core/settings/basic_settings.h"
#include "core/settings/password_settings.h"
#include "core/settings/side_key_settings.h"
#include "core/settings/tone_menu_settings.h"
#include "ui/settings/key_picture.h"

#include "ui_basic_page.h"
#include "ui_menu_page.h"
#include "ui_password_page.h"
#include "ui_side_key_page.h"
#include "ui_tone_light_page.h"

#include <QComboBox>
#include <QEvent>

using namespace dpmr;

CBasicPage::CBasicPage(CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, kBasicPage, parent), ui_(std::make_unique<Ui::CBasicPage>()) {
    ui_->setupUi(this);
    Bind();
}

CBasicPage::~CBasicPage() = default;

CSideKeyPage::CSideKeyPage(CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, kSideKeyPage, parent), ui_(std::make_unique<Ui::CSideKeyPage>()) {
    ui_->setupUi(this);
    Bind();
    binder_->onCommit = [this](int field) { OnCommit(field); };
    for (int key = 0; key < kKeyCount; ++key)
        for (int field : {ShortPressField(key), LongPressField(key)})
            binder_->control(field)->installEventFilter(this);
    ui_->key_picture->setPixmap(KeyPicture(SideKey::Sk1));
    setFocusProxy(ui_->sk1_short);
}

CSideKeyPage::~CSideKeyPage() = default;

void CSideKeyPage::OnCommit(int field) {
    FieldTexts texts = binder_->Texts();
    if (field == kLongKeyTimeField)
        texts[field] = NormaliseText(table_.fields[field].rule, Context(), texts[field]);
    else
        PairKeyPresses(texts, field);
    binder_->LoadControls(texts);
}

bool CSideKeyPage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn)
        for (int key = 0; key < kKeyCount; ++key)
            if (watched == binder_->control(ShortPressField(key)) ||
                watched == binder_->control(LongPressField(key)))
                ui_->key_picture->setPixmap(KeyPicture(static_cast<SideKey>(key)));
    return CTablePage::eventFilter(watched, event);
}

CToneLightPage::CToneLightPage(CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, kToneLightPage, parent), ui_(std::make_unique<Ui::CToneLightPage>()) {
    ui_->setupUi(this);
    Bind();
}

CToneLightPage::~CToneLightPage() = default;

CMenuPage::CMenuPage(CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, kMenuPage, parent), ui_(std::make_unique<Ui::CMenuPage>()) {
    ui_->setupUi(this);
    Bind();
}

CMenuPage::~CMenuPage() = default;

CPasswordPage::CPasswordPage(CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, kPasswordPage, parent), ui_(std::make_unique<Ui::CPasswordPage>()) {
    ui_->setupUi(this);
    Bind();
    ui_->password_note->setText(
        tr("There is no password: the radio will not ask for one, so \"Password Permit\" is "
           "stored as not required."));
    connect(ui_->show_password, &QCheckBox::toggled, this, [this](bool shown) {
        ui_->password->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    });
    connect(ui_->password_permit, &QCheckBox::toggled, this, &CPasswordPage::UpdateNote);
    connect(ui_->password, &QLineEdit::textChanged, this, &CPasswordPage::UpdateNote);
}

CPasswordPage::~CPasswordPage() = default;

void CPasswordPage::LoadControls() {
    CTablePage::LoadControls();
    UpdateNote();
}

void CPasswordPage::UpdateNote() {
    const FieldTexts texts = binder_->Texts();
    ui_->password_note->setVisible(texts[kPasswordPermitField] == "1" &&
                                   !PasswordRequired(document_.image, texts));
}
