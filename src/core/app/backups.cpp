#include "core/app/backups.h"

#include "core/image/code_plug_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace dpmr {

namespace {

const std::regex kBackupName(R"(\d{8}-\d{6}-(read|write)(-\d+)?\.dat)");

bool MakeFolder(const std::string &folder, std::string &reason) {
    std::string partial;
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        partial = folder.substr(0, slash);
        if (::mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) {
            reason = "Cannot create the backup folder \"" + partial + "\": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        reason = "Cannot use the backup folder \"" + folder + "\": not a folder";
        return false;
    }
    return true;
}

// Claims a name no other backup has, even one being written at the same moment elsewhere.
bool ClaimName(const std::string &folder, const std::string &stem, std::string &path,
               std::string &reason) {
    for (int n = 1; n < 1000; ++n) {
        path = folder + "/" + stem;
        if (n > 1)
            path.append("-").append(std::to_string(n));
        path.append(".dat");
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        if (errno != EEXIST) {
            reason = "Cannot write the backup \"" + path + "\": " + std::strerror(errno);
            return false;
        }
    }
    reason = "Cannot write a backup in \"" + folder + "\": every name for " + stem + " is taken";
    return false;
}

// Names sort by time, so the oldest come first.
void DeleteOldest(const std::string &folder, int keep) {
    std::vector<std::string> names;
    if (DIR *dir = ::opendir(folder.c_str())) {
        while (const dirent *entry = ::readdir(dir))
            if (std::regex_match(entry->d_name, kBackupName))
                names.emplace_back(entry->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    const auto excess = static_cast<std::ptrdiff_t>(names.size()) - keep;
    for (std::ptrdiff_t i = 0; i < excess; ++i)
        ::unlink((folder + "/" + names[static_cast<std::size_t>(i)]).c_str());
}

} // namespace

BackupPlace BackupPlaceOf(const AppPaths &paths) {
    return {paths.dataFolder + "/backups", BackupsKept(SettingsFile(paths.settingsFile))};
}

int BackupsKept(const SettingsFile &settings) {
    const std::string text = settings.Read("Setup", "BACKUPS");
    char *end = nullptr;
    const long kept = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || kept < 1 || kept > 100000)
        return kDefaultBackupsKept;
    return static_cast<int>(kept);
}

BackupResult SaveBackup(const std::string &folder, BackupReason reason, const Image &image,
                        int keep, std::time_t now) {
    BackupResult result;
    if (!MakeFolder(folder, result.message))
        return result;
    std::tm local{};
    ::localtime_r(&now, &local);
    char stem[64];
    std::strftime(stem, sizeof stem, "%Y%m%d-%H%M%S", &local);
    const std::string name =
        std::string(stem) + (reason == BackupReason::Read ? "-read" : "-write");
    if (!ClaimName(folder, name, result.path, result.message))
        return result;
    if (const FileResult saved = SaveCodePlugFile(result.path, image); !saved) {
        ::unlink(result.path.c_str());
        result.message = "Cannot write the backup: " + saved.message;
        return result;
    }
    DeleteOldest(folder, std::max(keep, 1));
    result.ok = true;
    return result;
}

} // namespace dpmr
