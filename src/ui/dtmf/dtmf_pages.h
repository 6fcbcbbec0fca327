#pragma once
// The "Code" and "Decode" pages of the DTMF editor: field tables on a form.

#include "core/app/code_plug_document.h"
#include "ui/widgets/editor_page.h"

#include <memory>

namespace Ui {
class CDtmfCodePage;
class CDtmfDecodePage;
} // namespace Ui

class CDtmfCodePage : public CTablePage {
    Q_OBJECT
public:
    CDtmfCodePage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDtmfCodePage() override;

private:
    std::unique_ptr<Ui::CDtmfCodePage> ui_;
};

class CDtmfDecodePage : public CTablePage {
    Q_OBJECT
public:
    CDtmfDecodePage(dpmr::CodePlugDocument &document, QWidget *parent);
    ~CDtmfDecodePage() override;

private:
    std::unique_ptr<Ui::CDtmfDecodePage> ui_;
};
