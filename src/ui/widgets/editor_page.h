#pragma once
// One page of an editor (or a whole single-page dialog): FillChoices once, LoadControls when it
// is shown, StoreControls when it is left and when its dialog closes.

#include "core/app/code_plug_document.h"
#include "core/fields/page_table.h"
#include "ui/widgets/field_binder.h"

#include <QWidget>

class CEditorPage : public QWidget {
    Q_OBJECT
public:
    CEditorPage(dpmr::CodePlugDocument &document, QWidget *parent);

    virtual void FillChoices() {}
    virtual void LoadControls() = 0;
    // Commits an open edit first; writes only into the image.
    virtual void StoreControls() = 0;
    // Whether Enter and Esc are kept from the dialog (most pages: both).
    virtual bool SwallowsKey(int key) const;

protected:
    dpmr::FieldContext Context() const { return {document_.image, document_.limits}; }
    dpmr::CodePlugDocument &document_;
};

// A page that is a field table and nothing more: a `.ui` form whose controls are named like the
// fields, bound to record 0 (or the given record) of the table.
class CTablePage : public CEditorPage {
    Q_OBJECT
public:
    CTablePage(dpmr::CodePlugDocument &document, const dpmr::PageTable &table, QWidget *parent,
               int record = 0);
    ~CTablePage() override;

    // Call from the derived constructor once the form is set up (setupUi(this)).
    void Bind();

    void FillChoices() override;
    void LoadControls() override;
    void StoreControls() override;

    FieldBinder *binder() const { return binder_; }
    const dpmr::PageTable &table() const { return table_; }

protected:
    const dpmr::PageTable &table_;
    int record_;
    FieldBinder *binder_ = nullptr;
};
