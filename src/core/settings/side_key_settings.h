#pragma once
// The "Side Key" page: a function for the short and the long press of each programmable key,
// and the long-press time.

#include "core/fields/page_table.h"

#include <string>

namespace dpmr {

extern const PageTable kSideKeyPage;

// Field indexes of kSideKeyPage: the long key time, then short and long press of each key in
// image order (SK3, SK1, SK2, P1, P2, P3, P4).
inline constexpr int kLongKeyTimeField = 0;
inline constexpr int kKeyCount = 7;
constexpr int ShortPressField(int key) {
    return 1 + 2 * key;
}
constexpr int LongPressField(int key) {
    return 2 + 2 * key;
}

// Monitor and the five one-key calls always take both presses of a key: after `leading`
// (a press field) changed, its partner follows it, or leaves such a function for "None".
void PairKeyPresses(FieldTexts &texts, int leading);

} // namespace dpmr
