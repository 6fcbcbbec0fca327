#pragma once
// "VFO mode": the VFO record (channel record 200) with its derived transmit frequency, offset,
// scan range and step. It stores when it closes, however it closes.

#include "core/app/code_plug_document.h"
#include "core/channels/vfo_editor.h"

#include "ui/widgets/editor_dlg.h"

#include <memory>

namespace Ui {
class CVfoDlg;
}
class FieldBinder;

class CVfoDlg : public CEditorDlg {
    Q_OBJECT
public:
    CVfoDlg(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CVfoDlg() override;

    FieldBinder *binder() const { return binder_; }

    void FillChoices();
    void LoadControls();
    void StoreControls();

protected:
    void StoreOnClose() override;

private:
    dpmr::FieldContext Context() const { return {document_.image, document_.limits}; }
    void OnCommit(int field);
    void Show(const dpmr::FieldTexts &texts);

    std::unique_ptr<Ui::CVfoDlg> ui_;
    dpmr::CodePlugDocument &document_;
    FieldBinder *binder_;
    dpmr::VfoDirection direction_;
};
