#include "core/channels/contact_index.h"

#include "core/image/record_layouts.h"

#include <algorithm>

namespace dpmr {

namespace {

constexpr std::uint8_t kNoGroupList = 0;

} // namespace

std::vector<std::size_t> ContactIndexEntries(const Image &image) {
    std::vector<std::size_t> entries;
    std::vector<bool> named(kContactCount + 1, false);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kContactCount); ++i) {
        const std::size_t entry = image.U16le(kContactIndex + 2 * i);
        if (entry < kContactRecords || entry > kContactLastRecord)
            break;
        // An entry into the middle of a record, or a second one for a record, is dropped:
        // writing through it would reach a neighbour's bytes or make two rows of one slot.
        if ((entry - kContactRecords) % kContactRecordSize != 0)
            continue;
        const auto slot = static_cast<std::size_t>(ContactSlot(entry));
        if (named[slot])
            continue;
        named[slot] = true;
        entries.push_back(entry);
    }
    return entries;
}

int ContactSlot(std::size_t recordOffset) {
    return static_cast<int>((recordOffset - kContactRecords) / kContactRecordSize) + 1;
}

bool IsGroupCallContact(const Image &image, int contact) {
    // Numbers beyond the 64 slots would point into the message records.
    if (contact < 1 || contact > kContactCount)
        return false;
    const std::size_t record = ContactRecordOffset(contact);
    return image[record] != 0xFF && ReadNumber(image, record, contact_layout::kGroupCall) != 0;
}

std::string FirstFreeContactName(const std::vector<std::string> &names) {
    for (int k = 1; k <= kContactCount; ++k) {
        std::string candidate = "Name " + std::to_string(k);
        if (std::find(names.begin(), names.end(), candidate) == names.end())
            return candidate;
    }
    return {};
}

std::vector<std::uint8_t> GroupListMembers(const Image &image, int list) {
    std::vector<std::uint8_t> members;
    const std::size_t offset = GroupListOffset(list);
    for (std::size_t i = 0; i < kGroupListSize; ++i) {
        const std::uint8_t member = image[offset + i];
        if (member == 0x00 || member == 0xFF)
            break;
        members.push_back(member);
    }
    return members;
}

void WriteGroupList(Image &image, int list, const std::vector<std::uint8_t> &members) {
    const std::size_t offset = GroupListOffset(list);
    image.Fill(offset, kGroupListSize, 0xFF);
    for (std::size_t i = 0; i < members.size() && i < kGroupListSize; ++i)
        image[offset + i] = members[i];
}

void PurgeGroupLists(Image &image) {
    for (int list = 1; list <= kGroupListCount; ++list) {
        std::vector<std::uint8_t> kept = GroupListMembers(image, list);
        std::erase_if(kept, [&](std::uint8_t m) { return !IsGroupCallContact(image, m); });
        WriteGroupList(image, list, kept);
        if (!kept.empty())
            continue;
        // Channels and the VFO that use the emptied list no longer do.
        for (int n = 1; n <= kVfoChannel; ++n) {
            const std::size_t listByte = ChannelRecordAt(n) + channel_layout::kGroupRxList.offset;
            if (image[listByte] == list)
                image[listByte] = kNoGroupList;
        }
    }
}

} // namespace dpmr
