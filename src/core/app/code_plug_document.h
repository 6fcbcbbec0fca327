#pragma once
// The one document of a run: the image, the band limits that travel with it, and the channel
// table the main window shows. New, Open and Save follow the same steps in the program and
// in the command-line tool.

#include "core/app/undo_history.h"
#include "core/channels/channel_table.h"
#include "core/image/band_limits.h"
#include "core/image/code_plug_file.h"
#include "core/image/image.h"

#include <optional>
#include <string>

namespace dpmr {

struct CodePlugDocument {
    Image image;
    BandLimits limits; // kept across New and Open until something sets them
    ChannelTable table;
    std::string pathName;
    // The image differs from the last New, Open or Save (Undo back to it clears this).
    bool modified = false;
    UndoHistory history;

    // Factory defaults with the current band limits, then the table reloads.
    void New();
    // Replaces the image only when the whole file could be read; the table then reloads.
    FileResult Open(const std::string &path);
    // Stores the table (so the file holds what the table shows), then saves atomically.
    FileResult Save(const std::string &path);
    // After a completed read from the radio.
    void ReplaceImage(const Image &received);

    // A change was made to the image; `before` is how it was. Recorded for Undo and marks the
    // document modified when any byte changed. Returns whether one did.
    bool RecordChange(const Image &before, std::string label);
    // Restore the image before (after) the last change; the table reloads. False when there is
    // nothing to take back (or redo).
    bool Undo();
    bool Redo();

private:
    bool Restore(std::optional<Image> restored);
};

} // namespace dpmr
