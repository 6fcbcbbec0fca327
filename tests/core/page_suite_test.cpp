// One suite for every registered editor page: loading then storing changes only the bits the
// page owns, a second round changes nothing, pages do not overlap, and every numeric rule
// normalises idempotently into its range and steps its spin as declared.

#include "core/app/page_registry.h"
#include "core/fields/page_table.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

using namespace dpmr;
using testing_support::RandomImage;

const BandLimits kBand{40000000, 47000000};

class PageSuite : public ::testing::TestWithParam<const PageTable *> {};

std::string PageName(const ::testing::TestParamInfo<const PageTable *> &info) {
    std::string name = info.param->name;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

int PickRecord(const PageTable &page, std::mt19937 &random) {
    std::uniform_int_distribution<int> record(page.firstRecord, page.lastRecord);
    return record(random);
}

TEST_P(PageSuite, LoadThenStoreTouchesOnlyOwnedBitsAndSettles) {
    const PageTable &page = *GetParam();
    std::mt19937 random(7);
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        Image image = RandomImage(seed);
        // Half the images carry a blank record, as new images and emptied channels do.
        if (seed % 2 == 0)
            for (std::size_t i = 0x0100; i < 0x3F00; i += 97)
                image[i] = 0xFF;
        const int record = PickRecord(page, random);
        const Image before = image;
        StorePage(page, image, kBand, record, LoadPage(page, {image, kBand}, record));
        const BitMask owned = PageWrites(page, record);
        for (std::size_t offset = 0; offset < kImageSize; ++offset) {
            const std::uint8_t changed = before[offset] ^ image[offset];
            ASSERT_EQ(changed & ~owned.bytes[offset], 0)
                << page.name << " record " << record << " seed " << seed << " changed 0x"
                << std::hex << offset << " outside its fields";
        }
        const Image settled = image;
        StorePage(page, image, kBand, record, LoadPage(page, {image, kBand}, record));
        ASSERT_TRUE(image == settled)
            << page.name << " record " << record << " seed " << seed << ": "
            << testing_support::DescribeDifferences(settled, image);
    }
}

TEST_P(PageSuite, FieldsOfAPageNeverShareABit) {
    const PageTable &page = *GetParam();
    for (int record : {page.firstRecord, page.lastRecord}) {
        BitMask seen;
        for (const FieldDef &field : page.fields) {
            const auto base = field.base(record);
            if (!base)
                continue;
            for (std::size_t i = 0; i < field.layout.size; ++i) {
                const std::size_t at = *base + field.layout.offset + i;
                EXPECT_EQ(seen.bytes[at] & field.layout.Mask(), 0)
                    << page.name << "." << field.name;
                seen.Add(at, field.layout.Mask());
            }
        }
    }
}

TEST_P(PageSuite, NumbersNormaliseIdempotentlyIntoRangeAndSpinAsDeclared) {
    const PageTable &page = *GetParam();
    const Image image;
    for (const FieldDef &field : page.fields) {
        const FieldRule &rule = field.rule;
        if (rule.kind != RuleKind::Number)
            continue;
        const std::string low = NumberText(rule, rule.min);
        const std::string high = NumberText(rule, InRange(rule, rule.max));
        for (std::string typed :
             {std::string(), std::string("0"), std::string("-7"), std::string("1e12"),
              std::string("abc"), low, high, std::to_string(rule.max + 1), std::string("2.55")}) {
            const std::string once = NormaliseText(rule, {image, kBand}, typed);
            EXPECT_EQ(NormaliseText(rule, {image, kBand}, once), once)
                << page.name << "." << field.name << " typed " << typed;
            const std::int64_t v = NumberFromText(rule, once);
            EXPECT_TRUE((v >= rule.min && v <= rule.max) ||
                        (rule.replaceOutOfRange && v == rule.replacement))
                << page.name << "." << field.name << " typed " << typed << " gives " << v;
        }
        EXPECT_EQ(StepText(rule, high, +1), rule.wrap ? low : high) << field.name;
        EXPECT_EQ(StepText(rule, low, -1), rule.wrap ? high : low) << field.name;
    }
}

// What a user might type or pick in a field: its choices, and texts in and out of its rule.
std::vector<std::string> TypedTexts(const FieldDef &field, const Image &image) {
    switch (field.rule.kind) {
    case RuleKind::Choice: {
        std::vector<std::string> texts{""};
        for (const ChoiceItem &item : ChoicesOf(field.rule, image))
            if (texts.size() < 4)
                texts.push_back(item.text);
        return texts;
    }
    case RuleKind::Check:
        return {"1", "0"};
    case RuleKind::Frequency:
        return {"", "446.1", "99", "12ab"};
    case RuleKind::Tone:
        return {"", "88.5", "D023N", "none"};
    default:
        return {"", "7", "0.3", "12345678901234567890", "AB*#"};
    }
}

// A dialog runs the page's commit as each field is left. Leaving the field again, or typing
// the same text into it again and leaving, changes nothing more.
class LeaveSuite : public ::testing::TestWithParam<const PageTable *> {};

std::vector<const PageTable *> PagesWithCommit() {
    std::vector<const PageTable *> pages;
    for (const PageTable *page : PageRegistry())
        if (page->commit)
            pages.push_back(page);
    return pages;
}

TEST_P(LeaveSuite, LeavingAFieldTwiceIsLeavingItOnce) {
    const PageTable &page = *GetParam();
    std::mt19937 random(11);
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        Image image = RandomImage(seed);
        if (seed % 2 == 0) // a blank record: a channel coming into use
            for (std::size_t i = 0x0100; i < 0x3F00; i += 97)
                image[i] = 0xFF;
        const int record = PickRecord(page, random);
        const FieldContext context{image, kBand};
        const FieldTexts loaded = LoadPage(page, context, record);
        for (std::size_t f = 0; f < page.fields.size(); ++f) {
            const int field = static_cast<int>(f);
            for (const std::string &typed : TypedTexts(page.fields[f], image)) {
                FieldTexts once = loaded;
                once[f] = typed;
                LeaveField(page, context, record, field, loaded, once);
                FieldTexts again = once;
                LeaveField(page, context, record, field, once, again);
                EXPECT_EQ(again, once) << page.name << "." << page.fields[f].name << " left twice";
                FieldTexts retyped = once;
                retyped[f] = typed;
                LeaveField(page, context, record, field, once, retyped);
                EXPECT_EQ(retyped, once)
                    << page.name << "." << page.fields[f].name << " typed \"" << typed
                    << "\" again, seed " << seed << " record " << record;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Registered, PageSuite, ::testing::ValuesIn(PageRegistry()), PageName);
INSTANTIATE_TEST_SUITE_P(WithCommit, LeaveSuite, ::testing::ValuesIn(PagesWithCommit()), PageName);

TEST(PageRegistry, PagesDoNotOverlapUnlessShared) {
    const auto &pages = PageRegistry();
    auto isShared = [](const PageTable &page, const FieldDef &field) {
        for (const char *name : page.shared)
            if (std::string_view(name) == field.name)
                return true;
        return false;
    };
    for (std::size_t a = 0; a < pages.size(); ++a) {
        for (std::size_t b = a + 1; b < pages.size(); ++b) {
            BitMask maskA;
            for (const FieldDef &field : pages[a]->fields)
                if (!isShared(*pages[a], field))
                    if (auto base = field.base(pages[a]->firstRecord))
                        maskA.Add(*base, field.layout);
            for (const FieldDef &field : pages[b]->fields) {
                const auto base = field.base(pages[b]->firstRecord);
                if (!base || isShared(*pages[b], field))
                    continue;
                for (std::size_t i = 0; i < field.layout.size; ++i)
                    EXPECT_EQ(maskA.bytes[*base + field.layout.offset + i] & field.layout.Mask(), 0)
                        << pages[a]->name << " and " << pages[b]->name << "." << field.name;
            }
        }
    }
}

TEST(PageRegistry, FieldNamesAreStableSnakeCaseAndUniqueWithinAPage) {
    for (const PageTable *page : PageRegistry()) {
        std::set<std::string> names;
        for (const FieldDef &field : page->fields) {
            const std::string name = field.name;
            EXPECT_TRUE(names.insert(name).second) << page->name << "." << name;
            for (char c : name)
                EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')
                    << page->name << "." << name;
        }
    }
}

} // namespace
