#include "ui/channels/channel_edit_dlg.h"

#include "core/channels/channel_editor.h"
#include "ui/widgets/field_binder.h"
#include "ui/widgets/typing_limits.h"

#include "ui_channel_edit_dlg.h"

#include <QKeyEvent>

using namespace dpmr;

CChannelEditPage::CChannelEditPage(CodePlugDocument &document, int channel)
    : CTablePage(document, kChannelEditPage, nullptr, std::clamp(channel, 1, kChannelCount)),
      ui_(std::make_unique<Ui::CChannelEditPage>()) {
    ui_->setupUi(this);
    Bind();
    ApplyTypingLimits(ui_->channel_no, kChannelNumberRule);
    ui_->channel_no->installEventFilter(this);
    ui_->rx_freq->installEventFilter(this);
    connect(ui_->channel_no_up, &QToolButton::clicked, this, [this] { StepChannel(+1); });
    connect(ui_->channel_no_down, &QToolButton::clicked, this, [this] { StepChannel(-1); });
    ui_->channel_no->setText(QString::number(record_));
}

CChannelEditPage::~CChannelEditPage() {
    // The controls lose the focus while the page is destroyed: no commit may run then.
    binder_->Detach();
    ui_->channel_no->removeEventFilter(this);
    ui_->rx_freq->removeEventFilter(this);
}

QWidget *CChannelEditPage::channelNumberEdit() const {
    return ui_->channel_no;
}

void CChannelEditPage::EnableControls(bool inUse) {
    for (int field = 0; field < kChannelEditFieldCount; ++field) {
        if (field == kEditRxFreq)
            continue;
        const bool digitalAllowed = !IsDigitalEditField(field) || record_ <= kDigitalExtChannels;
        binder_->SetEnabled(field, inUse && digitalAllowed);
    }
}

void CChannelEditPage::LoadControls() {
    CTablePage::LoadControls();
    EnableControls(!binder_->Texts()[kEditRxFreq].empty());
}

void CChannelEditPage::StoreControls() {
    if (ui_->channel_no->hasFocus())
        OnChannelNumberLeft();
    CTablePage::StoreControls();
}

void CChannelEditPage::FieldLeft(int field) {
    if (field == kEditRxFreq)
        EnableControls(!binder_->Texts()[kEditRxFreq].empty());
}

void CChannelEditPage::ChangeChannel(int channel) {
    CTablePage::StoreControls();
    record_ = channel;
    ui_->channel_no->setText(QString::number(record_));
    LoadControls();
}

void CChannelEditPage::OnChannelNumberLeft() {
    const int typed = ChannelNumberFromText(ui_->channel_no->text().toStdString());
    if (typed != record_)
        ChangeChannel(typed);
    else
        ui_->channel_no->setText(QString::number(record_));
}

void CChannelEditPage::StepChannel(int direction) {
    // The edit the arrows belong to may hold a field still being typed: commit it first.
    binder_->CommitFocused();
    ChangeChannel(StepChannelNumber(ui_->channel_no->text().toStdString(), direction));
}

bool CChannelEditPage::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ui_->channel_no) {
        if (event->type() == QEvent::FocusOut) {
            OnChannelNumberLeft();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                StepChannel(key == Qt::Key_Up ? +1 : -1);
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                OnChannelNumberLeft();
                return true;
            }
        }
    } else if (watched == ui_->rx_freq && event->type() == QEvent::KeyPress) {
        // Esc in the receive frequency closes the dialog, which stores the channel.
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            window()->close();
            return true;
        }
    }
    return CTablePage::eventFilter(watched, event);
}

CChannelEditDlg::CChannelEditDlg(CodePlugDocument &document, int channel, QWidget *parent)
    : CSinglePageDlg(QT_TRANSLATE_NOOP("CEditorDlg", "Channel edit"),
                     new CChannelEditPage(document, channel), parent) {
    binder()->control(kEditRxFreq)->setFocus();
}
