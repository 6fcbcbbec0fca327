#pragma once
// A print document as one HTML page: the same tables, with headers a browser repeats on every
// printed page, for a dealer's own layout or a mail.

#include "core/image/code_plug_file.h"
#include "core/print/print_document.h"

#include <string>

namespace dpmr {

std::string DocumentHtml(const PrintDocument &document);
// Written like a code plug: a temporary file renamed over the target.
FileResult WriteHtmlFile(const std::string &path, const PrintDocument &document);

} // namespace dpmr
