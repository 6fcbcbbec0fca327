#include "ui/channels/channel_edit_dlg.h"

#include "core/channels/channel_editor.h"
#include "ui/widgets/field_binder.h"
#include "ui/widgets/typing_limits.h"

#include "ui_channel_edit_dlg.h"

#include <QKeyEvent>

using namespace dpmr;

CChannelEditDlg::CChannelEditDlg(CodePlugDocument &document, int channel, QWidget *parent)
    : CEditorDlg(parent), ui_(std::make_unique<Ui::CChannelEditDlg>()), document_(document),
      channel_(std::clamp(channel, 1, kChannelCount)) {
    ui_->setupUi(this);
    binder_ = new FieldBinder(this, ChannelEditFields(), kChannelEditPage.name);
    binder_->context = [this] { return Context(); };
    binder_->onCommit = [this](int field) { OnCommit(field); };

    ApplyTypingLimits(ui_->channel_no, kChannelNumberRule);
    ui_->channel_no->installEventFilter(this);
    ui_->rx_freq->installEventFilter(this);
    connect(ui_->channel_no_up, &QToolButton::clicked, this, [this] { StepChannel(+1); });
    connect(ui_->channel_no_down, &QToolButton::clicked, this, [this] { StepChannel(-1); });

    FillChoices();
    ui_->channel_no->setText(QString::number(channel_));
    LoadControls(channel_);
    ui_->rx_freq->setFocus();
}

CChannelEditDlg::~CChannelEditDlg() {
    // The controls lose the focus while the dialog is destroyed: no commit may run then.
    binder_->Detach();
    ui_->channel_no->removeEventFilter(this);
    ui_->rx_freq->removeEventFilter(this);
}

QWidget *CChannelEditDlg::channelNumberEdit() const {
    return ui_->channel_no;
}

void CChannelEditDlg::FillChoices() {
    binder_->FillChoices(document_.image);
}

void CChannelEditDlg::EnableControls(bool inUse) {
    for (int field = 0; field < kChannelEditFieldCount; ++field) {
        if (field == kEditRxFreq)
            continue;
        const bool digitalAllowed = !IsDigitalEditField(field) || channel_ <= kDigitalExtChannels;
        binder_->SetEnabled(field, inUse && digitalAllowed);
    }
}

void CChannelEditDlg::LoadControls(int channel) {
    const FieldTexts texts = LoadChannelEditor(Context(), channel);
    binder_->LoadControls(texts);
    previousRx_ = texts[kEditRxFreq];
    EnableControls(!previousRx_.empty());
}

void CChannelEditDlg::StoreControls(int channel) {
    StoreChannelEditor(document_.image, document_.limits, channel, binder_->Texts());
}

void CChannelEditDlg::OnCommit(int field) {
    FieldTexts texts = binder_->Texts();
    switch (field) {
    case kEditRxFreq:
        EnableControls(CommitReceiveFrequency(Context(), channel_, texts, previousRx_));
        break;
    case kEditTxFreq:
        CommitTransmitFrequency(Context(), texts);
        break;
    case kEditRxTone:
    case kEditTxTone:
        CommitTone(texts, field);
        break;
    default:
        return;
    }
    binder_->LoadControls(texts);
}

void CChannelEditDlg::ChangeChannel(int channel) {
    StoreControls(channel_);
    channel_ = channel;
    ui_->channel_no->setText(QString::number(channel_));
    LoadControls(channel_);
}

void CChannelEditDlg::OnChannelNumberLeft() {
    const int typed = ChannelNumberFromText(ui_->channel_no->text().toStdString());
    if (typed != channel_)
        ChangeChannel(typed);
    else
        ui_->channel_no->setText(QString::number(channel_));
}

void CChannelEditDlg::StepChannel(int direction) {
    // The edit the arrows belong to may hold a field still being typed: commit it first.
    binder_->CommitFocused();
    ChangeChannel(StepChannelNumber(ui_->channel_no->text().toStdString(), direction));
}

bool CChannelEditDlg::eventFilter(QObject *watched, QEvent *event) {
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
            close();
            return true;
        }
    }
    return CEditorDlg::eventFilter(watched, event);
}

void CChannelEditDlg::StoreOnClose() {
    // A field still being typed into is committed as leaving it would: an out-of-band
    // frequency typed just before the close box is replaced, not stored raw.
    if (ui_->channel_no->hasFocus())
        OnChannelNumberLeft();
    binder_->CommitFocused();
    StoreControls(channel_);
}
