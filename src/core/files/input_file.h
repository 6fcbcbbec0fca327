#pragma once
// Opening a file the user names as input. A named pipe nobody writes to must not hang the
// open, a device must not be taken for a file (/dev/zero would "load"), and no input is read
// past a limit.

#include "core/image/code_plug_file.h"

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace dpmr {

enum class InputKind {
    File,       // a regular file only: a code plug, Program.ini
    FileOrPipe, // also a pipe, read to its end: a channel list or a settings document given as
                // /dev/stdin or <(command)
};

struct InputResult {
    bool ok = false;
    bool opened = false; // the failure came after the file was open (a read error)
    std::string reason;  // why not, without the file's name
    int error = 0;       // the system's error number, when it was the system that said no
    explicit operator bool() const { return ok; }
};

// Reads at most `limit` bytes of `path` into `contents` (ask for one byte more than the
// largest input you take, to tell a file that is too large). A pipe that gives nothing is
// refused. `contents` is only changed on success.
InputResult ReadInputFile(const std::string &path, InputKind kind, std::size_t limit,
                          std::string &contents);

// "Cannot open \"path\": reason" or "Cannot read \"path\": reason".
FileResult InputFailure(const std::string &path, const InputResult &result);

// Why a file of this type is no file to read or to save over; empty for a regular file.
std::string NotAFileReason(mode_t mode);

} // namespace dpmr
