#include "core/print/print_document.h"

#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"
#include "core/image/band_limits.h"
#include "core/settings_text/setting_list.h"

#include <ctime>

namespace dpmr {

namespace {

// Limits are kept in 10 Hz units; a whole MHz shows without decimals.
std::string MHzText(std::int64_t units) {
    if (units % kUnitsPerMHz == 0)
        return std::to_string(units / kUnitsPerMHz);
    std::string text = std::to_string(units / kUnitsPerMHz) + "." +
                       std::to_string(kUnitsPerMHz + units % kUnitsPerMHz).substr(1);
    while (text.back() == '0')
        text.pop_back();
    return text;
}

bool HasDigitalPart(const std::string &channelType) {
    return !channelType.empty() && channelType != ColumnChoices(kColChannelType).front();
}

constexpr const char *kChannelSectionPrefix = "channel.";

} // namespace

std::string BandText(const Image &image) {
    const BandLimits limits = DecodeBandLimits(image);
    for (const BandVariant &variant : kBandVariants)
        if (limits.low == variant.lower * kUnitsPerMHz &&
            limits.high == variant.upper * kUnitsPerMHz)
            return std::to_string(variant.lower) + "-" + std::to_string(variant.upper) + " MHz";
    return MHzText(limits.low) + "-" + MHzText(limits.high) + " MHz";
}

PrintHeader HeaderFor(const Image &image, const std::string &path, const std::string &date) {
    const auto slash = path.find_last_of('/');
    return {slash == std::string::npos ? path : path.substr(slash + 1), BandText(image), date};
}

std::string TodayText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &local);
    return text;
}

PrintTable ChannelPlan(const Image &image) {
    PrintTable plan{"Channel plan",
                    {{"Ch", true},
                     {"Name"},
                     {"Rx MHz", true},
                     {"Tx MHz", true},
                     {"Rx tone"},
                     {"Tx tone"},
                     {"Power"},
                     {"Scan"},
                     {"Width"},
                     {"Type"},
                     {"Contact"},
                     {"Group list"},
                     {"Key"}},
                    {}};
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    const FieldContext context{image, limits};
    const auto &fields = ChannelEditFields();
    for (int n = 1; n <= kChannelCount; ++n) {
        if (table.IsRowEmpty(n))
            continue;
        const std::string &type = table.Cell(n, kColChannelType);
        const bool digital = HasDigitalPart(type);
        const auto digitalField = [&](int field) {
            return digital ? ShowField(context, n, fields[static_cast<std::size_t>(field)])
                           : std::string();
        };
        plan.rows.push_back(
            {{std::to_string(n), ShowField(context, n, fields[kEditAlias]),
              table.Cell(n, kColRxFreq), table.Cell(n, kColTxFreq), table.Cell(n, kColRxTone),
              table.Cell(n, kColTxTone), table.Cell(n, kColPower), table.Cell(n, kColScan),
              table.Cell(n, kColBandwidth), type, digitalField(kEditContact),
              digitalField(kEditGroupRxList), digitalField(kEditEncryptKey)}});
    }
    plan.title += ", " + std::to_string(plan.rows.size()) +
                  (plan.rows.size() == 1 ? " channel" : " channels");
    return plan;
}

PrintTable SettingsSheet(const Image &image) {
    PrintTable sheet{"Settings", {{"Setting"}, {"Value"}}, {}};
    std::string section;
    for (const Setting &setting : ReadSettings(image)) {
        if (setting.section.starts_with(kChannelSectionPrefix))
            continue; // the channel plan shows them
        if (setting.section != section) {
            section = setting.section;
            sheet.rows.push_back({{section}, true});
        }
        sheet.rows.push_back({{setting.key, setting.text}});
    }
    return sheet;
}

PrintDocument PlanDocument(const Image &image, const PrintHeader &header, bool withSettings) {
    PrintDocument document{header, {ChannelPlan(image)}};
    if (withSettings)
        document.tables.push_back(SettingsSheet(image));
    return document;
}

} // namespace dpmr
