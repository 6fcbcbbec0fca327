#pragma once
// The one document of a run: the image, the band limits that travel with it, and the channel
// table the main window shows. New, Open and Save follow the same steps in the program and
// in the command-line tool.

#include "core/channels/channel_table.h"
#include "core/image/band_limits.h"
#include "core/image/code_plug_file.h"
#include "core/image/image.h"

#include <string>

namespace dpmr {

struct CodePlugDocument {
    Image image;
    BandLimits limits; // kept across New and Open until something sets them
    ChannelTable table;
    std::string pathName;
    // An editor changed the image since the last New, Open or Save.
    bool modified = false;

    // Factory defaults with the current band limits, then the table reloads.
    void New();
    // Replaces the image only when the whole file could be read; the table then reloads.
    FileResult Open(const std::string &path);
    // Stores the table (so the file holds what the table shows), then saves atomically.
    FileResult Save(const std::string &path);
    // After a completed read from the radio.
    void ReplaceImage(const Image &received);
};

} // namespace dpmr
