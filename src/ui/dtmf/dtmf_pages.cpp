#include "ui/dtmf/dtmf_pages.h"

#include "core/dtmf/dtmf_settings.h"

#include "ui_dtmf_code_page.h"
#include "ui_dtmf_decode_page.h"

CDtmfCodePage::CDtmfCodePage(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, dpmr::kDtmfEncodePage, parent),
      ui_(std::make_unique<Ui::CDtmfCodePage>()) {
    ui_->setupUi(this);
    Bind();
}

CDtmfCodePage::~CDtmfCodePage() = default;

CDtmfDecodePage::CDtmfDecodePage(dpmr::CodePlugDocument &document, QWidget *parent)
    : CTablePage(document, dpmr::kDtmfDecodePage, parent),
      ui_(std::make_unique<Ui::CDtmfDecodePage>()) {
    ui_->setupUi(this);
    Bind();
}

CDtmfDecodePage::~CDtmfDecodePage() = default;
