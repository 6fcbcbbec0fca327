#pragma once
// "Program.ini": section headers in brackets followed by key=value lines, read and written
// the way the old Windows profile functions do (no escaping; backslashes stay as they are).

#include <string>
#include <string_view>

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

private:
    std::string path_;
};

} // namespace dpmr
