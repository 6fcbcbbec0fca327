#pragma once
// Files dropped on the main window: a code plug (.dat) opens after the offer to save the one
// open now; a channel list (.csv) goes through File -> Import channels.

#include <QObject>
#include <QString>

class CMainFrame;
class QMimeData;

class FileDrops : public QObject {
    Q_OBJECT
public:
    explicit FileDrops(CMainFrame &frame);

    // The one local .dat or .csv file a drag carries; empty for anything else.
    static QString DroppedFile(const QMimeData *mime);
    // What a drop of `path` does; false when refused or not a file of either kind (the user
    // has been told why, or cancelled).
    bool Open(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CMainFrame &frame_;
};
