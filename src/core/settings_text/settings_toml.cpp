#include "core/settings_text/settings_toml.h"

#include "core/settings_text/rule_text.h"
#include "core/text/message_text.h"
#include "core/settings_text/toml_depth.h"

#include <toml++/toml.h>

#include <sstream>

namespace dpmr {

namespace {

// One `key = value` line, formatted by toml++ so quoting and escapes follow TOML.
std::string ValueLine(const Setting &setting) {
    toml::table line;
    if (setting.rule && setting.rule->kind == RuleKind::Check)
        line.insert(setting.key, setting.text == "1");
    else
        line.insert(setting.key, setting.text);
    std::ostringstream out;
    out << toml::toml_formatter(line, toml::format_flags::none);
    std::string text = out.str();
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

std::string Where(const toml::node &node) {
    return "line " + std::to_string(node.source().begin.line);
}

void Collect(const toml::table &table, const std::string &prefix,
             std::vector<SettingChange> &changes) {
    for (const auto &[key, node] : table) {
        const std::string path =
            prefix.empty() ? std::string(key.str()) : prefix + "." + std::string(key.str());
        if (const toml::table *inner = node.as_table()) {
            Collect(*inner, path, changes);
        } else if (const auto *text = node.as_string()) {
            changes.push_back({path, text->get(), Where(node)});
        } else if (const auto *check = node.as_boolean()) {
            changes.push_back({path, check->get() ? "1" : "0", Where(node)});
        } else if (const auto *number = node.as_integer()) {
            changes.push_back({path, std::to_string(number->get()), Where(node)});
        } else {
            throw std::runtime_error(Where(node) + ", " + EscapedText(path) +
                                     ": expected a text, true/false or a whole number");
        }
    }
}

} // namespace

std::string SettingsToml(const std::vector<Setting> &settings, const Image &image,
                         std::string_view only) {
    std::string out;
    std::string section;
    for (const Setting &setting : settings) {
        if (!only.empty() && setting.section != only &&
            !setting.section.starts_with(std::string(only) + "."))
            continue;
        if (setting.section != section) {
            section = setting.section;
            out += (out.empty() ? "[" : "\n[") + section + "]\n";
        }
        out += ValueLine(setting);
        if (setting.rule && setting.rule->kind != RuleKind::Check &&
            setting.rule->kind != RuleKind::Choice)
            out += "  # " + DescribeRule(*setting.rule, image);
        out += '\n';
    }
    return out;
}

ApplyResult ChangesFromToml(std::string_view document, std::vector<SettingChange> &changes) {
    if (document.size() > kMaxSettingsDocumentSize)
        return {.ok = false,
                .message = "larger than " + std::to_string(kMaxSettingsDocumentSize) +
                           " bytes, the most a settings document may hold"};
    if (const TomlDepth deepest = DeepestTomlLevel(document, kMaxSettingsDocumentDepth);
        deepest.depth > kMaxSettingsDocumentDepth)
        return {.ok = false,
                .message = "line " + std::to_string(deepest.line) + ": nested deeper than " +
                           std::to_string(kMaxSettingsDocumentDepth) + " levels"};
    try {
        const toml::table root = toml::parse(document);
        Collect(root, "", changes);
    } catch (const toml::parse_error &error) {
        std::string what(error.description());
        for (char &c : what)
            if (c == '\n')
                c = ' ';
        return {.ok = false,
                .message = "line " + std::to_string(error.source().begin.line) + ": " +
                           EscapedText(what, kEchoedPathLength)};
    } catch (const std::runtime_error &error) {
        return {.ok = false, .message = EscapedText(error.what(), kEchoedPathLength)};
    }
    return {};
}

} // namespace dpmr
