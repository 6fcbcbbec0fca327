#pragma once
// "One key": the five one-key calls.

#include "core/settings/one_key_settings.h"
#include "ui/grid/list_page.h"

class COneKeyPage : public CListPage {
    Q_OBJECT
public:
    COneKeyPage(dpmr::CodePlugDocument &document, QWidget *parent)
        : CListPage(document, dpmr::kOneKeyList, parent) {}
};
