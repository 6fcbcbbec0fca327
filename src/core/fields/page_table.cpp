#include "core/fields/page_table.h"

namespace dpmr {

void BitMask::Add(std::size_t base, const FieldLayout &field) {
    for (std::size_t i = 0; i < field.size; ++i)
        Add(base + field.offset + i, field.Mask());
}

FieldTexts LoadPage(const PageTable &page, const FieldContext &context, int record) {
    return page.load ? page.load(context, record) : ShowFields(context, record, page.fields);
}

void StorePage(const PageTable &page, Image &image, const BandLimits &band, int record,
               const FieldTexts &texts) {
    if (page.store)
        page.store(image, band, record, texts);
    else
        StoreFields(image, band, record, page.fields, texts);
}

void LeaveField(const PageTable &page, const FieldContext &context, int record, int field,
                const FieldTexts &shown, FieldTexts &texts) {
    if (!page.commit)
        return;
    BatchEdit edit{shown, std::vector<bool>(texts.size(), false)};
    edit.given.at(static_cast<std::size_t>(field)) = true;
    page.commit(context, record, edit, texts);
}

BitMask PageWrites(const PageTable &page, int record) {
    BitMask mask;
    for (const FieldDef &field : page.fields)
        if (const auto base = field.base(record))
            mask.Add(*base, field.layout);
    if (page.alsoWrites)
        page.alsoWrites(record, mask);
    return mask;
}

} // namespace dpmr
