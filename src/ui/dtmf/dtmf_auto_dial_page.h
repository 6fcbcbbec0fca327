#pragma once
// "Auto dial": the 16 DTMF numbers.

#include "core/dtmf/auto_dial.h"
#include "ui/grid/list_page.h"

class CDtmfAutoDialPage : public CListPage {
    Q_OBJECT
public:
    CDtmfAutoDialPage(dpmr::CodePlugDocument &document, QWidget *parent)
        : CListPage(document, dpmr::kAutoDialList, parent) {}
};
