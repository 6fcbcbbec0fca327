#pragma once
// "Program.ini": section headers in brackets followed by key=value lines, read and written
// the way the old Windows profile functions do (no escaping; backslashes stay as they are).

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dpmr {

class SettingsFile {
public:
    static constexpr std::size_t kMaxValueLength = 255;

    explicit SettingsFile(std::string path = "./Program.ini") : path_(std::move(path)) {}

    const std::string &path() const { return path_; }
    void setPath(std::string path) { path_ = std::move(path); }

    // Empty for an empty key, or when the file, section or key is absent; at most 255
    // characters. Section and key names compare without regard to case.
    std::string Read(std::string_view section, std::string_view key) const;
    // Writes only when key and value are both non-empty; false when nothing was written or
    // the file could not be written. Other lines of the file are kept as they were.
    bool Write(std::string_view section, std::string_view key, std::string_view value);
    // The section's key lines become `entries` (none: the section goes); every other line is
    // kept. For a list whose length changes, where Write could not remove the entries that
    // fell off.
    bool ReplaceSection(std::string_view section,
                        const std::vector<std::pair<std::string, std::string>> &entries);

private:
    std::string path_;
};

} // namespace dpmr
