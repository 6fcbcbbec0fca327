#pragma once
// The ten PMS entries: lower and upper edge of each range VFO scanning can sweep. An entry is
// a record of the page (1-10); IsPmsEntryDefined says which ones the VFO scan chooser offers.

#include "core/fields/list_table.h"
#include "core/fields/page_table.h"
#include "core/image/record_layouts.h"

#include <string>
#include <string_view>

namespace dpmr {

enum PmsEditField : int { kPmsLow, kPmsHigh, kPmsFieldCount };

extern const PageTable kPmsPage;

// The "PMS Channel" grid: the ten entries, columns "low_freq" and "high_freq".
extern const ListTable kPmsList;

// A typed edge: clamped into the band and put on the channel grid; a zero or non-numeric
// text empties the cell. Nothing asks the lower edge to lie below the upper one.
std::string CommitPmsEdge(const FieldContext &context, std::string_view typed);

} // namespace dpmr
