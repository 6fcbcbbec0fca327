#include "core/settings_text/field_listing.h"

#include "core/app/page_registry.h"
#include "core/fields/field_help.h"
#include "core/image/factory_defaults.h"
#include "core/settings_text/rule_text.h"
#include "core/settings_text/setting_list.h"

namespace dpmr {

namespace {

std::string EscapeCell(std::string text) {
    for (std::size_t at = 0; (at = text.find('|', at)) != text.npos; at += 2)
        text.replace(at, 1, "\\|");
    return text;
}

} // namespace

std::vector<FieldEntry> FieldEntries() {
    Image image;
    WriteFactoryDefaults(image, BandLimits{});
    std::vector<FieldEntry> entries;
    for (const PageTable *page : PageRegistry()) {
        const std::string section =
            IsManyRecordPage(*page) ? std::string(page->name) + ".N" : std::string(page->name);
        for (const FieldDef &field : page->fields) {
            const FieldHelp *help = FindFieldHelp(page->name, field.name);
            entries.push_back({section + "." + field.name,
                               DescribeRule(field.rule, image, help ? help->unit : ""),
                               help ? std::string(help->meaning) : std::string()});
        }
    }
    const auto list = [&](const char *name, const char *column, const char *rule) {
        const std::string_view key = column;
        const FieldHelp *help = FindFieldHelp(name, key.substr(0, key.find("_K")));
        entries.push_back({std::string(name) + ".N." + column, rule,
                           help ? std::string(help->meaning) : std::string()});
    };
    list(kContactsSection, "name", "text, unique; rows 1..N are the whole list, sorted by name");
    list(kContactsSection, "number", "up to 7 digits, unique");
    list(kContactsSection, "type", "one of: \"Single call\", \"Group call\", \"All call\"");
    list(kMessagesSection, "text", "up to 126 printable characters; rows 1..N are the whole list");
    list(kKeysSection, "text", "8 hexadecimal digits; rows 1..N are the whole list");
    list(kGroupRxSection, "member_K",
         "a group-call contact by name, K 1..8; N 1..16; members 1..K are the whole list");
    return entries;
}

std::string FieldListing() {
    std::string out = "# Settings by name\n\n"
                      "Made by `dpmr-tool fields > docs/fields.md`; `dump`, `apply`, `get`, `set` "
                      "and `diff` take these names. N is a record or row number.\n";
    std::string section;
    for (const FieldEntry &entry : FieldEntries()) {
        const std::string head = entry.name.substr(0, entry.name.rfind('.'));
        if (head != section) {
            section = head;
            out += "\n## " + section + "\n\n| field | value | meaning |\n|---|---|---|\n";
        }
        out += "| `" + entry.name + "` | " + EscapeCell(entry.rule) + " | " +
               EscapeCell(entry.meaning) + " |\n";
    }
    return out;
}

} // namespace dpmr
