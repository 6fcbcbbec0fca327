#pragma once
// The ".dat" file: exactly the 16384 image bytes, offset 0 first, no header.

#include "core/image/image.h"

#include <string>

namespace dpmr {

struct FileResult {
    bool ok = false;
    std::string message; // names the file and the reason when !ok
    explicit operator bool() const { return ok; }
};

// A regular file of at least 16384 bytes; its first 16384 bytes become the image, the rest is
// ignored. On any failure the image keeps every byte it had.
FileResult LoadCodePlugFile(const std::string &path, Image &image);

// Writes a temporary file beside the target, flushes it to disk and renames it over the
// target, so a failed save leaves the previous file whole. A symbolic link is followed to the
// file it names (created when it is not there), and an existing file we may not write, or
// anything that is not a regular file, is refused rather than replaced.
FileResult SaveCodePlugFile(const std::string &path, const Image &image);

// Any file written all at once by the same rule (the command-line tool uses it too).
FileResult WriteFileAtomically(const std::string &path, const void *data, std::size_t size);

// A write past the file-size limit (ulimit -f) kills the process with SIGXFSZ, leaving the
// temporary file behind. With the signal ignored the write fails with EFBIG instead, and the
// save says so and cleans up. The program, the tool and the virtual radio call it at start.
void IgnoreFileSizeSignal();

} // namespace dpmr
