#include "ui/settings/one_key_page.h"

#include "core/dtmf/auto_dial.h"
#include "core/image/memory_map.h"
#include "ui/grid/edit_grid.h"

#include "ui_one_key_page.h"

#include <QHeaderView>

using namespace dpmr;

namespace {

enum Column { kMode = 1, kList = 2, kType = 3, kMessage = 4 };

QStringList Texts(const ChoiceList &choices) {
    QStringList texts;
    for (const ChoiceItem &item : choices)
        texts << QString::fromStdString(item.text);
    return texts;
}

// The position of the entry with this number, -1 when the list has none.
int PositionOf(const ChoiceList &choices, int number) {
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].code == static_cast<std::uint64_t>(number))
            return static_cast<int>(i);
    return -1;
}

} // namespace

COneKeyPage::COneKeyPage(CodePlugDocument &document, QWidget *parent)
    : CEditorPage(document, parent), ui_(std::make_unique<Ui::COneKeyPage>()) {
    ui_->setupUi(this);
    // One click opens a cell's list; on an empty row it opens the mode's.
    connect(ui_->grid, &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (column == 0)
            return;
        if (calls_.at(static_cast<std::size_t>(row)).mode == CallMode::None)
            column = kMode;
        ui_->grid->setCurrentCell(row, column);
        ui_->grid->BeginCellEdit();
    });
}

COneKeyPage::~COneKeyPage() = default;

CEditGrid *COneKeyPage::grid() const {
    return ui_->grid;
}

void COneKeyPage::FillChoices() {
    using Kind = GridColumn::Kind;
    ui_->grid->SetColumns({{"", 500},
                           {QT_TRANSLATE_NOOP("CEditGrid", "Call mode"), 1200, Kind::DropDown},
                           {QT_TRANSLATE_NOOP("CEditGrid", "Call list"), 3000, Kind::DropDown},
                           {QT_TRANSLATE_NOOP("CEditGrid", "Call type"), 1200, Kind::DropDown},
                           {QT_TRANSLATE_NOOP("CEditGrid", "Msg"), 1200, Kind::DropDown}});
    ui_->grid->SetRowCount(kOneKeyCount);
    contacts_ = OneKeyContactChoices(document_.image);
    autoDial_ = AutoDialChoices(document_.image);
    messages_ = OneKeyMessageChoices(document_.image);
    ui_->grid->choicesFor = [this](int row, int column) { return Texts(ListFor(row, column)); };
    ui_->grid->endEdit = [this](int row, int column, QString &) { return EndEdit(row, column); };
}

ChoiceList COneKeyPage::ListFor(int row, int column) const {
    const OneKeyCall &call = calls_.at(static_cast<std::size_t>(row));
    if (column == kMode)
        return CallModeChoices(document_.image);
    if (call.mode == CallMode::None)
        return {};
    switch (column) {
    case kList:
        return call.mode == CallMode::Digit ? contacts_ : autoDial_;
    case kType:
        return CallTypeChoices(document_.image, call.mode);
    case kMessage:
        return call.mode == CallMode::Digit && call.type == kCallTypeMsg ? messages_ : ChoiceList{};
    default:
        return {};
    }
}

// The chosen entry's number goes into the row, never its text.
bool COneKeyPage::EndEdit(int row, int column) {
    const ChoiceList list = ListFor(row, column);
    const int chosen = ui_->grid->ChosenIndex();
    const int number = chosen >= 0 && chosen < static_cast<int>(list.size())
                           ? static_cast<int>(list[static_cast<std::size_t>(chosen)].code)
                           : 0;
    OneKeyCall &call = calls_.at(static_cast<std::size_t>(row));
    switch (column) {
    case kMode:
        call = WithMode(call, static_cast<CallMode>(number));
        break;
    case kList:
        call.list = number;
        break;
    case kType:
        call.type = number;
        if (call.type != kCallTypeMsg)
            call.message = 0;
        break;
    case kMessage:
        call.message = number;
        break;
    default:
        break;
    }
    ShowRow(row);
    return false; // the row is shown from the call, not from the edit's text
}

void COneKeyPage::ShowRow(int row) {
    const OneKeyCall &call = calls_.at(static_cast<std::size_t>(row));
    const std::array<int, 4> numbers{static_cast<int>(call.mode), call.list, call.type,
                                     call.message};
    for (int column = kMode; column <= kMessage; ++column) {
        QString text;
        int position = -1;
        if (call.mode != CallMode::None) {
            ChoiceList list = ListFor(row, column);
            if (column == kMessage && list.empty())
                list = {{"None", 0}};
            position = PositionOf(list, numbers[static_cast<std::size_t>(column - kMode)]);
            if (position >= 0)
                text = QString::fromStdString(list[static_cast<std::size_t>(position)].text);
        }
        ui_->grid->SetText(row, column, text);
        ui_->grid->SetCellData(row, column, position);
    }
}

void COneKeyPage::LoadControls() {
    for (int n = 1; n <= kOneKeyCount; ++n) {
        calls_.at(static_cast<std::size_t>(n - 1)) = LoadOneKeyCall(document_.image, n);
        ShowRow(n - 1);
    }
}

void COneKeyPage::StoreControls() {
    ui_->grid->CommitOpenEditor();
    for (int n = 1; n <= kOneKeyCount; ++n)
        StoreOneKeyCall(document_.image, n, calls_.at(static_cast<std::size_t>(n - 1)));
}
