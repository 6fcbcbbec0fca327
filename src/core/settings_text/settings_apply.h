#pragma once
// Changes to a code plug by setting name, applied through the editors' own rules: the page's
// load, the field's rule check, the page's store; contacts, messages and keys through their
// list operations; then RefreshDerivedData. All or nothing: the first refused change leaves
// the image as it was.

#include "core/image/image.h"

#include <string>
#include <vector>

namespace dpmr {

struct SettingChange {
    std::string path;  // "channel.5.rx_freq", "dpmr.contacts.2.name"
    std::string text;  // the value as a control would show it
    std::string where; // "line 12", "argument 3": the message names it
};

struct ApplyResult {
    bool ok = true;
    bool changed = false; // some byte may have changed
    std::string message;  // one line: where, the setting, why
    explicit operator bool() const { return ok; }
};

// How list rows are read. Whole (a document): a list section given at all is the whole list,
// rows 1..n, so a row left out is deleted. Edit (single settings on the command line): the rows
// given are changed in place or added after the last, and no row is deleted; a group list
// member given empty leaves the list.
enum class ListRows { Whole, Edit };

// Each column of a row is kept from the row it replaces unless given. A record whose values all
// equal what it shows is not stored.
ApplyResult ApplySettings(Image &image, const std::vector<SettingChange> &changes,
                          ListRows rows = ListRows::Whole);

} // namespace dpmr
