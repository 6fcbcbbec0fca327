#pragma once
// "Outbox": up to 16 preset messages, numbered by position.

#include "core/dpmr/messages.h"
#include "ui/grid/list_page.h"

class CDpmrOutboxPage : public CListPage {
    Q_OBJECT
public:
    CDpmrOutboxPage(dpmr::CodePlugDocument &document, QWidget *parent)
        : CListPage(document, dpmr::kMessageList, parent) {}
};
