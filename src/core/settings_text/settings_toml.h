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

// A full dump is some 300 KB; a document far larger is not one of ours.
inline constexpr std::size_t kMaxSettingsDocumentSize = 4 * 1024 * 1024;
// Ours nest three levels ([dpmr.contacts.2]); a document deeper than this is refused before
// it is parsed.
inline constexpr int kMaxSettingsDocumentDepth = 16;

// The changes a document asks for, each with its line; false and a one-line message when the
// document is too large, nests too deep, is not TOML or holds a value of the wrong type.
ApplyResult ChangesFromToml(std::string_view document, std::vector<SettingChange> &changes);

} // namespace dpmr
