#pragma once
// An editor page as data: its field table, the records it edits, and the page's own load and
// store where its rules are more than copying each field.

#include "core/fields/field_def.h"

#include <span>
#include <string>
#include <vector>

namespace dpmr {

// One flag per image bit that a page's store may change: bytes[offset] holds the bits.
struct BitMask {
    std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kImageSize, 0);
    void Add(std::size_t offset, std::uint8_t bits) { bytes.at(offset) |= bits; }
    void Add(std::size_t base, const FieldLayout &field);
};

// Changes made to one record: what the record showed and which fields the changes name. The
// command line gives many fields at once; a dialog gives the one field the user left.
struct BatchEdit {
    const FieldTexts &before;
    std::vector<bool> given;
    // Named by the changes with a text other than the one shown.
    bool Changed(const FieldTexts &texts, int field) const {
        const auto i = static_cast<std::size_t>(field);
        return given.at(i) && texts.at(i) != before.at(i);
    }
};

struct PageTable {
    const char *name; // "channel", "vfo", "dpmr.basic"
    std::span<const FieldDef> fields;
    int firstRecord = 0; // the records a page edits: 1..199 for the channel editor, 0..0 for a
    int lastRecord = 0;  // settings page
    FieldTexts (*load)(const FieldContext &context, int record) = nullptr; // default: ShowFields
    void (*store)(Image &image, const BandLimits &band, int record,
                  const FieldTexts &texts) = nullptr; // default: StoreFields
    // Bits the store writes besides the fields' own (a record reset to its defaults).
    void (*alsoWrites)(int record, BitMask &mask) = nullptr;
    // Fields another page also edits (a byte two pages share); they may overlap.
    std::span<const char *const> shared = {};
    // What the page does as the user leaves fields, in a dialog one at a time (LeaveField) or
    // all at once from the command line: `texts` holds the record with the given fields
    // replaced; the hook derives the rest (a new channel's defaults, the VFO's transmit
    // frequency) and keeps what was given. A field given as it was shown changes nothing, so
    // leaving a field twice is leaving it once. Default: nothing more than the store does.
    void (*commit)(const FieldContext &context, int record, const BatchEdit &edit,
                   FieldTexts &texts) = nullptr;
};

// The user left `field` of a page that showed `shown`: the page's commit for that field alone.
void LeaveField(const PageTable &page, const FieldContext &context, int record, int field,
                const FieldTexts &shown, FieldTexts &texts);

FieldTexts LoadPage(const PageTable &page, const FieldContext &context, int record);
void StorePage(const PageTable &page, Image &image, const BandLimits &band, int record,
               const FieldTexts &texts);
// Every bit the page's store may change for a record.
BitMask PageWrites(const PageTable &page, int record);

} // namespace dpmr
