#include "core/channels/pms_editor.h"

#include <array>

namespace dpmr {

namespace {

std::optional<std::size_t> PmsEntryOf(int entry) {
    if (entry < 1 || entry > kPmsCount)
        return std::nullopt;
    return PmsEntryOffset(entry);
}

constexpr FieldRule EdgeRule() {
    FieldRule rule{.kind = RuleKind::Frequency};
    rule.charset = kDecimalChars;
    rule.maxLength = 10;
    rule.band = BandRule::Clamp;
    return rule;
}

// An empty cell stores the not-set form; any other text is stored as shown.
constexpr std::array<FieldDef, kPmsFieldCount> kFields = {{
    {"low_freq", PmsEntryOf, pms_layout::kLow, EdgeRule()},
    {"high_freq", PmsEntryOf, pms_layout::kHigh, EdgeRule()},
}};

} // namespace

const PageTable kPmsPage{
    .name = "pms",
    .fields = kFields,
    .firstRecord = 1,
    .lastRecord = kPmsCount,
};

namespace {

ListState LoadPmsRows(const FieldContext &context) {
    return LoadRecordRows(kPmsPage, context);
}

void StorePmsRows(Image &image, const BandLimits &band, const ListState &rows) {
    StoreRecordRows(kPmsPage, image, band, rows);
}

constexpr std::array<ListColumn, kPmsFieldCount> kPmsColumns{{
    {"low_freq", "Low freq", 1800, EdgeRule()},
    {"high_freq", "High freq", 1800, EdgeRule()},
}};

} // namespace

const ListTable kPmsList{.name = "pms",
                         .accessibleName = "PMS channels",
                         .columns = kPmsColumns,
                         .capacity = kPmsCount,
                         .fixedRows = true,
                         .records = &kPmsPage,
                         .load = LoadPmsRows,
                         .store = StorePmsRows};

std::string CommitPmsEdge(const FieldContext &context, std::string_view typed) {
    return NormaliseText(kFields[kPmsLow].rule, context, typed);
}

} // namespace dpmr
