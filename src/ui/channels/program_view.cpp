#include "ui/channels/program_view.h"

#include "core/channels/band_edits.h"
#include "ui/channels/channel_cell_delegate.h"
#include "ui/channels/channel_table_model.h"
#include "ui/channels/channel_table_view.h"
#include "ui/widgets/combo_accessible.h"
#include "ui/widgets/core_text.h"
#include "ui/widgets/dialog_units.h"
#include "ui/widgets/message_box.h"
#include "ui/widgets/typing_limits.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>

using namespace dpmr;

namespace {

constexpr int kTwipsPerPixel = 15; // 1440 twips an inch at 96 pixels an inch
constexpr int kCellPadding = 14;

} // namespace

CProgramView::CProgramView(CodePlugDocument &document, QWidget *parent)
    : QWidget(parent), document_(document) {
    rangeLabel_ = new QLabel(tr("Freq Range"), this);
    band_ = new QComboBox(this);
    for (const std::string &choice : BandChoices())
        band_->addItem(QString::fromStdString(choice));
    low_ = new QLineEdit(this);
    high_ = new QLineEdit(this);
    for (QLineEdit *edit : {low_, high_}) {
        ApplyTypingLimits(edit, kBandEditRule);
        edit->setAlignment(Qt::AlignCenter);
    }
    // Named for a screen reader: the chooser by its label, the limits by what they are.
    InstallComboBoxAccessibility();
    rangeLabel_->setBuddy(band_);
    band_->setAccessibleName(tr("Freq Range"));
    low_->setAccessibleName(tr("Lower band limit (MHz)"));
    high_->setAccessibleName(tr("Upper band limit (MHz)"));
    dash_ = new QLabel("-", this);
    dash_->setAlignment(Qt::AlignCenter);
    channelEdit_ = new QPushButton(tr("Channel edit"), this);

    table_ = new ChannelTableView(this);
    model_ = new ChannelTableModel(document_, this);
    delegate_ = new ChannelCellDelegate(this);
    table_->setModel(model_);
    table_->setAccessibleName(tr("Channels"));
    table_->setItemDelegate(delegate_);
    table_->hideColumn(kColNumber); // the number column is the vertical header
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setHighlightSections(false);

    connect(delegate_, &ChannelCellDelegate::MoveAfterEnter, table_,
            &ChannelTableView::MoveCurrent);
    connect(model_, &ChannelTableModel::CellEdited, this, [this](const QString &notice) {
        if (!notice.isEmpty())
            emit Notice(notice);
        ApplyHiddenRows();
        emit DocumentChanged();
    });
    table_->horizontalHeader()->setStretchLastSection(true); // the Name column takes the room
    connect(band_, &QComboBox::activated, this, &CProgramView::OnBandSelected);
    connect(low_, &QLineEdit::editingFinished, this, &CProgramView::OnBandEditFinished);
    connect(high_, &QLineEdit::editingFinished, this, &CProgramView::OnBandEditFinished);
    connect(low_, &QLineEdit::textEdited, this,
            [this](const QString &text) { document_.table.band.low = text.toStdString(); });
    connect(high_, &QLineEdit::textEdited, this,
            [this](const QString &text) { document_.table.band.high = text.toStdString(); });

    LayOut();
    OnInitialUpdate();
}

void CProgramView::LayOut() {
    const DialogUnits du(font());
    const QFontMetrics metrics(font());

    // Column widths as designed, widened where this font needs more for the texts.
    int columnsWidth = 0;
    for (int column = 1; column < kChannelColumns; ++column) {
        int width = ChannelColumns()[column].widthTwips / kTwipsPerPixel;
        width = std::max(width, metrics.horizontalAdvance(UiText(ChannelColumns()[column].header)) +
                                    kCellPadding);
        for (const std::string &choice : ColumnChoices(column))
            width = std::max(width, metrics.horizontalAdvance(UiText(choice)) + kCellPadding);
        if (ChannelColumns()[column].editor == CellEditor::Frequency)
            width = std::max(width, metrics.horizontalAdvance("000.0000000") + kCellPadding);
        table_->setColumnWidth(column, width);
        columnsWidth += width;
    }
    const int numberWidth = std::max(ChannelColumns()[kColNumber].widthTwips / kTwipsPerPixel,
                                     metrics.horizontalAdvance("0000") + kCellPadding);
    table_->verticalHeader()->setFixedWidth(numberWidth);
    table_->verticalHeader()->setDefaultSectionSize(metrics.height() + 8);
    table_->horizontalHeader()->setFixedHeight(metrics.height() + 10);

    const int scrollBar = table_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = 2 * table_->frameWidth();
    const int tableWidth = columnsWidth + numberWidth + scrollBar + frame;
    const int tableHeight =
        std::max(du.Y(179), table_->horizontalHeader()->height() +
                                16 * table_->verticalHeader()->defaultSectionSize() + frame);
    const int left = du.X(16);
    table_->setGeometry(left, du.Y(39), tableWidth, tableHeight);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    const int rowHeight = std::max(du.Y(12), band_->sizeHint().height());
    const int top = du.Y(39) - rowHeight - du.Y(8);
    const int labelWidth = metrics.horizontalAdvance(rangeLabel_->text()) + 4;
    int x = left + du.X(40);
    rangeLabel_->setGeometry(x, top, labelWidth, rowHeight);
    x += labelWidth + du.X(4);
    const int bandWidth =
        std::max(du.X(62), metrics.horizontalAdvance("400-470MHz") + 3 * metrics.height());
    band_->setGeometry(x, top, bandWidth, rowHeight);
    x += bandWidth + du.X(12);
    const int editWidth = std::max(du.X(40), metrics.horizontalAdvance("00000") + 12);
    low_->setGeometry(x, top, editWidth, rowHeight);
    x += editWidth;
    dash_->setGeometry(x, top, du.X(12), rowHeight);
    x += du.X(12);
    high_->setGeometry(x, top, editWidth, rowHeight);
    const int buttonWidth =
        std::max(du.X(50), metrics.horizontalAdvance(channelEdit_->text()) + 2 * du.X(6));
    channelEdit_->setGeometry(left + tableWidth - buttonWidth, top, buttonWidth, rowHeight);

    // The form's size is the least the window shows; a larger window gives the table the room.
    margin_ = left;
    tableTop_ = du.Y(39);
    bottomMargin_ = du.Y(15);
    formSize_ = QSize(left + tableWidth + left, tableTop_ + tableHeight + bottomMargin_);
    setMinimumSize(formSize_);
    resize(formSize_);
}

void CProgramView::PlaceTable() {
    if (formSize_.isEmpty())
        return;
    table_->setGeometry(margin_, tableTop_, width() - 2 * margin_,
                        height() - tableTop_ - bottomMargin_);
    QRect button = channelEdit_->geometry();
    button.moveRight(width() - margin_ - 1);
    channelEdit_->setGeometry(button);
}

void CProgramView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    PlaceTable();
}

void CProgramView::ApplyHiddenRows() {
    for (int n = 1; n <= kChannelCount; ++n)
        table_->setRowHidden(n - 1, hideEmpty_ && document_.table.IsRowEmpty(n));
}

void CProgramView::SetHideEmptyChannels(bool hide) {
    hideEmpty_ = hide;
    ApplyHiddenRows();
}

void CProgramView::ShowImage() {
    LoadChannelTable();
    emit DocumentChanged();
}

void CProgramView::NoteChange(const Image &before, const std::string &label) {
    document_.RecordChange(before, label);
    emit DocumentChanged();
}

void CProgramView::ShowBandEdits() {
    const BandEdits &band = document_.table.band;
    band_->setCurrentIndex(band.bandIndex);
    low_->setText(QString::fromStdString(band.low));
    high_->setText(QString::fromStdString(band.high));
}

void CProgramView::OnInitialUpdate() {
    model_->Reload();
    ShowBandEdits();
    ApplyHiddenRows();
    if (!table_->currentIndex().isValid())
        table_->setCurrentIndex(model_->index(0, kColRxFreq));
    emit DocumentChanged();
}

void CProgramView::LoadChannelTable() {
    dpmr::LoadChannelTable(document_.image, document_.limits, document_.table);
    const QModelIndex current = table_->currentIndex();
    model_->Reload();
    // The reload forgets the current cell; the user stays where they were.
    if (current.isValid())
        table_->setCurrentIndex(model_->index(current.row(), current.column()));
    ShowBandEdits();
    ApplyHiddenRows();
}

int CProgramView::CurrentChannel() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() + 1 : 1;
}

void CProgramView::CommitOpenEdit() {
    table_->CommitOpenEditor();
    document_.table.band.low = low_->text().toStdString();
    document_.table.band.high = high_->text().toStdString();
}

void CProgramView::StoreChannelTable() {
    CommitOpenEdit();
    dpmr::StoreChannelTable(document_.table, document_.image, document_.limits);
}

void CProgramView::OnBandSelected(int index) {
    CommitOpenEdit();
    const BandLimits next = LimitsAfterSelecting(document_.table, document_.limits, index);
    if (const int outside = ChannelsOutsideBand(document_.table, next); outside > 0) {
        const QString question =
            (outside == 1
                 ? tr("1 channel lies outside %2-%3 MHz. Change the band anyway?")
                 : tr("%1 channels lie outside %2-%3 MHz. Change the band anyway?").arg(outside))
                .arg(next.low / kUnitsPerMHz)
                .arg(next.high / kUnitsPerMHz);
        if (QMessageBox::question(this, kProgramCaption, question,
                                  QMessageBox::Yes | QMessageBox::No,
                                  QMessageBox::No) != QMessageBox::Yes) {
            ShowBandEdits(); // the selector goes back to the band in use
            return;
        }
    }
    const Image before = document_.image;
    SelectBand(document_.table, document_.image, document_.limits, index);
    dpmr::StoreChannelTable(document_.table, document_.image, document_.limits);
    ShowBandEdits();
    NoteChange(before, "band change");
}

void CProgramView::OnBandEditFinished() {
    document_.table.band.low = low_->text().toStdString();
    document_.table.band.high = high_->text().toStdString();
    ValidateBandEdits(document_.table, document_.limits);
    ShowBandEdits();
}
