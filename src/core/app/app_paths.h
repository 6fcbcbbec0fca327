#pragma once
// Where "Program.ini" and the "DATA" folder live: beside the executable, or, when that folder
// cannot be written (an installed copy), in $XDG_CONFIG_HOME/dpmr-cps/.

#include <string>

namespace dpmr {

struct AppPaths {
    std::string folder;       // ends with '/'
    std::string settingsFile; // folder + "Program.ini"
    std::string dataFolder;   // folder + "DATA"
};

// The folder of the running executable, from /proc/self/exe, ending with '/'.
std::string ExecutableFolder();
AppPaths ResolveAppPaths(const std::string &executableFolder);
// Creates the "DATA" folder when nothing of that name exists; failures are ignored.
void EnsureDataFolder(const AppPaths &paths);

} // namespace dpmr
