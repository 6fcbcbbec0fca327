#pragma once
// "Channel edit": every field of one memory channel, stepping from channel to channel. A
// channel is stored whenever the dialog leaves it (another channel, or the dialog closes).

#include "core/app/code_plug_document.h"
#include "core/fields/field_rule.h"

#include "ui/widgets/editor_dlg.h"

#include <memory>
#include <string>

namespace Ui {
class CChannelEditDlg;
}
class FieldBinder;

class CChannelEditDlg : public CEditorDlg {
    Q_OBJECT
public:
    CChannelEditDlg(dpmr::CodePlugDocument &document, int channel, QWidget *parent);
    ~CChannelEditDlg() override;

    int currentChannel() const { return channel_; }
    FieldBinder *binder() const { return binder_; }
    QWidget *channelNumberEdit() const;

    void FillChoices();
    void LoadControls(int channel);
    void StoreControls(int channel);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void StoreOnClose() override;

private:
    dpmr::FieldContext Context() const { return {document_.image, document_.limits}; }
    void OnCommit(int field);
    void EnableControls(bool inUse);
    void ChangeChannel(int channel);
    void OnChannelNumberLeft();
    void StepChannel(int direction);

    std::unique_ptr<Ui::CChannelEditDlg> ui_;
    dpmr::CodePlugDocument &document_;
    FieldBinder *binder_;
    int channel_;
    std::string previousRx_;
};
