#include "core/channels/channel_rows.h"

#include "core/channels/channel_record.h"
#include "core/image/bcd.h"
#include "core/image/derived_data.h"
#include "core/image/frequency.h"

#include <algorithm>
#include <memory>
#include <set>

namespace dpmr {

namespace {

// Places that hold a channel number, 0 meaning none.
constexpr std::array<std::size_t, 2> kChannelReferences = {kScanPriorityChannel,
                                                           kScanSpecifiedChannel};

std::string Plural(int count, const char *noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

// "5", "5 and 7", "5, 7 and 9".
std::string NumberList(const std::vector<int> &numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            text += i + 1 == numbers.size() ? " and " : ", ";
        text += std::to_string(numbers[i]);
    }
    return text;
}

std::vector<int> SortedUnique(const std::vector<int> &channels) {
    std::set<int> set;
    for (int n : channels)
        if (n >= 1 && n <= kChannelCount)
            set.insert(n);
    return {set.begin(), set.end()};
}

bool InBand(std::int64_t units, const BandLimits &band) {
    return ClampToBand(units, band) == units;
}

} // namespace

ChannelBytes ReadChannelBytes(const Image &image, int n) {
    ChannelBytes bytes;
    std::copy_n(image.data() + ChannelRecordOffset(n), kChannelRecordSize, bytes.record.begin());
    std::copy_n(image.data() + ChannelAliasOffset(n), kAliasSlotSize, bytes.alias.begin());
    if (HasDigitalExt(n)) {
        bytes.ext.emplace();
        std::copy_n(image.data() + ChannelDigitalExtOffset(n), kDigitalExtSize, bytes.ext->begin());
    }
    return bytes;
}

void WriteChannelBytes(Image &image, int n, const ChannelBytes &bytes) {
    std::copy(bytes.record.begin(), bytes.record.end(), image.data() + ChannelRecordOffset(n));
    std::copy(bytes.alias.begin(), bytes.alias.end(), image.data() + ChannelAliasOffset(n));
    if (!HasDigitalExt(n))
        return;
    if (bytes.ext) {
        std::copy(bytes.ext->begin(), bytes.ext->end(), image.data() + ChannelDigitalExtOffset(n));
    } else {
        image.Fill(ChannelDigitalExtOffset(n), kDigitalExtSize, 0xFF);
        WriteDigitalExt(image, n, ChannelDigitalExt{});
    }
}

ChannelBytes EmptyChannelBytes() {
    // Built in channel 1 of a blank image, so it has an extension to copy.
    static const ChannelBytes empty = [] {
        auto scratch = std::make_unique<Image>();
        ClearChannel(*scratch, 1);
        WriteDigitalExt(*scratch, 1, ChannelDigitalExt{});
        return ReadChannelBytes(*scratch, 1);
    }();
    return empty;
}

bool IsEmptyChannel(const ChannelBytes &bytes) {
    // The table's rule: the top digit pair of the receive frequency 0x00 or 0xFF.
    const std::uint8_t top = bytes.record[3];
    return top == 0x00 || top == 0xFF;
}

ChannelOrder IdentityOrder() {
    ChannelOrder order{};
    for (int i = 0; i < kChannelCount; ++i)
        order[static_cast<std::size_t>(i)] = i + 1;
    return order;
}

std::vector<int> AllChannels() {
    std::vector<int> all(kChannelCount);
    for (int n = 1; n <= kChannelCount; ++n)
        all[static_cast<std::size_t>(n - 1)] = n;
    return all;
}

void RenumberChannelReferences(Image &image, const std::array<int, kChannelCount + 1> &newNumber) {
    for (std::size_t offset : kChannelReferences) {
        const int old = image[offset];
        // 0 is "None"; numbers above 199 name no channel and stay as the radio left them.
        if (old >= 1 && old <= kChannelCount)
            image[offset] = static_cast<std::uint8_t>(newNumber[static_cast<std::size_t>(old)]);
    }
}

void RearrangeChannels(Image &image, const ChannelOrder &order) {
    std::vector<ChannelBytes> old(kChannelCount);
    for (int n = 1; n <= kChannelCount; ++n)
        old[static_cast<std::size_t>(n - 1)] = ReadChannelBytes(image, n);
    std::array<int, kChannelCount + 1> newNumber{};
    for (int n = 1; n <= kChannelCount; ++n) {
        const int from = order[static_cast<std::size_t>(n - 1)];
        if (from >= 1 && from <= kChannelCount) {
            WriteChannelBytes(image, n, old[static_cast<std::size_t>(from - 1)]);
            newNumber[static_cast<std::size_t>(from)] = n;
        } else {
            WriteChannelBytes(image, n, EmptyChannelBytes());
        }
    }
    RenumberChannelReferences(image, newNumber);
    RefreshDerivedData(image, DecodeBandLimits(image));
}

RowResult InsertEmptyChannel(Image &image, int at) {
    if (at < 1 || at > kChannelCount)
        return {false, "There is no channel " + std::to_string(at) + "."};
    if (!IsChannelEmpty(image, kChannelCount))
        return {false, "Channel " + std::to_string(kChannelCount) +
                           " is in use, so no channel can move down to make room. Delete or "
                           "move channel " +
                           std::to_string(kChannelCount) + " first."};
    ChannelOrder order{};
    for (int n = 1; n <= kChannelCount; ++n)
        order[static_cast<std::size_t>(n - 1)] = n < at ? n : n == at ? 0 : n - 1;
    RearrangeChannels(image, order);
    return {true, {}};
}

void DeleteChannels(Image &image, const std::vector<int> &channels) {
    const std::vector<int> gone = SortedUnique(channels);
    if (gone.empty())
        return;
    ChannelOrder order{};
    std::size_t next = 0;
    for (int n = 1; n <= kChannelCount; ++n)
        if (!std::binary_search(gone.begin(), gone.end(), n))
            order[next++] = n;
    RearrangeChannels(image, order); // the rest of `order` is 0: empty channels at the end
}

RowResult MoveChannels(Image &image, const std::vector<int> &channels, int direction) {
    const std::vector<int> moving = SortedUnique(channels);
    if (moving.empty() || (direction != -1 && direction != 1))
        return {false, "No channel is selected."};
    if (direction < 0 && moving.front() == 1)
        return {false, "Channel 1 is already at the top."};
    if (direction > 0 && moving.back() == kChannelCount)
        return {false, "Channel " + std::to_string(kChannelCount) + " is already at the bottom."};
    ChannelOrder order = IdentityOrder();
    const auto swap = [&order](int a, int b) {
        std::swap(order[static_cast<std::size_t>(a - 1)], order[static_cast<std::size_t>(b - 1)]);
    };
    // Walk against the direction, so a block of neighbours moves as one.
    if (direction < 0)
        for (int n : moving)
            swap(n, n - 1);
    else
        for (auto it = moving.rbegin(); it != moving.rend(); ++it)
            swap(*it, *it + 1);
    RearrangeChannels(image, order);
    return {true, {}};
}

void ClearChannels(Image &image, const std::vector<int> &channels) {
    for (int n : SortedUnique(channels))
        ClearChannel(image, n);
}

ChannelClip CopyChannels(const Image &image, const BandLimits &band,
                         const std::vector<int> &channels) {
    ChannelClip clip;
    clip.band = band;
    for (int n : SortedUnique(channels))
        clip.entries.push_back({n, ReadChannelBytes(image, n)});
    return clip;
}

namespace {

constexpr char kClipMagic[] = "dpmr-cps channels 1\n";
constexpr std::size_t kMagicSize = sizeof(kClipMagic) - 1;
constexpr std::size_t kEntrySize = 2 + kChannelRecordSize + kAliasSlotSize + kDigitalExtSize;

void PutU32(std::string &out, std::int64_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

std::uint32_t GetU32(const std::string &in, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(in[at + static_cast<std::size_t>(i)]);
    return v;
}

template <std::size_t N> void PutBytes(std::string &out, const std::array<std::uint8_t, N> &bytes) {
    out.append(reinterpret_cast<const char *>(bytes.data()), N);
}

template <std::size_t N>
void GetBytes(const std::string &in, std::size_t &at, std::array<std::uint8_t, N> &bytes) {
    std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(at), N, bytes.begin());
    at += N;
}

} // namespace

// magic, band low and high (u32 LE, 10 Hz), entry count (u32 LE), then per entry: source
// number, has-extension flag, record, alias slot, extension (0xFF when none).
std::string SerializeClip(const ChannelClip &clip) {
    std::string out(kClipMagic, kMagicSize);
    PutU32(out, clip.band.low);
    PutU32(out, clip.band.high);
    PutU32(out, static_cast<std::int64_t>(clip.entries.size()));
    for (const ChannelClip::Entry &entry : clip.entries) {
        out.push_back(static_cast<char>(entry.source));
        out.push_back(entry.bytes.ext ? 1 : 0);
        PutBytes(out, entry.bytes.record);
        PutBytes(out, entry.bytes.alias);
        PutBytes(out, entry.bytes.ext.value_or(
                          std::array<std::uint8_t, kDigitalExtSize>{0xFF, 0xFF, 0xFF, 0xFF}));
    }
    return out;
}

std::optional<ChannelClip> DeserializeClip(const std::string &data) {
    const std::size_t head = kMagicSize + 12;
    if (data.size() < head || data.compare(0, kMagicSize, kClipMagic) != 0)
        return std::nullopt;
    ChannelClip clip;
    clip.band.low = GetU32(data, kMagicSize);
    clip.band.high = GetU32(data, kMagicSize + 4);
    const std::uint32_t count = GetU32(data, kMagicSize + 8);
    if (count > static_cast<std::uint32_t>(kChannelCount) ||
        data.size() != head + count * kEntrySize)
        return std::nullopt;
    std::size_t at = head;
    for (std::uint32_t i = 0; i < count; ++i) {
        ChannelClip::Entry entry;
        entry.source = static_cast<std::uint8_t>(data[at]);
        const bool hasExt = data[at + 1] != 0;
        at += 2;
        GetBytes(data, at, entry.bytes.record);
        GetBytes(data, at, entry.bytes.alias);
        std::array<std::uint8_t, kDigitalExtSize> ext{};
        GetBytes(data, at, ext);
        if (hasExt)
            entry.bytes.ext = ext;
        clip.entries.push_back(entry);
    }
    return clip;
}

int PastePlan::pasted() const {
    return static_cast<int>(
        std::count_if(destination.begin(), destination.end(), [](int n) { return n != 0; }));
}

std::string PastePlan::Problems(const BandLimits &band) const {
    std::string text;
    const int total = fitting + beyondEnd;
    if (beyondEnd > 0)
        text += std::to_string(beyondEnd) + " of " + Plural(total, "channel") +
                (beyondEnd == 1 ? " does" : " do") + " not fit below channel " +
                std::to_string(at) + " (the last channel is " + std::to_string(kChannelCount) +
                ").";
    if (!outOfBand.empty()) {
        if (!text.empty())
            text += " ";
        text += (outOfBand.size() == 1 ? "Channel " : "Channels ") + NumberList(outOfBand) +
                (outOfBand.size() == 1 ? " lies" : " lie") + " outside " +
                std::to_string(band.low / kUnitsPerMHz) + "-" +
                std::to_string(band.high / kUnitsPerMHz) + " MHz.";
    }
    return text;
}

PastePlan PlanPaste(const ChannelClip &clip, int at, const BandLimits &band) {
    PastePlan plan;
    plan.at = std::clamp(at, 1, kChannelCount);
    auto scratch = std::make_unique<Image>();
    for (std::size_t i = 0; i < clip.entries.size(); ++i) {
        const int target = plan.at + static_cast<int>(i);
        if (target > kChannelCount) {
            ++plan.beyondEnd;
            continue;
        }
        ++plan.fitting;
        const ChannelBytes &bytes = clip.entries[i].bytes;
        bool fits = true;
        if (!IsEmptyChannel(bytes)) {
            WriteChannelBytes(*scratch, 1, bytes);
            const ChannelRecord record = ReadChannel(*scratch, 1);
            const auto outside = [&band](const std::optional<std::uint64_t> &units) {
                return units && !InBand(static_cast<std::int64_t>(*units), band);
            };
            fits = !outside(record.rxFreq) && !outside(record.txFreq);
        }
        if (!fits)
            plan.outOfBand.push_back(clip.entries[i].source);
        plan.destination.push_back(fits ? target : 0);
    }
    return plan;
}

void ApplyPaste(Image &image, const ChannelClip &clip, const PastePlan &plan) {
    for (std::size_t i = 0; i < plan.destination.size() && i < clip.entries.size(); ++i)
        if (plan.destination[i] != 0)
            WriteChannelBytes(image, plan.destination[i], clip.entries[i].bytes);
    RefreshDerivedData(image, DecodeBandLimits(image));
}

} // namespace dpmr
