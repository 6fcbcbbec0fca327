#include "ui/settings/basic_setting_pages.h"

#include "core/settings/password_settings.h"
#include "core/settings/side_key_settings.h"
#include "ui/settings/key_picture.h"

#include "ui_password_page.h"
#include "ui_side_key_page.h"

#include <QComboBox>
#include <QEvent>

using namespace dpmr;

CSideKeyPage::CSideKeyPage(CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, kSideKeyPage, parent), ui_(std::make_unique<Ui::CSideKeyPage>()) {
    ui_->setupUi(this);
    Bind();
    for (int key = 0; key < kKeyCount; ++key)
        for (int field : {ShortPressField(key), LongPressField(key)})
            binder_->control(field)->installEventFilter(this);
    ui_->key_picture->setPixmap(KeyPicture(SideKey::Sk1));
    setFocusProxy(ui_->sk1_short);
}

CSideKeyPage::~CSideKeyPage() = default;

bool CSideKeyPage::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn)
        for (int key = 0; key < kKeyCount; ++key)
            if (watched == binder_->control(ShortPressField(key)) ||
                watched == binder_->control(LongPressField(key)))
                ui_->key_picture->setPixmap(KeyPicture(static_cast<SideKey>(key)));
    return CTablePage::eventFilter(watched, event);
}

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
