#pragma once
// "Auto dial": the 16 DTMF numbers in the cell grid.

#include "core/app/code_plug_document.h"
#include "ui/widgets/editor_page.h"

#include <memory>

class CEditGrid;
namespace Ui {
class CDtmfAutoDialPage;
}

class CDtmfAutoDialPage : public CEditorPage {
    Q_OBJECT
public:
    CDtmfAutoDialPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDtmfAutoDialPage() override;

    void FillChoices() override;
    void LoadControls() override;
    void StoreControls() override;

    CEditGrid *grid() const;

private:
    std::unique_ptr<Ui::CDtmfAutoDialPage> ui_;
};
