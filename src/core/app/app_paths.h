#pragma once
// Where "Program.ini" and the "DATA" folder live. An installed copy keeps them in the XDG
// folders ($XDG_CONFIG_HOME/dpmr-cps/Program.ini, $XDG_DATA_HOME/dpmr-cps/DATA) and never
// writes beside its executable, even when it could (root can write /usr/bin). A build tree
// or a portable copy, marked by the file kPortableMarker beside the executable, keeps both
// beside the executable.

#include <string>

namespace dpmr {

// An empty file of this name beside the executable makes the copy portable. The build
// writes one into its bin/ folder; an install does not.
inline constexpr const char *kPortableMarker = "dpmr-cps.portable";

struct AppPaths {
    std::string settingsFile; // ".../Program.ini"
    std::string dataFolder;   // ".../DATA"
};

// The folder of the running executable, from /proc/self/exe, ending with '/'.
std::string ExecutableFolder();
// Program.ini and DATA both in `folder`.
AppPaths PathsBeside(const std::string &folder);
bool IsPortableCopy(const std::string &executableFolder);
// Beside the executable for a portable copy, else the XDG folders (created as needed).
AppPaths ResolveAppPaths(const std::string &executableFolder);
// Creates the "DATA" folder when nothing of that name exists; failures are ignored.
void EnsureDataFolder(const AppPaths &paths);

} // namespace dpmr
