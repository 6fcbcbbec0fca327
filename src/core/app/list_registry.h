#pragma once
// Every list the grid pages edit. A new list joins the list tests and the command-line tool by
// being listed here.

#include "core/fields/list_table.h"

#include <vector>

namespace dpmr {

const std::vector<const ListTable *> &ListRegistry();

} // namespace dpmr
