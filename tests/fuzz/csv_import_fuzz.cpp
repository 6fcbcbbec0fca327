// A CSV channel list imported into a new code plug. A refused file changes no byte; an
// accepted one leaves a table that loads and stores without change, and importing the same
// file again changes nothing more.

#include "core/exchange/channel_csv.h"
#include "fuzz_support.h"

using namespace dpmr;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text = fuzz::Text(data, size);
    Image image = fuzz::NewImage();
    if (!ImportChannelsCsv(text, "fuzz.csv", image)) {
        fuzz::ExpectSame(fuzz::NewImage(), image, "a refused import changed the code plug");
        return 0;
    }
    fuzz::ExpectTableSettles(image, "the imported table does not settle");
    Image again = image;
    fuzz::Expect(static_cast<bool>(ImportChannelsCsv(text, "fuzz.csv", again)),
                 "the same file was refused the second time");
    fuzz::ExpectSame(image, again, "importing the same file again changed the code plug");
    return 0;
}
