#include "core/settings_text/setting_list.h"

#include "core/app/list_registry.h"
#include "core/app/page_registry.h"
#include "core/image/band_limits.h"

#include <algorithm>
#include <map>

namespace dpmr {

bool IsManyRecordPage(const PageTable &page) {
    return page.firstRecord != page.lastRecord;
}

std::string SectionName(const PageTable &page, int record) {
    return IsManyRecordPage(page) ? std::string(page.name) + "." + std::to_string(record)
                                  : std::string(page.name);
}

namespace {

void AddPage(const PageTable &page, const FieldContext &context, std::vector<Setting> &out) {
    for (int record = page.firstRecord; record <= page.lastRecord; ++record) {
        const FieldTexts texts = LoadPage(page, context, record);
        // Unused: nothing shown but unchecked boxes.
        bool unused = IsManyRecordPage(page);
        for (std::size_t i = 0; unused && i < texts.size(); ++i)
            unused = texts[i].empty() ||
                     (page.fields[i].rule.kind == RuleKind::Check && texts[i] == "0");
        if (unused)
            continue;
        const std::string section = SectionName(page, record);
        for (std::size_t i = 0; i < page.fields.size(); ++i) {
            // A field the record has not (the digital extension of channel 40) is left out.
            if (!page.fields[i].base(record))
                continue;
            out.push_back({section, page.fields[i].name, texts.at(i), &page.fields[i].rule});
        }
    }
}

// Rows 1..n, each a section of its columns; a fixed row (a group list) leaves out the cells
// that show and name nothing. A list of records a page table also edits is written as that page.
void AddList(const ListTable &table, const FieldContext &context, std::vector<Setting> &out) {
    if (table.records)
        return;
    const ListState rows = LoadList(table, context);
    for (std::size_t row = 0; row < rows.rows.size(); ++row) {
        const std::string section = std::string(table.name) + "." + std::to_string(row + 1);
        const ListRow &shown = rows.rows[row];
        for (std::size_t c = 0; c < table.columns.size(); ++c)
            if (!table.fixedRows || !shown.cells.at(c).empty() ||
                (c < shown.codes.size() && shown.codes[c] != 0))
                out.push_back({section, table.columns[c].name, shown.cells.at(c), nullptr});
    }
}

} // namespace

std::string ValueText(const Setting &setting) {
    if (setting.rule && setting.rule->kind == RuleKind::Check)
        return setting.text == "1" ? "true" : "false";
    return setting.text;
}

std::string CheckFromText(std::string_view text) {
    if (text == "true")
        return "1";
    if (text == "false")
        return "0";
    return std::string(text);
}

std::string GroupRxMemberKey(int position) {
    return "member_" + std::to_string(position);
}

std::vector<Setting> ReadSettings(const Image &image) {
    std::vector<Setting> out;
    const FieldContext context{image, DecodeBandLimits(image)};
    for (const PageTable *page : PageRegistry())
        AddPage(*page, context, out);
    for (const ListTable *table : ListRegistry())
        AddList(*table, context, out);
    return out;
}

} // namespace dpmr

namespace dpmr {

std::vector<SettingDifference> DiffSettings(const std::vector<Setting> &a,
                                            const std::vector<Setting> &b) {
    std::map<std::string, const Setting *> inB;
    for (const Setting &setting : b)
        inB[setting.Path()] = &setting;
    std::vector<SettingDifference> out;
    for (const Setting &setting : a) {
        const auto it = inB.find(setting.Path());
        const std::string other = it == inB.end() ? std::string() : ValueText(*it->second);
        if (other != ValueText(setting))
            out.push_back({setting.Path(), ValueText(setting), other});
        if (it != inB.end())
            inB.erase(it);
    }
    for (const Setting &setting : b)
        if (inB.contains(setting.Path()) && !setting.text.empty())
            out.push_back({setting.Path(), "", ValueText(setting)});
    return out;
}

} // namespace dpmr
