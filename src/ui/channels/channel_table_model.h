#pragma once
// Binds the table view to the document's channel table texts. Column numbers are the
// table's own: 0 is the channel number (shown by the vertical header), 1-9 the cells.

#include "core/app/code_plug_document.h"

#include <QAbstractTableModel>

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ChannelTableModel(dpmr::CodePlugDocument &document, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Ends a cell edit by the column's rule; may change the whole row and the record.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The table texts changed as a whole (New, Open, Read, a store that rewrote them).
    void Reload();

    static int Channel(const QModelIndex &index) { return index.row() + 1; }
    const dpmr::ChannelTable &table() const { return document_.table; }

signals:
    // A cell edit reached the image (and the undo history); `notice` says what the rule did
    // to the text ("... is outside ...: set to ..."), or is empty.
    void CellEdited(const QString &notice);

private:
    dpmr::CodePlugDocument &document_;
};
