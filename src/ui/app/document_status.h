#pragma once
// The status bar's document pane: the file name, or "Untitled" before the first save, and a
// mark while the image differs from the file.

#include "core/app/code_plug_document.h"

#include <QLabel>

class DocumentStatus : public QLabel {
    Q_OBJECT
public:
    DocumentStatus(const dpmr::CodePlugDocument &document, QWidget *parent);
    void Refresh();

private:
    const dpmr::CodePlugDocument &document_;
};
