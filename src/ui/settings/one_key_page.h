#pragma once
// "One key": the five one-key calls in the cell grid. Each row keeps the numbers of the
// contact, auto-dial number and message the user chose; the cells only show their texts.

#include "core/app/code_plug_document.h"
#include "core/settings/one_key_settings.h"
#include "ui/widgets/editor_page.h"

#include <array>
#include <memory>

class CEditGrid;
namespace Ui {
class COneKeyPage;
}

class COneKeyPage : public CEditorPage {
    Q_OBJECT
public:
    COneKeyPage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~COneKeyPage() override;

    void FillChoices() override;
    void LoadControls() override;
    void StoreControls() override;

    CEditGrid *grid() const;

private:
    // The list a cell offers for its row: empty when nothing opens there.
    dpmr::ChoiceList ListFor(int row, int column) const;
    bool EndEdit(int row, int column);
    void ShowRow(int row);

    std::unique_ptr<Ui::COneKeyPage> ui_;
    std::array<dpmr::OneKeyCall, dpmr::kOneKeyCount> calls_{};
    dpmr::ChoiceList contacts_, autoDial_, messages_;
};
