#pragma once
// The dPMR contact list as other lists see it: the index at 0x1600 gives the record offsets in
// list order, a record's slot number is its contact number, and group receive lists name
// contacts by that number.

#include "core/image/image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dpmr {

// A channel's contact byte that names no contact.
inline constexpr std::uint8_t kNoContact = 0xFF;

// Record offsets in list order, up to the first entry outside 0x1680-0x1A70.
std::vector<std::size_t> ContactIndexEntries(const Image &image);
// The slot number 1-64 of a record offset.
int ContactSlot(std::size_t recordOffset);
// A record in use (byte +0 not 0xFF) whose type is group call.
bool IsGroupCallContact(const Image &image, int contact);

// The first "Name %d" (1-64) that none of the names is; empty when all are taken.
std::string FirstFreeContactName(const std::vector<std::string> &names);

// Members of list 1-16 in order, up to the first 0x00 or 0xFF.
std::vector<std::uint8_t> GroupListMembers(const Image &image, int list);
// The list's 8 bytes become 0xFF, then the members from the start.
void WriteGroupList(Image &image, int list, const std::vector<std::uint8_t> &members);
// Group receive lists keep only group-call contacts in use; a list left empty is unlinked
// from every channel and the VFO.
void PurgeGroupLists(Image &image);

} // namespace dpmr
