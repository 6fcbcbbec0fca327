// `dpmr-tool set` with NAME=VALUE arguments, one per line of the input, on a new code plug. A
// refused set changes no byte; an accepted one given again changes nothing.

#include "core/settings_text/settings_apply.h"
#include "fuzz_support.h"

using namespace dpmr;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    std::string_view text = fuzz::Text(data, size);
    std::vector<SettingChange> changes;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view argument = text.substr(0, end);
        const auto equals = argument.find('=');
        if (equals == std::string_view::npos)
            return 0; // the tool refuses it before reading the code plug
        changes.push_back({std::string(argument.substr(0, equals)),
                           std::string(argument.substr(equals + 1)),
                           "argument " + std::to_string(changes.size() + 1)});
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    Image image = fuzz::NewImage();
    if (!ApplySettings(image, changes, ListRows::Edit)) {
        fuzz::ExpectSame(fuzz::NewImage(), image, "a refused set changed the code plug");
        return 0;
    }
    fuzz::ExpectSecondRoundChangesNothing(image, changes, ListRows::Edit);
    return 0;
}
