#include "core/files/input_file.h"

#include "core/text/message_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dpmr {

namespace {

bool Accepted(mode_t mode, InputKind kind) {
    return S_ISREG(mode) || (kind == InputKind::FileOrPipe && S_ISFIFO(mode));
}

InputResult Refused(std::string reason) {
    return {false, false, std::move(reason), 0};
}

InputResult SystemError(int error, bool opened = false) {
    return {false, opened, std::strerror(error), error};
}

} // namespace

std::string NotAFileReason(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return std::strerror(EISDIR);
    if (S_ISFIFO(mode))
        return "a named pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device, not a file";
    if (S_ISSOCK(mode))
        return "a socket, not a file";
    return "not a file";
}

InputResult ReadInputFile(const std::string &path, InputKind kind, std::size_t limit,
                          std::string &contents) {
    // Look before opening: opening a device can do things (a serial port raises its lines).
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return SystemError(errno);
    if (!Accepted(info.st_mode, kind))
        return Refused(NotAFileReason(info.st_mode));
    // O_NONBLOCK: a named pipe opens at once even with no writer. What is opened is looked at
    // again, as the name may have changed in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return SystemError(errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0)
        return SystemError(errno);
    if (!Accepted(info.st_mode, kind))
        return Refused(NotAFileReason(info.st_mode));
    // A pipe is read to its end, waiting for its writer; a regular file never blocks.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return SystemError(errno);

    std::string text;
    while (text.size() < limit) {
        char chunk[65536];
        const std::size_t want = std::min(sizeof chunk, limit - text.size());
        const ssize_t n = ::read(fd, chunk, want);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return SystemError(errno, true);
        }
        if (n == 0)
            break;
        text.append(chunk, static_cast<std::size_t>(n));
    }
    // A named pipe nobody wrote into reads as empty at once; say so rather than take it for
    // an empty list or document.
    if (text.empty() && S_ISFIFO(info.st_mode))
        return {false, true, "nothing came through the pipe", 0};
    contents = std::move(text);
    return {true, true, {}, 0};
}

FileResult InputFailure(const std::string &path, const InputResult &result) {
    return {false, std::string(result.opened ? "Cannot read " : "Cannot open ") +
                       Quoted(path, kEchoedPathLength) + ": " + result.reason};
}

} // namespace dpmr
