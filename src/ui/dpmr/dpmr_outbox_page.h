#pragma once
// "Outbox": up to 16 preset messages, numbered by position.

#include "ui/dpmr/numbered_list_page.h"

#include <memory>

namespace Ui {
class CDpmrOutboxPage;
}

class CDpmrOutboxPage : public CNumberedListPage {
    Q_OBJECT
public:
    CDpmrOutboxPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDpmrOutboxPage() override;

    void LoadControls() override;
    void StoreControls() override;

protected:
    void OnAdd() override;
    void OnInsert(int row) override;
    bool OnEdit(int row, std::string &text) override;

private:
    std::unique_ptr<Ui::CDpmrOutboxPage> ui_;
};
