#pragma once
// "PMS Channel": the lower and upper edge of the ten PMS entries in a cell grid. The entries
// are loaded when it opens and all ten are stored when it closes, however it closes.

#include "core/app/code_plug_document.h"
#include "core/fields/field_rule.h"

#include "ui/widgets/editor_dlg.h"

#include <memory>

namespace Ui {
class CPmsDlg;
}
class CEditGrid;

class CPmsDlg : public CEditorDlg {
    Q_OBJECT
public:
    CPmsDlg(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CPmsDlg() override;

    CEditGrid *grid() const;

    void FillChoices();
    void LoadControls();
    void StoreControls();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void StoreOnClose() override;
    // Esc closes it, and so stores.
    bool SwallowsKey(int key) const override { return key != Qt::Key_Escape; }

private:
    dpmr::FieldContext Context() const { return {document_.image, document_.limits}; }
    void OnEnterInEditor(bool emptyText);

    std::unique_ptr<Ui::CPmsDlg> ui_;
    dpmr::CodePlugDocument &document_;
};
