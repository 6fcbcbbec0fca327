#pragma once
// How the radio scans: resume mode, priority channel, stop time and resume delay, and the
// settings of the same bytes that the dialog carries without showing them.

#include "core/fields/page_table.h"

namespace dpmr {

enum ScanField : int {
    kScanMode,
    kToneScanMode,
    kStopTime,
    kResumeDelay,
    kTalkBack,
    kScanBeginTone,
    kScanEndTone,
    kScanTxChannel,
    kPriorityChannel,
    kSpecifiedChannel,
    kScanFieldCount
};

extern const PageTable kScanPage;

// "None", then the number of every channel in use, ascending.
ChoiceList ChannelsInUseChoices(const Image &image);

} // namespace dpmr
