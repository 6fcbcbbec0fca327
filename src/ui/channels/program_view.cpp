#include "ui/channels/program_view.h"

#include "ui/channels/channel_cell_delegate.h"
#include "ui/channels/channel_table_model.h"
#include "ui/channels/channel_table_view.h"
#include "ui/widgets/character_filter.h"
#include "ui/widgets/dialog_units.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace dpmr;

namespace {

constexpr int kTwipsPerPixel = 15; // 1440 twips an inch at 96 pixels an inch
constexpr int kCellPadding = 14;

} // namespace

CProgramView::CProgramView(CodePlugDocument &document, QWidget *parent)
    : QWidget(parent), document_(document) {
    rangeLabel_ = new QLabel("Freq Range", this);
    band_ = new QComboBox(this);
    for (const std::string &choice : BandChoices())
        band_->addItem(QString::fromStdString(choice));
    low_ = new QLineEdit(this);
    high_ = new QLineEdit(this);
    for (QLineEdit *edit : {low_, high_}) {
        CharacterFilter::Install(edit, "0123456789");
        edit->setAlignment(Qt::AlignCenter);
    }
    dash_ = new QLabel("-", this);
    dash_->setAlignment(Qt::AlignCenter);
    channelEdit_ = new QPushButton("Channel edit", this);

    table_ = new ChannelTableView(this);
    model_ = new ChannelTableModel(document_, this);
    delegate_ = new ChannelCellDelegate(this);
    table_->setModel(model_);
    table_->setItemDelegate(delegate_);
    table_->hideColumn(kColNumber); // the number column is the vertical header
    table_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setHighlightSections(false);

    connect(delegate_, &ChannelCellDelegate::MoveAfterEnter, table_,
            &ChannelTableView::MoveCurrent);
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
        width = std::max(width,
                         metrics.horizontalAdvance(ChannelColumns()[column].header) + kCellPadding);
        for (const std::string &choice : ColumnChoices(column))
            width = std::max(width, metrics.horizontalAdvance(QString::fromStdString(choice)) +
                                        kCellPadding);
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
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

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

    setFixedSize(left + tableWidth + left, du.Y(39) + tableHeight + du.Y(15));
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
    if (!table_->currentIndex().isValid())
        table_->setCurrentIndex(model_->index(0, kColRxFreq));
}

void CProgramView::LoadChannelTable() {
    dpmr::LoadChannelTable(document_.image, document_.limits, document_.table);
    model_->Reload();
    ShowBandEdits();
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
    SelectBand(document_.table, document_.image, document_.limits, index);
    ShowBandEdits();
}

void CProgramView::OnBandEditFinished() {
    document_.table.band.low = low_->text().toStdString();
    document_.table.band.high = high_->text().toStdString();
    ValidateBandEdits(document_.table, document_.limits);
    ShowBandEdits();
}
