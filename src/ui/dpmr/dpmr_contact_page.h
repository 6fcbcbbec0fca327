#pragma once
// "Contact": up to 64 contacts with name, number and call type, stored in name order.

#include "core/dpmr/contact_list.h"
#include "ui/grid/list_page.h"

class CDpmrContactPage : public CListPage {
    Q_OBJECT
public:
    CDpmrContactPage(dpmr::CodePlugDocument &document, QWidget *parent)
        : CListPage(document, dpmr::kContactList, parent) {}
};
