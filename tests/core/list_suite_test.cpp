// One suite for every registered list: rows come and go at both ends within the list's limits,
// what is loaded stores back and settles, cell edits keep to the column rules, and records
// that name an entry by its position or slot follow it or are cleared when it goes.

#include "core/app/list_registry.h"
#include "core/channels/channel_record.h"
#include "core/channels/contact_index.h"
#include "core/dpmr/contact_list.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/messages.h"
#include "core/image/record_layouts.h"
#include "core_test_support.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

using namespace dpmr;
using testing_support::NewImage;
using testing_support::RandomImage;

const BandLimits kBand{40000000, 47000000};

class ListSuite : public ::testing::TestWithParam<const ListTable *> {};

std::string ListName(const ::testing::TestParamInfo<const ListTable *> &info) {
    std::string name = info.param->name;
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

std::vector<FieldTexts> Cells(const ListState &rows) {
    std::vector<FieldTexts> cells;
    for (const ListRow &row : rows.rows)
        cells.push_back(row.cells);
    return cells;
}

TEST(ListRegistry, NamesAndColumnsAreUniqueLowerSnakeCase) {
    const std::regex snake("[a-z][a-z0-9_]*(\\.[a-z][a-z0-9_]*)*");
    std::set<std::string> names;
    for (const ListTable *table : ListRegistry()) {
        EXPECT_TRUE(names.insert(table->name).second) << table->name;
        EXPECT_TRUE(std::regex_match(table->name, snake)) << table->name;
        EXPECT_NE(std::string(table->accessibleName), "") << table->name;
        std::set<std::string> columns;
        for (const ListColumn &column : table->columns) {
            EXPECT_TRUE(columns.insert(column.name).second) << table->name << "." << column.name;
            EXPECT_TRUE(std::regex_match(column.name, snake)) << column.name;
        }
        // A list of records is the records of its page, column for field.
        if (table->records) {
            ASSERT_EQ(table->records->fields.size(), table->columns.size()) << table->name;
            for (std::size_t c = 0; c < table->columns.size(); ++c)
                EXPECT_EQ(std::string(table->records->fields[c].name), table->columns[c].name);
        }
    }
}

TEST_P(ListSuite, WhatIsLoadedStoresBackAndSettles) {
    const ListTable &table = *GetParam();
    for (std::uint32_t seed = 0; seed <= 30; ++seed) {
        Image image = seed == 0 ? NewImage(kBand) : RandomImage(seed);
        const ListState loaded = LoadList(table, {image, kBand});
        ASSERT_LE(loaded.size(), table.capacity) << "seed " << seed;
        for (const ListRow &row : loaded.rows)
            ASSERT_EQ(row.cells.size(), table.columns.size());
        StoreList(table, image, kBand, loaded);
        const Image stored = image;
        const ListState again = LoadList(table, {image, kBand});
        StoreList(table, image, kBand, again);
        ASSERT_TRUE(image == stored) << table.name << " seed " << seed << ": "
                                     << testing_support::DescribeDifferences(stored, image);
        EXPECT_EQ(Cells(LoadList(table, {image, kBand})), Cells(again));
    }
}

TEST_P(ListSuite, RowsComeAndGoAtBothEndsWithinTheLimits) {
    const ListTable &table = *GetParam();
    Image image = NewImage(kBand);
    ListState rows = LoadList(table, {image, kBand});
    if (table.fixedRows) {
        EXPECT_EQ(rows.size(), table.capacity);
        EXPECT_EQ(InsertRow(table, image, rows, 0), -1);
        EXPECT_FALSE(EraseRow(table, image, rows, 0));
        EXPECT_FALSE(MoveRow(table, rows, 0, 1));
        EXPECT_EQ(rows.size(), table.capacity);
        return;
    }
    // Filled alternately at the end and at the front: each new row is where it was asked for.
    for (bool front = false; rows.size() < table.capacity; front = !front) {
        const int expected = front ? 0 : rows.size();
        ASSERT_EQ(InsertRow(table, image, rows, front ? 0 : -1), expected) << table.name;
    }
    EXPECT_FALSE(CanAddRow(table, rows));
    EXPECT_EQ(InsertRow(table, image, rows, 0), -1);
    EXPECT_EQ(InsertRow(table, image, rows), -1);
    EXPECT_EQ(rows.size(), table.capacity);
    StoreList(table, image, kBand, rows);
    rows = LoadList(table, {image, kBand});
    EXPECT_EQ(rows.size(), table.capacity) << table.name << ": a full list stores whole";

    const FieldTexts last = rows.rows.back().cells;
    ASSERT_TRUE(MoveRow(table, rows, rows.size() - 1, 0));
    EXPECT_EQ(rows.rows.front().cells, last);
    EXPECT_FALSE(MoveRow(table, rows, 0, rows.size()));

    // Emptied from both ends down to what the list keeps.
    for (bool front = true; CanEraseRow(table, rows); front = !front)
        ASSERT_TRUE(EraseRow(table, image, rows, front ? 0 : rows.size() - 1));
    EXPECT_EQ(rows.size(), table.keepRows);
    EXPECT_FALSE(EraseRow(table, image, rows, 0));
    EXPECT_FALSE(EraseRow(table, image, rows, -1));
    StoreList(table, image, kBand, rows);
    EXPECT_EQ(LoadList(table, {image, kBand}).size(), table.keepRows);
}

TEST_P(ListSuite, AcceptedEditsKeepToTheColumnRules) {
    const ListTable &table = *GetParam();
    Image image = NewImage(kBand);
    ListState rows = LoadList(table, {image, kBand});
    if (rows.size() == 0) {
        ASSERT_EQ(InsertRow(table, image, rows), 0);
    }
    const FieldContext context{image, kBand};
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const FieldRule &rule = table.columns[c].rule;
        if (rule.kind == RuleKind::Choice)
            continue;
        for (const std::string &typed :
             {std::string(300, '7'), std::string("x\t1#a"), std::string()}) {
            ListState edited = rows;
            CellEdit edit{typed};
            const FieldTexts before = edited.rows[0].cells;
            if (!EditCell(table, context, edited, 0, static_cast<int>(c), edit)) {
                EXPECT_EQ(edited.rows[0].cells, before) << "a refused edit changes nothing";
                continue;
            }
            const std::string &cell = edited.rows[0].cells[c];
            EXPECT_EQ(cell, edit.text) << table.name << "." << table.columns[c].name;
            if (rule.maxLength > 0 && rule.kind != RuleKind::Frequency) {
                EXPECT_LE(static_cast<int>(cell.size()), rule.maxLength)
                    << table.name << "." << table.columns[c].name;
            }
            for (char ch : cell)
                EXPECT_TRUE(rule.charset.empty() || rule.charset.find(ch) != std::string::npos)
                    << table.name << "." << table.columns[c].name << " holds " << ch;
        }
    }
    CellEdit outside{"1"};
    EXPECT_FALSE(EditCell(table, context, rows, rows.size(), 0, outside));
}

INSTANTIATE_TEST_SUITE_P(Registered, ListSuite, ::testing::ValuesIn(ListRegistry()), ListName);

// Records that name an entry follow it to its new position, or name none once it is deleted.
struct Reference {
    const ListTable *table;
    void (*point)(Image &image, int entry); // a record names entry `entry` (1-based position)
    int (*named)(const Image &image);       // the position it names now, 0 for none
};

std::size_t Channel1() {
    return ChannelRecordOffset(1);
}

const Reference kReferences[] = {
    {&kKeyList,
     [](Image &image, int key) {
         WriteNumber(image, Channel1(), channel_layout::kEncryptKey, key);
     },
     [](const Image &image) {
         return static_cast<int>(ReadNumber(image, Channel1(), channel_layout::kEncryptKey));
     }},
    {&kMessageList,
     [](Image &image, int message) {
         namespace key = one_key_layout;
         const std::size_t entry = OneKeyEntryOffset(1);
         WriteNumber(image, entry, key::kCallType, key::kDigitalCall);
         WriteNumber(image, entry, key::kMessageMode, key::kWithMessage);
         WriteNumber(image, entry, key::kMessage, static_cast<std::uint64_t>(message));
     },
     [](const Image &image) {
         return static_cast<int>(ReadNumber(image, OneKeyEntryOffset(1), one_key_layout::kMessage));
     }},
    // Contacts keep their slot: a channel names the row's slot.
    {&kContactList,
     [](Image &image, int row) {
         const std::size_t record =
             LoadContacts(image).rows.at(static_cast<std::size_t>(row - 1)).record;
         image[Channel1() + channel_layout::kContact.offset] =
             static_cast<std::uint8_t>(ContactSlot(record));
     },
     [](const Image &image) {
         const int slot = image[Channel1() + channel_layout::kContact.offset];
         const ContactList list = LoadContacts(image);
         for (std::size_t r = 0; r < list.rows.size() && slot >= 1 && slot <= kContactCount; ++r)
             if (list.rows[r].record == ContactRecordOffset(slot))
                 return static_cast<int>(r) + 1;
         return 0;
     }},
};

TEST(ListReferences, FollowTheirEntryOrAreClearedWithIt) {
    for (const Reference &reference : kReferences) {
        const ListTable &table = *reference.table;
        Image image = NewImage(kBand);
        image[kEncryption] = 1;
        ListState rows = LoadList(table, {image, kBand});
        while (rows.size() < 3)
            InsertRow(table, image, rows);
        StoreList(table, image, kBand, rows);
        const FieldTexts third = LoadList(table, {image, kBand}).rows[2].cells;

        // The first row goes: the third becomes the second, and its reference follows it.
        reference.point(image, 3);
        rows = LoadList(table, {image, kBand});
        ASSERT_TRUE(EraseRow(table, image, rows, 0)) << table.name;
        StoreList(table, image, kBand, rows);
        ASSERT_EQ(LoadList(table, {image, kBand}).rows[1].cells, third) << table.name;
        EXPECT_EQ(reference.named(image), 2) << table.name;

        // The named row goes: nothing is named any more.
        rows = LoadList(table, {image, kBand});
        ASSERT_TRUE(EraseRow(table, image, rows, 1)) << table.name;
        StoreList(table, image, kBand, rows);
        EXPECT_EQ(reference.named(image), 0) << table.name;
    }
}

} // namespace
