#pragma once
// The main form: band selector with its two limit edits, the "Channel edit" button and the
// table of 199 channels, which grows with the window.

#include "core/app/code_plug_document.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ChannelTableModel;
class ChannelTableView;
class ChannelCellDelegate;

class CProgramView : public QWidget {
    Q_OBJECT
public:
    CProgramView(dpmr::CodePlugDocument &document, QWidget *parent);

    // After New, Open and a completed Read: the document has reloaded its table.
    void OnInitialUpdate();
    // Ends a cell edit still open, then stores the table into the image.
    void StoreChannelTable();
    // Ends a cell edit still open (its focus-out rule runs) without storing.
    void CommitOpenEdit();
    // Image -> table and band controls, as after the channel editor closes.
    void LoadChannelTable();
    // The channel of the table's current row, 1-199.
    int CurrentChannel() const;
    // The image changed (it is already in the undo history): the table shows it again.
    void ShowImage();
    // A change made to the image outside the table; `before` is how it was.
    void NoteChange(const dpmr::Image &before, const std::string &label);
    // View -> "Hide empty channels".
    void SetHideEmptyChannels(bool hide);
    bool hidesEmptyChannels() const { return hideEmpty_; }

    QSize sizeHint() const override { return formSize_; }

    ChannelTableView *table() const { return table_; }
    QComboBox *bandSelector() const { return band_; }
    QLineEdit *lowEdit() const { return low_; }
    QLineEdit *highEdit() const { return high_; }
    QPushButton *channelEditButton() const { return channelEdit_; }

signals:
    // The image, the undo history or the modified mark may have changed.
    void DocumentChanged();
    // A rule changed what the user typed; for the status bar.
    void Notice(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void LayOut();
    void PlaceTable();
    void ApplyHiddenRows();
    void ShowBandEdits();
    void OnBandSelected(int index);
    void OnBandEditFinished();

    dpmr::CodePlugDocument &document_;
    QLabel *rangeLabel_;
    QComboBox *band_;
    QLineEdit *low_;
    QLabel *dash_;
    QLineEdit *high_;
    QPushButton *channelEdit_;
    ChannelTableView *table_;
    ChannelTableModel *model_;
    ChannelCellDelegate *delegate_;
    QSize formSize_;
    int margin_ = 0;
    int tableTop_ = 0;
    int bottomMargin_ = 0;
    bool hideEmpty_ = false;
};
