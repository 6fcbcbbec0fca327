#pragma once
// Automatic backups: a timestamped copy of the image after every completed read and before
// every write, in DATA/backups/, the newest ones kept.

#include "core/app/app_paths.h"
#include "core/app/settings_file.h"
#include "core/image/image.h"

#include <ctime>
#include <string>

namespace dpmr {

inline constexpr int kDefaultBackupsKept = 50;

enum class BackupReason { Read, Write };

struct BackupResult {
    bool ok = false;
    std::string path;    // the copy written
    std::string message; // names the folder or file and the reason when !ok
    explicit operator bool() const { return ok; }
};

// "[Setup] BACKUPS" of Program.ini; the default when absent or not a number of 1 or more.
int BackupsKept(const SettingsFile &settings);

struct BackupPlace {
    std::string folder; // DATA/backups
    int kept = kDefaultBackupsKept;
};
// Where the program and the tool of these paths keep their backups, and how many.
BackupPlace BackupPlaceOf(const AppPaths &paths);

// Writes folder/YYYYMMDD-HHMMSS-read.dat (or -write.dat; "-2", "-3" ... after the time when
// that name is taken) atomically, creating the folder, then deletes the oldest backups beyond
// `keep`. Safe to call from several threads and processes at once.
BackupResult SaveBackup(const std::string &folder, BackupReason reason, const Image &image,
                        int keep, std::time_t now = std::time(nullptr));

} // namespace dpmr
