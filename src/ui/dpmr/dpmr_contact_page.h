#pragma once
// "Contact": up to 64 contacts with name, number and call type, stored in name order.

#include "core/dpmr/contact_list.h"
#include "ui/widgets/editor_page.h"

#include <memory>

namespace Ui {
class CDpmrContactPage;
}
class CEditGrid;

class CDpmrContactPage : public CEditorPage {
    Q_OBJECT
public:
    CDpmrContactPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDpmrContactPage() override;

    void LoadControls() override;
    void StoreControls() override;
    CEditGrid *grid() const;

private:
    void Refresh();
    int CurrentRow() const;
    bool OnEdit(int row, int column, QString &text);

    std::unique_ptr<Ui::CDpmrContactPage> ui_;
    dpmr::ContactList list_;
};
