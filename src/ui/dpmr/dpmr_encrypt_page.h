#pragma once
// "Encrypt": the encryption switch and up to 16 keys of 8 hexadecimal digits; the keys can be
// changed while the switch is on.

#include "ui/grid/list_page.h"

class FieldBinder;
class QCheckBox;

class CDpmrEncryptPage : public CListPage {
    Q_OBJECT
public:
    CDpmrEncryptPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDpmrEncryptPage() override;

    void LoadControls() override;
    void StoreControls() override;

private:
    QCheckBox *encrypt_;
    FieldBinder *binder_;
};
