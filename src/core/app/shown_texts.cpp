#include "core/app/shown_texts.h"

#include "core/app/list_registry.h"
#include "core/app/page_registry.h"
#include "core/channels/channel_table.h"
#include "core/dpmr/contact_list.h"
#include "core/fields/field_help.h"
#include "core/image/tone.h"
#include "core/link/radio_link.h"
#include "core/settings/one_key_settings.h"
#include "core/settings_text/field_tooltip.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace dpmr {

namespace {

bool HasLetter(const std::string &text) {
    return std::any_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isalpha(c) != 0; });
}

} // namespace

std::vector<std::string> ShownCoreTexts() {
    std::set<std::string> texts;
    auto add = [&texts](const std::string &text) {
        if (HasLetter(text))
            texts.insert(text);
    };
    // An image of erased memory: lists taken from it hold only their fixed entries, never a
    // name the user gave.
    const Image blank;
    for (const PageTable *page : PageRegistry()) {
        for (const FieldDef &field : page->fields) {
            const FieldRule &rule = field.rule;
            if (rule.kind == RuleKind::Choice)
                for (const ChoiceItem &item : ChoicesOf(rule, blank))
                    add(item.text);
            if (rule.zeroWord)
                add(rule.zeroWord);
            if (rule.maxWord)
                add(rule.maxWord);
        }
    }
    for (CallMode mode : {CallMode::None, CallMode::Digit, CallMode::Analog})
        for (const ChoiceItem &item : CallTypeChoices(blank, mode))
            add(item.text);
    for (const ChoiceItem &item : CallModeChoices(blank))
        add(item.text);
    add(ToneList().front());
    for (int column = 0; column < kChannelColumns; ++column) {
        add(ChannelColumns()[static_cast<std::size_t>(column)].header);
        if (ChannelColumns()[static_cast<std::size_t>(column)].editor == CellEditor::Choice)
            for (const std::string &choice : ColumnChoices(column))
                add(choice);
    }
    for (const char *message : {kMessageOpenFailed, kMessageCommunicationError})
        add(message);
    for (const char *type : {kSingleCall, kGroupCall, kAllCall})
        add(type);
    add(kNumberHeader);
    for (const ListTable *list : ListRegistry()) {
        add(list->accessibleName);
        for (const ListColumn &column : list->columns)
            add(column.header);
    }
    // Tooltips: what each field means.
    for (const FieldHelp &help : FieldHelpTable())
        add(std::string(help.meaning));
    add(kCheckRuleText);
    return {texts.begin(), texts.end()};
}

} // namespace dpmr
