#pragma once
// A page is a table of fields: each names its control, says where its bytes are and which
// rule it follows. Generic functions load, show, normalise and store every field of a table.

#include "core/fields/field_rule.h"
#include "core/image/field_layout.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace dpmr {

// The offset of the record a field lives in, for the page's record (a channel number, or 0
// for a settings page); nullopt when that record has no such field (the digital extension of
// channel 40).
using RecordBase = std::optional<std::size_t> (*)(int record);

std::optional<std::size_t> AbsoluteBase(int record); // offsets are image offsets

struct FieldDef {
    const char *name; // lower_snake_case, stable: the command-line tool sets fields by it
    RecordBase base;
    FieldLayout layout;
    FieldRule rule;
};

using FieldTexts = std::vector<std::string>; // one shown text per field of a table

// The shown text of a stored field: "" for an absent field or no selection; checks "1"/"0".
std::string ShowField(const FieldContext &context, int record, const FieldDef &field);
// Stores a shown text, normalised first; only the field's own bits change.
void StoreField(Image &image, const BandLimits &band, int record, const FieldDef &field,
                std::string_view text);

FieldTexts ShowFields(const FieldContext &context, int record, std::span<const FieldDef> fields);
void StoreFields(Image &image, const BandLimits &band, int record, std::span<const FieldDef> fields,
                 const FieldTexts &texts);

// The index of a field by name, -1 when the table has none.
int FieldIndex(std::span<const FieldDef> fields, std::string_view name);

} // namespace dpmr
