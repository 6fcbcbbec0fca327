// Every field a user can set says what it means, and the help table names no field that is
// gone: the tooltips, What's This and `dpmr-tool fields` all read it.

#include "core/app/page_registry.h"
#include "core/fields/field_help.h"
#include "core/image/factory_defaults.h"
#include "core/settings_text/field_listing.h"
#include "core/settings_text/field_tooltip.h"

#include <gtest/gtest.h>

#include <set>

namespace dpmr {
namespace {

TEST(FieldHelp, EveryFieldHasAMeaningAndEveryMeaningAField) {
    std::set<std::string> keys;
    for (const PageTable *page : PageRegistry())
        for (const FieldDef &field : page->fields) {
            keys.insert(FieldHelpKey(page->name, field.name));
            const FieldHelp *help = FindFieldHelp(page->name, field.name);
            ASSERT_NE(help, nullptr) << page->name << "." << field.name << " has no description";
            EXPECT_FALSE(help->meaning.empty()) << help->key;
            EXPECT_TRUE(help->meaning.ends_with('.')) << help->key << ": one sentence";
            EXPECT_EQ(help->meaning.find('\n'), std::string_view::npos) << help->key;
        }
    std::set<std::string_view> seen;
    for (const FieldHelp &help : FieldHelpTable()) {
        EXPECT_TRUE(seen.insert(help.key).second) << help.key << " described twice";
        // The lists' columns are described too; they are no page fields.
        const bool listColumn =
            help.key.starts_with("dpmr.contacts.") || help.key.starts_with("dpmr.messages.") ||
            help.key.starts_with("dpmr.keys.") || help.key.starts_with("dpmr.group_rx.");
        if (!listColumn) {
            EXPECT_TRUE(keys.contains(std::string(help.key))) << help.key << " names no field";
        }
    }
    for (const FieldEntry &entry : FieldEntries())
        EXPECT_FALSE(entry.meaning.empty()) << entry.name;
}

TEST(FieldHelp, TooltipSaysMeaningRangeStepUnitOrChoices) {
    Image image;
    WriteFactoryDefaults(image, BandLimits{});
    const auto tip = [&](const PageTable &page, std::string_view name) {
        const int at = FieldIndex(page.fields, name);
        EXPECT_GE(at, 0) << name;
        return FieldTooltip(page.name, page.fields[static_cast<std::size_t>(at)], image);
    };
    const auto page = [](std::string_view name) -> const PageTable & {
        for (const PageTable *p : PageRegistry())
            if (p->name == name)
                return *p;
        throw std::runtime_error("no page " + std::string(name));
    };
    EXPECT_EQ(tip(page("basic"), "saving_delay"),
              "Idle time before battery saving starts.\n10..60 s step 5");
    EXPECT_EQ(tip(page("basic"), "tot"),
              "TOT (time-out timer): longest single transmission.\n0..600 s step 30, 0 = Off");
    EXPECT_EQ(tip(page("dpmr.basic"), "ack_reply_delay"),
              "Wait before this radio acknowledges a call.\n0.1..5.0 s");
    EXPECT_NE(tip(page("basic"), "sql").find("one of: \"0\", \"1\""), std::string::npos);
    EXPECT_TRUE(tip(page("channel"), "busy_lock").ends_with("\non or off"));
    EXPECT_TRUE(tip(page("channel"), "rx_freq").ends_with("\nMHz, empty for none"));
}

} // namespace
} // namespace dpmr
