#include "core/app/settings_file.h"

#include "core/files/input_file.h"
#include "core/image/code_plug_file.h"

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <vector>

namespace dpmr {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

// "[name]" gives name; anything else is not a section header.
bool SectionName(std::string_view line, std::string_view &name) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return false;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = Trim(line.substr(1, close - 1));
    return true;
}

bool KeyLine(std::string_view line, std::string_view &key, std::string_view &value) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return !key.empty() && key.front() != ';';
}

// Far more than any settings file holds.
constexpr std::size_t kMaxSettingsFileSize = 1024 * 1024;

// The file's lines; false when it is there but cannot be read (a folder, a named pipe, a
// device, too large), so that Write does not put a new file in its place.
bool ReadLines(const std::string &path, std::vector<std::string> &lines) {
    lines.clear();
    std::string text;
    const InputResult read = ReadInputFile(path, InputKind::File, kMaxSettingsFileSize + 1, text);
    if (!read)
        return read.error == ENOENT;
    if (text.size() > kMaxSettingsFileSize)
        return false;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return true;
}

bool WriteLines(const std::string &path, const std::vector<std::string> &lines) {
    std::ostringstream out;
    for (const std::string &line : lines)
        out << line << "\r\n";
    const std::string text = out.str();
    return WriteFileAtomically(path, text.data(), text.size()).ok;
}

} // namespace

std::string SettingsFile::Read(std::string_view section, std::string_view key) const {
    if (key.empty())
        return {};
    bool inSection = false;
    std::vector<std::string> lines;
    ReadLines(path_, lines);
    for (const std::string &line : lines) {
        std::string_view name, k, v;
        if (SectionName(line, name)) {
            inSection = SameName(name, section);
        } else if (inSection && KeyLine(line, k, v) && SameName(k, key)) {
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.substr(1, v.size() - 2);
            return std::string(v.substr(0, kMaxValueLength));
        }
    }
    return {};
}

bool SettingsFile::Write(std::string_view section, std::string_view key, std::string_view value) {
    if (key.empty() || value.empty())
        return false;
    std::vector<std::string> lines;
    if (!ReadLines(path_, lines))
        return false;
    const std::string entry = std::string(key) + "=" + std::string(value);

    bool inSection = false, found = false, written = false;
    std::size_t sectionEnd = lines.size();
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        std::string_view name, k, v;
        if (SectionName(lines[i], name)) {
            if (inSection)
                break;
            inSection = SameName(name, section);
            if (inSection) {
                found = true;
                sectionEnd = i + 1;
            }
        } else if (inSection) {
            if (KeyLine(lines[i], k, v) && SameName(k, key)) {
                lines[i] = entry;
                written = true;
            } else if (!Trim(lines[i]).empty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (!written) {
        if (!found) {
            std::string header = "[";
            header.append(section).append("]");
            lines.push_back(header);
            lines.push_back(entry);
        } else {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), entry);
        }
    }
    return WriteLines(path_, lines);
}

bool SettingsFile::ReplaceSection(std::string_view section,
                                  const std::vector<std::pair<std::string, std::string>> &entries) {
    std::vector<std::string> lines;
    if (!ReadLines(path_, lines))
        return false; // never put a new file in place of one that cannot be read
    std::vector<std::string> kept;
    bool inSection = false;
    for (const std::string &line : lines) {
        std::string_view name;
        if (SectionName(line, name))
            inSection = SameName(name, section);
        if (!inSection)
            kept.push_back(line);
    }
    if (entries.empty() && kept.size() == lines.size())
        return true; // no such section: the file stays untouched (or absent)
    if (!entries.empty()) {
        kept.push_back("[" + std::string(section) + "]");
        for (const auto &[key, value] : entries)
            kept.push_back(key + "=" + value);
    }
    return WriteLines(path_, kept);
}

} // namespace dpmr
