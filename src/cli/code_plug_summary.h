#pragma once
// What `dpmr-tool info` says about a code plug.

#include "core/image/image.h"

#include <string>

namespace dpmr::cli {

struct CodePlugSummary {
    long long lowMHz = 0; // from the band limits at 0x3FA0
    long long highMHz = 0;
    bool bandSet = false; // 0x3FA3 is not 0xFF
    int channels = 0;     // non-empty records of 199
    int contacts = 0;     // entries of the contact index
    int messages = 0;     // entries of the message index
    int keys = 0;         // bits of the key-present bitmap
    bool encryption = false;
};

CodePlugSummary Summarize(const Image &image);
std::string FormatSummary(const std::string &file, const CodePlugSummary &summary);

} // namespace dpmr::cli
