#include "core/image/code_plug_file.h"

#include <atomic>
#include <cerrno>
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
    return {false, what + " \"" + path + "\": " + std::strerror(error)};
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

std::string FolderOf(const std::string &path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

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
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0)
        return Failure("Cannot open", path, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return Failure("Cannot read", path, errno);
    if (S_ISDIR(info.st_mode))
        return Failure("Cannot open", path, EISDIR);

    // Read into a buffer first: the image changes only when all 16384 bytes arrived.
    std::vector<std::uint8_t> buffer(kImageSize);
    std::size_t got = 0;
    while (got < kImageSize) {
        const ssize_t n = ::read(file.get(), buffer.data() + got, kImageSize - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Failure("Cannot read", path, errno);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got < kImageSize) {
        return {false, "Cannot open \"" + path + "\": the file holds " + std::to_string(got) +
                           " bytes; a code plug needs " + std::to_string(kImageSize) + " bytes"};
    }
    std::memcpy(image.data(), buffer.data(), kImageSize);
    return {true, {}};
}

FileResult WriteFileAtomically(const std::string &path, const void *data, std::size_t size) {
    // Through a symbolic link we write the file it names, as writing in place would, and
    // leave the link alone. Messages keep naming the path the user chose.
    std::string destination = path;
    if (char *resolved = ::realpath(path.c_str(), nullptr)) {
        destination = resolved;
        std::free(resolved);
    }
    struct stat target {};
    if (::stat(destination.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode))
            return Failure("Cannot save", path, EISDIR);
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

FileResult SaveCodePlugFile(const std::string &path, const Image &image) {
    return WriteFileAtomically(path, image.data(), kImageSize);
}

} // namespace dpmr
