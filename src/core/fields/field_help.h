#pragma once
// What each field means and the unit it counts in, written once for every page: the tooltips,
// What's This, `dpmr-tool fields` and the manual's field lists read it from here. The key is
// the page's name and the field's name ("basic.sql", "channel.rx_freq").

#include <span>
#include <string>
#include <string_view>

namespace dpmr {

struct FieldHelp {
    std::string_view key;
    std::string_view unit;    // "s", "ms", "MHz"; empty for none
    std::string_view meaning; // one line a user who does not know the jargon can follow
};

std::span<const FieldHelp> FieldHelpTable();
// nullptr when the field has no entry (a test keeps that from happening).
const FieldHelp *FindFieldHelp(std::string_view page, std::string_view field);
std::string FieldHelpKey(std::string_view page, std::string_view field);

} // namespace dpmr
