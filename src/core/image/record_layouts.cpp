#include "core/image/record_layouts.h"

#include <stdexcept>
#include <string>

namespace dpmr {

void WriteDefaultRecordFields(Image &image, std::size_t record) {
    using namespace channel_layout;
    WriteNumber(image, record, kOffsetFreq, kDefaultOffsetFreq);
    for (std::size_t i = 0; i < kDefaultFlags.size(); ++i)
        image[record + kFlagBytes + i] = kDefaultFlags[i];
}

std::size_t ContactRecordOffset(int contact) {
    if (contact < 1 || contact > kContactCount)
        throw std::out_of_range("contact number " + std::to_string(contact));
    return kContactRecords + kContactRecordSize * static_cast<std::size_t>(contact - 1);
}

std::size_t MessageRecordOffset(int message) {
    if (message < 1 || message > kMessageCount)
        throw std::out_of_range("message number " + std::to_string(message));
    return kMessageRecords + kMessageRecordSize * static_cast<std::size_t>(message - 1);
}

std::size_t PmsEntryOffset(int entry) {
    if (entry < 1 || entry > kPmsCount)
        throw std::out_of_range("PMS entry " + std::to_string(entry));
    return kPmsEntries + kPmsEntrySize * static_cast<std::size_t>(entry - 1);
}

std::size_t OneKeyEntryOffset(int entry) {
    if (entry < 1 || entry > kOneKeyCount)
        throw std::out_of_range("one-key entry " + std::to_string(entry));
    return kOneKeyEntries + kOneKeyEntrySize * static_cast<std::size_t>(entry - 1);
}

std::size_t GroupListOffset(int list) {
    if (list < 1 || list > kGroupListCount)
        throw std::out_of_range("group list " + std::to_string(list));
    return kGroupLists + kGroupListSize * static_cast<std::size_t>(list - 1);
}

bool IsPmsEntryDefined(const Image &image, int entry) {
    const std::size_t at = PmsEntryOffset(entry);
    return IsFrequencyShown(image, at, pms_layout::kLow) &&
           IsFrequencyShown(image, at, pms_layout::kHigh);
}

} // namespace dpmr
