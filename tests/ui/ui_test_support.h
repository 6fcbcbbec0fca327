#pragma once
// Shared plumbing of the widget tests: temporary folders, answering message boxes, files.

#include "core/image/image.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

// Closes every modal dialog that appears (message boxes) and remembers their texts.
class ModalCloser : public QObject {
    Q_OBJECT
public:
    explicit ModalCloser(QObject *parent = nullptr);
    QStringList texts; // text, then informative text when there is one

private:
    void Poll();
    QTimer timer_;
};

QByteArray ReadWholeFile(const QString &path);
void WriteWholeFile(const QString &path, const QByteArray &bytes);
QByteArray ToBytes(const dpmr::Image &image);
