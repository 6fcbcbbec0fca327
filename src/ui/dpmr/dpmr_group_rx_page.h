#pragma once
// "Group rx": the 16 group receive lists, each up to 8 group-call contacts.

#include "core/dpmr/group_rx_list.h"
#include "ui/widgets/editor_page.h"

#include <memory>

namespace Ui {
class CDpmrGroupRxPage;
}
class QListWidget;

class CDpmrGroupRxPage : public CEditorPage {
    Q_OBJECT
public:
    CDpmrGroupRxPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDpmrGroupRxPage() override;

    void LoadControls() override;
    void StoreControls() override;

private:
    int SelectedList() const;
    void Show(const std::vector<int> &availableSelection, const std::vector<int> &memberSelection);
    void UpdateButtons();
    void OnListChanged();

    std::unique_ptr<Ui::CDpmrGroupRxPage> ui_;
    dpmr::GroupRxList entries_;
    int shownList_ = 1;
};
