#include "ui/dtmf/dtmf_auto_dial_page.h"

#include "core/dtmf/auto_dial.h"
#include "core/image/memory_map.h"

#include "ui_dtmf_auto_dial_page.h"

#include <QHeaderView>

CDtmfAutoDialPage::CDtmfAutoDialPage(dpmr::CodePlugDocument &document, QWidget *parent)
    : CEditorPage(document, parent), ui_(std::make_unique<Ui::CDtmfAutoDialPage>()) {
    ui_->setupUi(this);
}

CDtmfAutoDialPage::~CDtmfAutoDialPage() = default;

CEditGrid *CDtmfAutoDialPage::grid() const {
    return ui_->grid;
}

void CDtmfAutoDialPage::FillChoices() {
    const dpmr::FieldRule &rule = dpmr::kAutoDialCodeRule;
    GridColumn code{QT_TRANSLATE_NOOP("CEditGrid", "Code"), 2500};
    code.charset = QString::fromLatin1(rule.charset.data(), static_cast<int>(rule.charset.size()));
    code.maxLength = rule.maxLength;
    code.upperCase = true;
    ui_->grid->SetColumns({{QT_TRANSLATE_NOOP("CEditGrid", "No."), 500}, code});
    ui_->grid->horizontalHeader()->setStretchLastSection(true);
    ui_->grid->SetRowCount(dpmr::kDtmfAutoDialCount);
    // Pasted or typed text reaches the cell as the filter leaves it.
    ui_->grid->endEdit = [](int, int, QString &text) {
        text = QString::fromStdString(
            dpmr::FilterTyped(dpmr::kAutoDialCodeRule, text.toUpper().toStdString()));
        return true;
    };
}

void CDtmfAutoDialPage::LoadControls() {
    const std::vector<std::string> numbers = dpmr::LoadAutoDialList(document_.image);
    for (int row = 0; row < dpmr::kDtmfAutoDialCount; ++row)
        ui_->grid->SetText(row, 1, QString::fromStdString(numbers[static_cast<std::size_t>(row)]));
}

void CDtmfAutoDialPage::StoreControls() {
    ui_->grid->CommitOpenEditor();
    std::vector<std::string> numbers;
    for (int row = 0; row < dpmr::kDtmfAutoDialCount; ++row)
        numbers.push_back(ui_->grid->Text(row, 1).toStdString());
    dpmr::StoreAutoDialList(document_.image, numbers);
}
