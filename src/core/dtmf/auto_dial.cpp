#include "core/dtmf/auto_dial.h"

#include "core/dtmf/dtmf_settings.h"
#include "core/fields/rule_builders.h"
#include "core/image/memory_map.h"

#include <array>

namespace dpmr {

const FieldRule kAutoDialCodeRule = DtmfDigitsRule(static_cast<int>(kDtmfAutoDialSize));

namespace {

ListState LoadAutoDialRows(const FieldContext &context) {
    return LoadRecordRows(kDtmfAutoDialPage, context);
}

void StoreAutoDialRows(Image &image, const BandLimits &band, const ListState &rows) {
    StoreRecordRows(kDtmfAutoDialPage, image, band, rows);
}

constexpr std::array<ListColumn, 1> kAutoDialColumns{{
    {"code", "Code", 2500, DtmfDigitsRule(static_cast<int>(kDtmfAutoDialSize))},
}};

} // namespace

const ListTable kAutoDialList{.name = "dtmf.auto_dial",
                              .accessibleName = "Auto dial numbers",
                              .columns = kAutoDialColumns,
                              .capacity = kDtmfAutoDialCount,
                              .fixedRows = true,
                              .records = &kDtmfAutoDialPage,
                              .load = LoadAutoDialRows,
                              .store = StoreAutoDialRows};

std::vector<std::string> LoadAutoDialList(const Image &image) {
    std::vector<std::string> numbers;
    for (int n = 1; n <= kDtmfAutoDialCount; ++n)
        numbers.push_back(ShowField({image, {}}, n, kDtmfAutoDialPage.fields[0]));
    return numbers;
}

void StoreAutoDialList(Image &image, const std::vector<std::string> &numbers) {
    for (int n = 1; n <= kDtmfAutoDialCount; ++n) {
        const std::size_t row = static_cast<std::size_t>(n - 1);
        StoreField(image, {}, n, kDtmfAutoDialPage.fields[0],
                   row < numbers.size() ? numbers[row] : std::string());
    }
}

ChoiceList AutoDialChoices(const Image &image) {
    ChoiceList choices{{"None", 0}};
    const std::vector<std::string> numbers = LoadAutoDialList(image);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        if (!numbers[i].empty())
            choices.push_back({numbers[i], i + 1});
    return choices;
}

} // namespace dpmr
