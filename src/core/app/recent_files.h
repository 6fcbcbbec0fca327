#pragma once
// File > Recent files: the last code plugs opened or saved, newest first, kept in "Program.ini"
// under a section of their own ("File1" to "File8").

#include "core/app/settings_file.h"

#include <string>
#include <vector>

namespace dpmr {

inline constexpr std::size_t kMaxRecentFiles = 8;
inline constexpr const char *kRecentFilesSection = "Recent File List";

// Entries in key order, empty ones and repeats skipped, at most eight.
std::vector<std::string> ReadRecentFiles(const SettingsFile &settings);
bool WriteRecentFiles(SettingsFile &settings, const std::vector<std::string> &files);

// `path` goes to the top (moved there if it is in the list already); the ninth drops off. A
// path longer than a settings value may be is not kept.
void AddRecentFile(std::vector<std::string> &files, const std::string &path);
void RemoveRecentFile(std::vector<std::string> &files, const std::string &path);

} // namespace dpmr
