#include "core/channels/new_channel.h"

#include "core/channels/channel_editor.h"
#include "core/image/frequency.h"
#include "core/image/record_layouts.h"

namespace dpmr {

void WriteNewChannel(Image &image, const BandLimits &band, int n, std::uint64_t rxFreq) {
    ClearChannel(image, n);
    WriteAlias(image, n, "");
    // The editor's own defaults, stored by the editor's own rules, so that the editor, set and
    // apply (which store through it) and the table and CSV (which come here) agree byte for byte.
    const FieldContext context{image, band};
    FieldTexts texts = LoadChannelEditor(context, n); // an empty channel: cleared controls
    texts[kEditRxFreq] = FrequencyText(static_cast<std::int64_t>(rxFreq));
    std::string previousRx;
    CommitReceiveFrequency(context, n, texts, previousRx);
    StoreFields(image, band, n, ChannelEditFields(), texts);
    ChannelRecord record = ReadChannel(image, n);
    DeriveOffset(record);
    WriteChannel(image, n, record);
}

void DeriveOffset(ChannelRecord &r) {
    if (!r.rxFreq || !r.txFreq)
        return;
    const std::uint64_t rx = *r.rxFreq, tx = *r.txFreq;
    r.offsetDir = rx > tx ? 2 : rx < tx ? 1 : 0;
    const std::uint64_t offset = rx > tx ? rx - tx : tx - rx;
    r.offsetFreq = offset > static_cast<std::uint64_t>(channel_layout::kMaxOffsetFreq)
                       ? channel_layout::kDefaultOffsetFreq
                       : offset;
}

} // namespace dpmr
