#pragma once
// The alarm record: alarm, work alone, upside and auto contact. Out-of-range values are
// replaced by fixed values, not clamped.

#include "core/fields/page_table.h"

namespace dpmr {

extern const PageTable kAlarmPage;

} // namespace dpmr
