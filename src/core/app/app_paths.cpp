#include "core/app/app_paths.h"

#include <cerrno>
#include <cstdlib>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dpmr {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

void MakeFolders(const std::string &folder) {
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos;
         slash = folder.find('/', slash + 1))
        ::mkdir(folder.substr(0, slash).c_str(), 0755);
    ::mkdir(folder.c_str(), 0755);
}

AppPaths PathsIn(const std::string &folder) {
    return {folder, folder + "Program.ini", folder + "DATA"};
}

} // namespace

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
}

AppPaths ResolveAppPaths(const std::string &executableFolder) {
    const std::string beside = WithSlash(executableFolder);
    if (::access(beside.c_str(), W_OK) == 0)
        return PathsIn(beside);
    std::string config;
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        config = xdg;
    else if (const char *home = std::getenv("HOME"); home && *home)
        config = std::string(home) + "/.config";
    else
        return PathsIn(beside);
    const std::string folder = WithSlash(WithSlash(config) + "dpmr-cps");
    MakeFolders(folder.substr(0, folder.size() - 1));
    return PathsIn(folder);
}

void EnsureDataFolder(const AppPaths &paths) {
    struct stat info {};
    if (::stat(paths.dataFolder.c_str(), &info) != 0)
        ::mkdir(paths.dataFolder.c_str(), 0755);
}

} // namespace dpmr
