#include "core/app/app_paths.h"

#include <cstdlib>
#include <limits.h>
#include <pwd.h>
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
        ::mkdir(folder.substr(0, slash).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
}

std::string HomeFolder() {
    if (const char *home = std::getenv("HOME"); home && *home == '/')
        return home;
    // A service or sudo without HOME: the account's own folder, never the executable's.
    if (const passwd *account = ::getpwuid(::getuid()); account && account->pw_dir)
        return account->pw_dir;
    return "/tmp";
}

// $VARIABLE when it is an absolute path (the XDG rule), else HOME/fallback.
std::string XdgFolder(const char *variable, const char *fallback) {
    if (const char *value = std::getenv(variable); value && *value == '/')
        return value;
    return WithSlash(HomeFolder()) + fallback;
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

AppPaths PathsBeside(const std::string &folder) {
    const std::string beside = WithSlash(folder);
    return {beside + "Program.ini", beside + "DATA"};
}

bool IsPortableCopy(const std::string &executableFolder) {
    struct stat info {};
    return ::stat((WithSlash(executableFolder) + kPortableMarker).c_str(), &info) == 0;
}

AppPaths ResolveAppPaths(const std::string &executableFolder) {
    if (IsPortableCopy(executableFolder))
        return PathsBeside(executableFolder);
    const std::string config = WithSlash(XdgFolder("XDG_CONFIG_HOME", ".config")) + "dpmr-cps";
    const std::string data = WithSlash(XdgFolder("XDG_DATA_HOME", ".local/share")) + "dpmr-cps";
    MakeFolders(config);
    MakeFolders(data);
    return {config + "/Program.ini", data + "/DATA"};
}

void EnsureDataFolder(const AppPaths &paths) {
    struct stat info {};
    if (::stat(paths.dataFolder.c_str(), &info) != 0)
        ::mkdir(paths.dataFolder.c_str(), 0755);
}

} // namespace dpmr
