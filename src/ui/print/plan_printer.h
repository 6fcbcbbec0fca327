#pragma once
// The channel plan on a printer, in a print preview or in a PDF file through the printer's PDF
// output: the core lays out the pages for the printer's paper, this draws them as they are.

#include "core/app/code_plug_document.h"
#include "core/print/page_layout.h"

#include <vector>

class QPrinter;

// The printer's paper in points, turned as its orientation says.
dpmr::PaperSize PaperOf(const QPrinter &printer);

// What the document holds now, the table's edits included (stored into a copy: printing
// changes nothing), as a channel plan and, when asked for, the settings sheet.
dpmr::PrintDocument DocumentToPrint(const dpmr::CodePlugDocument &document, bool withSettings);

// Lays the document out for the printer's paper and draws every page; false when the printer
// could not start (a PDF file that cannot be written).
bool PrintOn(QPrinter &printer, const dpmr::PrintDocument &document);
