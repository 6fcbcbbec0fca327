#include "core/app/recent_files.h"

#include <algorithm>

namespace dpmr {

namespace {

std::string KeyOf(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

std::vector<std::string> ReadRecentFiles(const SettingsFile &settings) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < kMaxRecentFiles; ++i) {
        const std::string path = settings.Read(kRecentFilesSection, KeyOf(i));
        if (!path.empty() && std::find(files.begin(), files.end(), path) == files.end())
            files.push_back(path);
    }
    return files;
}

bool WriteRecentFiles(SettingsFile &settings, const std::vector<std::string> &files) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (std::size_t i = 0; i < files.size() && i < kMaxRecentFiles; ++i)
        entries.emplace_back(KeyOf(i), files[i]);
    return settings.ReplaceSection(kRecentFilesSection, entries);
}

void AddRecentFile(std::vector<std::string> &files, const std::string &path) {
    if (path.empty() || path.size() > SettingsFile::kMaxValueLength)
        return; // it would not come back whole from the file
    RemoveRecentFile(files, path);
    files.insert(files.begin(), path);
    if (files.size() > kMaxRecentFiles)
        files.resize(kMaxRecentFiles);
}

void RemoveRecentFile(std::vector<std::string> &files, const std::string &path) {
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
}

} // namespace dpmr
