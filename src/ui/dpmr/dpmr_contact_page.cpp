#include "ui/dpmr/dpmr_contact_page.h"

#include "ui/grid/edit_grid.h"

#include "ui_dpmr_contact_page.h"

#include <QHeaderView>

using namespace dpmr;

namespace {

enum Column { kName = 1, kNumber = 2, kType = 3 };

} // namespace

CDpmrContactPage::CDpmrContactPage(CodePlugDocument &document, QWidget *parent)
    : CEditorPage(document, parent), ui_(std::make_unique<Ui::CDpmrContactPage>()) {
    ui_->setupUi(this);
    GridColumn name{QT_TRANSLATE_NOOP("CEditGrid", "Name"), 1200};
    name.maxLength = 8;
    GridColumn number{QT_TRANSLATE_NOOP("CEditGrid", "Number"), 1200};
    number.charset = "0123456789";
    number.maxLength = 7;
    GridColumn type{QT_TRANSLATE_NOOP("CEditGrid", "Type"), 1200};
    type.kind = GridColumn::Kind::DropDown;
    type.choices = {kSingleCall, kGroupCall, kAllCall};
    ui_->grid->SetColumns({{QT_TRANSLATE_NOOP("CEditGrid", "No."), 750}, name, number, type});
    ui_->grid->horizontalHeader()->setStretchLastSection(true);
    ui_->grid->endEdit = [this](int row, int column, QString &text) {
        return OnEdit(row, column, text);
    };
    connect(ui_->add, &QPushButton::clicked, this, [this] {
        ui_->grid->CommitOpenEditor();
        const int row = AddContact(document_.image, list_);
        Refresh();
        if (row >= 0)
            ui_->grid->setCurrentCell(row, kName);
    });
    connect(ui_->insert, &QPushButton::clicked, this, [this] {
        ui_->grid->CommitOpenEditor();
        const int row = AddContact(document_.image, list_, CurrentRow());
        Refresh();
        if (row >= 0)
            ui_->grid->setCurrentCell(row, kName);
    });
    connect(ui_->remove, &QPushButton::clicked, this, [this] {
        ui_->grid->CommitOpenEditor();
        const int row = CurrentRow();
        if (!DeleteContact(document_.image, list_, row))
            return;
        Refresh();
        ui_->grid->setCurrentCell(std::min(row, static_cast<int>(list_.rows.size()) - 1), kName);
    });
}

CDpmrContactPage::~CDpmrContactPage() = default;

CEditGrid *CDpmrContactPage::grid() const {
    return ui_->grid;
}

int CDpmrContactPage::CurrentRow() const {
    const int row = ui_->grid->currentRow();
    return row >= 0 && row < static_cast<int>(list_.rows.size()) ? row : -1;
}

void CDpmrContactPage::LoadControls() {
    list_ = LoadContacts(document_.image);
    Refresh();
}

void CDpmrContactPage::StoreControls() {
    ui_->grid->CommitOpenEditor();
    StoreContacts(document_.image, list_);
    Refresh(); // the stored order is name order
}

void CDpmrContactPage::Refresh() {
    CEditGrid *grid = ui_->grid;
    grid->SetRowCount(static_cast<int>(list_.rows.size()));
    for (int r = 0; r < static_cast<int>(list_.rows.size()); ++r) {
        const ContactRow &row = list_.rows[static_cast<std::size_t>(r)];
        grid->SetText(r, kName, QString::fromStdString(row.name));
        grid->SetCellData(r, kName, static_cast<qulonglong>(row.record));
        grid->SetText(r, kNumber, QString::fromStdString(row.number));
        grid->SetText(r, kType, QString::fromStdString(row.type));
    }
    ui_->add->setEnabled(list_.CanAdd());
    ui_->insert->setEnabled(list_.CanAdd());
    ui_->remove->setEnabled(list_.CanDelete());
}

bool CDpmrContactPage::OnEdit(int row, int column, QString &text) {
    const std::string typed = text.toStdString();
    bool accepted = false;
    if (column == kName)
        accepted = RenameContact(list_, row, typed);
    else if (column == kNumber)
        accepted = SetContactNumber(list_, row, typed);
    else if (column == kType)
        accepted = SetContactType(list_, row, typed);
    if (accepted && column == kNumber)
        text = QString::fromStdString(list_.rows[static_cast<std::size_t>(row)].number);
    return accepted;
}
