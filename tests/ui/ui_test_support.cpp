#include "ui_test_support.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

ModalCloser::ModalCloser(QObject *parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, &ModalCloser::Poll);
    timer_.start(10);
}

void ModalCloser::Poll() {
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
        texts << box->windowTitle() + ": " + box->text() +
                     (box->informativeText().isEmpty() ? "" : "\n" + box->informativeText());
        box->accept();
    }
}

QByteArray ReadWholeFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteWholeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray ToBytes(const dpmr::Image &image) {
    return QByteArray(reinterpret_cast<const char *>(image.data()),
                      static_cast<qsizetype>(image.size()));
}
