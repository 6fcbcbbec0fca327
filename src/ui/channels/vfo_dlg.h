#pragma once
// "VFO mode": the VFO record (channel record 200) with its derived transmit frequency, offset,
// scan range and step. It stores when it closes, however it closes.

#include "core/app/code_plug_document.h"
#include "ui/widgets/editor_page.h"
#include "ui/widgets/tab_container.h"

#include <memory>

namespace Ui {
class CVfoPage;
}

// The VFO editor's table; the transmit frequency follows from receive, direction and offset,
// and the offset is editable while a direction is chosen.
class CVfoPage : public CTablePage {
    Q_OBJECT
public:
    explicit CVfoPage(dpmr::CodePlugDocument &document);
    ~CVfoPage() override;

    void LoadControls() override;

protected:
    void FieldLeft(int field) override;

private:
    std::unique_ptr<Ui::CVfoPage> ui_;
};

class CVfoDlg : public CSinglePageDlg {
    Q_OBJECT
public:
    CVfoDlg(dpmr::CodePlugDocument &document, QWidget *parent);

    FieldBinder *binder() const { return static_cast<CVfoPage *>(page())->binder(); }
};
