#pragma once
// Every field name the settings commands take, with its rule, made from the page registry and
// the lists: the `fields` command prints it and docs/fields.md is its output.

#include <string>
#include <vector>

namespace dpmr {

struct FieldEntry {
    std::string name; // "channel.N.rx_freq" (N a record number), "basic.squelch"
    std::string rule; // DescribeRule of a new code plug
    std::string meaning;
};

std::vector<FieldEntry> FieldEntries();
// A Markdown page: one table per section.
std::string FieldListing();

} // namespace dpmr
