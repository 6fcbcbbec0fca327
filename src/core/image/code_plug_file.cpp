#include "core/image/code_plug_file.h"

#include "core/files/file_paths.h"
#include "core/files/input_file.h"
#include "core/text/message_text.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace dpmr {

namespace {

FileResult Failure(const std::string &what, const std::string &path, int error) {
    return {false, what + " " + Quoted(path, kEchoedPathLength) + ": " + std::strerror(error)};
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool WriteAll(int fd, const std::uint8_t *data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

FileResult LoadCodePlugFile(const std::string &path, Image &image) {
    // Read into a buffer first: the image changes only when all 16384 bytes arrived.
    std::string bytes;
    if (const InputResult read = ReadInputFile(path, InputKind::File, kImageSize, bytes); !read)
        return InputFailure(path, read);
    if (bytes.size() < kImageSize) {
        return {false, "Cannot open " + Quoted(path, kEchoedPathLength) + ": the file holds " +
                           std::to_string(bytes.size()) + " bytes; a code plug needs " +
                           std::to_string(kImageSize) + " bytes"};
    }
    std::memcpy(image.data(), bytes.data(), kImageSize);
    return {true, {}};
}

FileResult WriteFileAtomically(const std::string &path, const void *data, std::size_t size) {
    // Through a symbolic link we write the file it names, as writing in place would, and
    // leave the link alone; a dangling link gets the file it names created. Messages keep
    // naming the path the user chose.
    const std::string destination = ResolveLinks(path);
    struct stat target {};
    if (::lstat(destination.c_str(), &target) == 0) {
        // Never rename over a device, a pipe or a folder (as root, "set /dev/zero" would
        // replace the device node).
        if (S_ISLNK(target.st_mode))
            return Failure("Cannot save", path, ELOOP);
        if (const std::string reason = NotAFileReason(target.st_mode); !reason.empty())
            return {false, "Cannot save " + Quoted(path, kEchoedPathLength) + ": " + reason};
        // The rename below would replace a file we may not write; refuse as an in-place
        // write would.
        if (::faccessat(AT_FDCWD, destination.c_str(), W_OK, AT_EACCESS) != 0)
            return Failure("Cannot save", path, errno);
    }

    // A new name each time; O_EXCL refuses anything already there, and the kernel applies
    // the umask as it would to the file itself.
    static std::atomic<unsigned> counter{0};
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = FolderOf(destination) + "/.dpmr-save-" + std::to_string(::getpid()) + "-" +
                    std::to_string(counter++);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    FileDescriptor file(fd);
    if (file.get() < 0)
        return Failure("Cannot save", path, errno);

    auto fail = [&](int error) {
        ::unlink(temporary.c_str());
        return Failure("Cannot save", path, error);
    };
    // Keep the permissions of the file we replace.
    if (::stat(destination.c_str(), &target) == 0 &&
        ::fchmod(file.get(), target.st_mode & 07777) != 0)
        return fail(errno);
    if (!WriteAll(file.get(), static_cast<const std::uint8_t *>(data), size))
        return fail(errno);
    if (::fsync(file.get()) != 0)
        return fail(errno);
    if (::close(file.release()) != 0)
        return fail(errno);
    if (::rename(temporary.c_str(), destination.c_str()) != 0)
        return fail(errno);
    // Make the rename itself durable.
    FileDescriptor folder(
        ::open(FolderOf(destination).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return {true, {}};
}

void IgnoreFileSizeSignal() {
    std::signal(SIGXFSZ, SIG_IGN);
}

FileResult SaveCodePlugFile(const std::string &path, const Image &image) {
    return WriteFileAtomically(path, image.data(), kImageSize);
}

} // namespace dpmr
