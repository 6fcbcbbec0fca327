#pragma once
// The settings as a TOML document and back, through toml++: a table per section in the
// editors' order, the shown value of each field (checks as true/false), a comment with the
// field's range or choices.

#include "core/settings_text/setting_list.h"
#include "core/settings_text/settings_apply.h"

#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

// Only the sections named `only` or below it ("channel" gives every channel) when not empty.
std::string SettingsToml(const std::vector<Setting> &settings, const Image &image,
                         std::string_view only = {});

// The changes a document asks for, each with its line; false and a one-line message when the
// document is not TOML or holds a value of the wrong type.
ApplyResult ChangesFromToml(std::string_view document, std::vector<SettingChange> &changes);

} // namespace dpmr
