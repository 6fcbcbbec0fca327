// A settings document applied to a new code plug, as `dpmr-tool apply` does. A refused
// document changes no byte; an accepted one applied a second time changes nothing.

#include "core/settings_text/settings_toml.h"
#include "fuzz_support.h"

using namespace dpmr;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::vector<SettingChange> changes;
    if (!ChangesFromToml(fuzz::Text(data, size), changes))
        return 0;
    Image image = fuzz::NewImage();
    if (!ApplySettings(image, changes)) {
        fuzz::ExpectSame(fuzz::NewImage(), image, "a refused document changed the code plug");
        return 0;
    }
    fuzz::ExpectSecondRoundChangesNothing(image, changes, ListRows::Whole);
    fuzz::ExpectTableSettles(image, "the table does not settle after apply");
    return 0;
}
