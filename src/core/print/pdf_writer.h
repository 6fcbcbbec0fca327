#pragma once
// Laid-out pages as a PDF file of their own making: the two standard Helvetica faces (not
// embedded; every reader has them), uncompressed page contents, one page per printed page.

#include "core/image/code_plug_file.h"
#include "core/print/page_layout.h"

#include <string>
#include <vector>

namespace dpmr {

std::string PdfDocument(const std::vector<PrintPage> &pages, const PaperSize &paper,
                        const std::string &title);
// Written like a code plug: a temporary file renamed over the target.
FileResult WritePdfFile(const std::string &path, const std::vector<PrintPage> &pages,
                        const PaperSize &paper, const std::string &title);

} // namespace dpmr
