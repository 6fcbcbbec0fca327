#pragma once
// "Channel edit": every field of one memory channel, stepping from channel to channel. A
// channel is stored whenever the dialog leaves it (another channel, or the dialog closes).

#include "core/app/code_plug_document.h"
#include "ui/widgets/editor_page.h"
#include "ui/widgets/tab_container.h"

#include <memory>

namespace Ui {
class CChannelEditPage;
}

// The channel editor's table on one channel at a time; "Channel no." and its arrows move it.
class CChannelEditPage : public CTablePage {
    Q_OBJECT
public:
    CChannelEditPage(dpmr::CodePlugDocument &document, int channel);
    ~CChannelEditPage() override;

    int currentChannel() const { return record_; }
    QWidget *channelNumberEdit() const;

    void LoadControls() override;
    // A channel number still being typed is taken first, as leaving it would.
    void StoreControls() override;

protected:
    void FieldLeft(int field) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void EnableControls(bool inUse);
    void ChangeChannel(int channel);
    void OnChannelNumberLeft();
    void StepChannel(int direction);

    std::unique_ptr<Ui::CChannelEditPage> ui_;
};

class CChannelEditDlg : public CSinglePageDlg {
    Q_OBJECT
public:
    CChannelEditDlg(dpmr::CodePlugDocument &document, int channel, QWidget *parent);

    CChannelEditPage *editPage() const { return static_cast<CChannelEditPage *>(page()); }
    int currentChannel() const { return editPage()->currentChannel(); }
    FieldBinder *binder() const { return editPage()->binder(); }
    QWidget *channelNumberEdit() const { return editPage()->channelNumberEdit(); }
};
