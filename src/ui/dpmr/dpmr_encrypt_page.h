#pragma once
// "Encrypt": the encryption switch and up to 16 keys of 8 hexadecimal digits.

#include "ui/dpmr/numbered_list_page.h"

#include <memory>

namespace Ui {
class CDpmrEncryptPage;
}
class FieldBinder;

class CDpmrEncryptPage : public CNumberedListPage {
    Q_OBJECT
public:
    CDpmrEncryptPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDpmrEncryptPage() override;

    void LoadControls() override;
    void StoreControls() override;

protected:
    bool ButtonsAllowed() const override;
    void OnAdd() override;
    void OnInsert(int row) override;
    bool OnEdit(int row, std::string &text) override;

private:
    void OnEncryptClicked();

    std::unique_ptr<Ui::CDpmrEncryptPage> ui_;
    FieldBinder *binder_;
};
