#pragma once
// "PMS Channel": the lower and upper edge of the ten PMS entries in a cell grid. The entries
// are loaded when it opens and all ten are stored when it closes, however it closes.

#include "core/app/code_plug_document.h"

#include "ui/widgets/editor_dlg.h"

class CEditGrid;
class CListPage;

class CPmsDlg : public CEditorDlg {
    Q_OBJECT
public:
    CPmsDlg(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CPmsDlg() override;

    CEditGrid *grid() const;

    void LoadControls();
    void StoreControls();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void StoreOnClose() override;
    // Esc closes it, and so stores.
    bool SwallowsKey(int key) const override { return key != Qt::Key_Escape; }

private:
    void FitGrid();
    void OnEnterInEditor(bool emptyText);

    CListPage *page_;
};
