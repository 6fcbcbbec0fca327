#pragma once
// Shared by the fuzz targets: the images they start from and the properties they assert. A
// failed property aborts, so libFuzzer keeps the input that broke it.

#include "core/channels/channel_table.h"
#include "core/image/factory_defaults.h"
#include "core/image/image.h"
#include "core/settings_text/settings_apply.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace dpmr::fuzz {

[[noreturn]] inline void Fail(const char *what, std::size_t offset) {
    std::fprintf(stderr, "property broken: %s (first difference at 0x%04zX)\n", what, offset);
    std::abort();
}

// Aborts naming the first offset where the two differ.
inline void ExpectSame(const Image &expected, const Image &actual, const char *what) {
    for (std::size_t i = 0; i < kImageSize; ++i)
        if (expected[i] != actual[i])
            Fail(what, i);
}

inline void Expect(bool holds, const char *what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// File > New with the 400-470 MHz band.
inline const Image &NewImage() {
    static const Image image = [] {
        Image fresh;
        WriteFactoryDefaults(fresh, BandLimits{});
        return fresh;
    }();
    return image;
}

// What the main window does on every Save: load the table, store it. Done once more, it must
// change nothing.
inline void ExpectTableSettles(Image image, const char *what) {
    BandLimits limits;
    ChannelTable table;
    LoadChannelTable(image, limits, table);
    StoreChannelTable(table, image, limits);
    const Image settled = image;
    LoadChannelTable(image, limits, table);
    StoreChannelTable(table, image, limits);
    ExpectSame(settled, image, what);
}

// The same changes given twice change nothing the second time. Contacts are the exception
// that may be refused instead: the list is stored sorted by name, so "contact 1" can be
// another row the second time and a rename may then clash with a name the first round gave.
inline void ExpectSecondRoundChangesNothing(Image &image, const std::vector<SettingChange> &changes,
                                            ListRows rows) {
    const Image once = image;
    const ApplyResult again = ApplySettings(image, changes, rows);
    ExpectSame(once, image, "the same changes given again changed the code plug");
    if (!again)
        for (const SettingChange &change : changes)
            if (change.path.starts_with("dpmr.contacts."))
                return;
    Expect(static_cast<bool>(again), "the same changes were refused the second time");
}

inline std::string_view Text(const std::uint8_t *data, std::size_t size) {
    return {reinterpret_cast<const char *>(data), size};
}

} // namespace dpmr::fuzz
