#pragma once
// The DTMF block: the "Code" page (sending), the "Decode" page (receiving) and the auto-dial
// numbers, one record each.

#include "core/fields/page_table.h"

namespace dpmr {

extern const PageTable kDtmfEncodePage;
extern const PageTable kDtmfDecodePage;
extern const PageTable kDtmfAutoDialPage; // records 1..16, one "code" field each

} // namespace dpmr
