// A random 16 KB code plug through every registered page's load and store, every list's, the
// channel table's load and store, and the document's Open and Save. A page's store changes
// only the bits it owns; every second round changes nothing.

#include "core/app/code_plug_document.h"
#include "core/app/list_registry.h"
#include "core/app/page_registry.h"
#include "core/fields/page_table.h"
#include "fuzz_support.h"

#include <cstring>
#include <string>
#include <unistd.h>

using namespace dpmr;

namespace {

const BandLimits kBand{40000000, 47000000};

void ExpectPageSettles(const PageTable &page, int record, Image image) {
    const Image before = image;
    StorePage(page, image, kBand, record, LoadPage(page, {image, kBand}, record));
    const BitMask owned = PageWrites(page, record);
    for (std::size_t i = 0; i < kImageSize; ++i)
        if ((before[i] ^ image[i]) & ~owned.bytes[i])
            fuzz::Fail(page.name, i); // a page wrote outside its fields
    const Image settled = image;
    StorePage(page, image, kBand, record, LoadPage(page, {image, kBand}, record));
    fuzz::ExpectSame(settled, image, "a page's second load and store changed bytes");
}

void ExpectListSettles(const ListTable &table, Image image) {
    StoreList(table, image, kBand, LoadList(table, {image, kBand}));
    const Image settled = image;
    StoreList(table, image, kBand, LoadList(table, {image, kBand}));
    fuzz::ExpectSame(settled, image, "a list's second load and store changed bytes");
}

// A folder for the document's files, on tmpfs where there is one (a save syncs its file),
// removed when the run ends.
struct TempFolder {
    std::string path;
    TempFolder() {
        char pattern[] = "/dev/shm/dpmr-fuzz-XXXXXX";
        if (::access("/dev/shm", W_OK) != 0)
            std::strcpy(pattern, "/tmp/dpmr-fuzz-XXXXXX");
        const char *made = ::mkdtemp(pattern);
        fuzz::Expect(made != nullptr, "no temporary folder");
        path = made;
    }
    ~TempFolder() {
        for (const char *name : {"/source.dat", "/once.dat", "/twice.dat"})
            ::unlink((path + name).c_str());
        ::rmdir(path.c_str());
    }
};

// Open the image from a file and save it, twice: the second file is the first.
void ExpectDocumentSettles(const Image &image) {
    static const TempFolder folder;
    const std::string &dir = folder.path;
    const std::string source = dir + "/source.dat", once = dir + "/once.dat",
                      twice = dir + "/twice.dat";
    fuzz::Expect(static_cast<bool>(SaveCodePlugFile(source, image)), "cannot write the input");
    CodePlugDocument document;
    fuzz::Expect(static_cast<bool>(document.Open(source)), "Open refused a 16 KB file");
    fuzz::Expect(static_cast<bool>(document.Save(once)), "Save failed");
    const Image first = document.image;
    fuzz::Expect(static_cast<bool>(document.Open(once)), "Open refused a saved file");
    fuzz::Expect(static_cast<bool>(document.Save(twice)), "Save failed");
    fuzz::ExpectSame(first, document.image, "Open and Save do not settle");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    Image image;
    image.Fill(0xFF);
    for (std::size_t i = 0; i < size && i < kImageSize; ++i)
        image[i] = data[i];
    const auto &pages = PageRegistry();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PageTable &page = *pages[p];
        // The record comes from the input too, so the fuzzer can aim at one.
        const int span = page.lastRecord - page.firstRecord + 1;
        const int record = page.firstRecord + (size > p ? data[p] % span : 0);
        ExpectPageSettles(page, record, image);
    }
    for (const ListTable *table : ListRegistry())
        ExpectListSettles(*table, image);
    fuzz::ExpectTableSettles(image, "the channel table does not settle");
    ExpectDocumentSettles(image);
    return 0;
}
