#include "core/files/file_paths.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace dpmr {

namespace {

std::string RealPath(const std::string &path) {
    std::string real;
    if (char *resolved = ::realpath(path.c_str(), nullptr)) {
        real = resolved;
        std::free(resolved);
    }
    return real;
}

std::string NameOf(const std::string &path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string FolderOf(const std::string &path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ResolveLinks(const std::string &path) {
    if (std::string real = RealPath(path); !real.empty())
        return real;
    // Not there (yet), or a link to something not there: follow the links by hand.
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), target, sizeof target - 1);
        if (n <= 0)
            break;
        const std::string next(target, static_cast<std::size_t>(n));
        current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
    }
    const std::string folder = RealPath(FolderOf(current));
    if (folder.empty())
        return current;
    return (folder == "/" ? "" : folder) + "/" + NameOf(current);
}

bool SameFile(const std::string &a, const std::string &b) {
    struct stat first {
    }, second{};
    if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return ResolveLinks(a) == ResolveLinks(b);
}

} // namespace dpmr
