#pragma once
// Every editor page of the program, in the Edit menu's order. A new page joins the generic
// page tests, the editor benchmark and the command-line tool by being listed here.

#include "core/fields/page_table.h"

#include <vector>

namespace dpmr {

const std::vector<const PageTable *> &PageRegistry();

} // namespace dpmr
