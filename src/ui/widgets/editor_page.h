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

// Builds a `.ui` form on a page: `SetUpForm<Ui::CBasicPage>`. The controls belong to the page;
// the binder finds them by name, so the generated struct is not kept.
using FormSetUp = void (*)(QWidget *page);
template <class Form> void SetUpForm(QWidget *page) {
    Form form;
    form.setupUi(page);
}

// A page that is a field table on a `.ui` form whose controls are named like the fields, bound
// to record 0 (or the given record) of the table.
class CTablePage : public CEditorPage {
    Q_OBJECT
public:
    // A page that is its form and its table and nothing more: set up and bound here.
    CTablePage(dpmr::CodePlugDocument &document, const dpmr::PageTable &table, FormSetUp form,
               QWidget *parent = nullptr);
    // For a page with rules of its own: the derived constructor sets up its form and calls Bind.
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
    // After the page's "field left" hook has run and the controls show its result: what the
    // page shows besides the fields (which controls are enabled).
    virtual void FieldLeft(int field) { (void)field; }

    const dpmr::PageTable &table_;
    int record_;
    FieldBinder *binder_ = nullptr;
};
