// Every registered page loaded from two patterned images, each byte a function of its offset,
// and compared with a dump kept beside this file. A field moved to another offset or bit shows
// another text, so the dump pins where every field lives; the other suites check only that
// fields do not collide. After a deliberate layout change, rewrite the dump with
// DPMR_WRITE_GOLDEN=1 and review its diff.

#include "core/app/page_registry.h"
#include "core/fields/page_table.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace dpmr;
namespace fs = std::filesystem;

const BandLimits kBand{40000000, 47000000};

Image Patterned(unsigned multiplier, unsigned add) {
    Image image;
    for (std::size_t offset = 0; offset < kImageSize; ++offset)
        image[offset] =
            static_cast<std::uint8_t>((offset * multiplier + (offset >> 8) + add) & 0xFF);
    return image;
}

std::string Dump() {
    std::ostringstream out;
    const Image images[] = {Patterned(7, 0), Patterned(13, 0x5A)};
    for (int pattern = 0; pattern < 2; ++pattern) {
        for (const PageTable *page : PageRegistry()) {
            const int middle = (page->firstRecord + page->lastRecord) / 2;
            for (int record : {page->firstRecord, middle, page->lastRecord}) {
                const FieldTexts texts = LoadPage(*page, {images[pattern], kBand}, record);
                for (std::size_t i = 0; i < page->fields.size(); ++i)
                    out << pattern << ' ' << page->name << '.' << record << '.'
                        << page->fields[i].name << " = \"" << texts.at(i) << "\"\n";
                if (record == page->lastRecord)
                    break;
            }
        }
    }
    return out.str();
}

TEST(PageGolden, PatternedImagesShowTheKeptTexts) {
    const fs::path golden = fs::path(__FILE__).parent_path() / "page_golden.txt";
    const std::string dump = Dump();
    if (std::getenv("DPMR_WRITE_GOLDEN")) {
        std::ofstream(golden, std::ios::binary) << dump;
        GTEST_SKIP() << "wrote " << golden;
    }
    std::ifstream file(golden, std::ios::binary);
    ASSERT_TRUE(file) << golden;
    std::stringstream kept;
    kept << file.rdbuf();
    // Line by line, so that a failure names the field.
    std::istringstream a(kept.str()), b(dump);
    std::string want, got;
    int line = 0;
    while (std::getline(a, want)) {
        ++line;
        ASSERT_TRUE(std::getline(b, got)) << "the dump ends before line " << line;
        ASSERT_EQ(got, want) << "line " << line;
    }
    EXPECT_FALSE(std::getline(b, got)) << "the dump has more lines than " << golden;
}

} // namespace
