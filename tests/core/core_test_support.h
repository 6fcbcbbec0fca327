#pragma once
// Small helpers shared by the core tests: new and random images, byte-by-byte comparison.

#include "core/image/factory_defaults.h"
#include "core/image/image.h"

#include <cstddef>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace dpmr::testing_support {

// A new code plug, as File > New makes it (400-470 MHz unless told otherwise).
inline Image NewImage(const BandLimits &band = {}) {
    Image image;
    WriteFactoryDefaults(image, band);
    return image;
}

inline Image RandomImage(std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    Image image;
    for (std::size_t i = 0; i < Image::size(); ++i)
        image[i] = static_cast<std::uint8_t>(byte(random));
    return image;
}

// Offsets where the two images differ.
inline std::vector<std::size_t> Differences(const Image &a, const Image &b) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < Image::size(); ++i)
        if (a[i] != b[i])
            offsets.push_back(i);
    return offsets;
}

// "0x0110: C1 -> 00, ..." for the first few differences, for failure messages.
inline std::string DescribeDifferences(const Image &expected, const Image &actual) {
    std::string text;
    int shown = 0;
    for (std::size_t offset : Differences(expected, actual)) {
        if (++shown > 12) {
            text += "...";
            break;
        }
        char line[48];
        std::snprintf(line, sizeof line, "0x%04zX: expected %02X got %02X; ", offset,
                      expected[offset], actual[offset]);
        text += line;
    }
    return text;
}

} // namespace dpmr::testing_support
