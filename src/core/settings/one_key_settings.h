#pragma once
// The five one-key calls: a digital call to a contact (optionally sending a message) or an
// analog call dialling an auto-dial number. Entries name contacts, messages and auto-dial
// numbers by number, never by text.

#include "core/fields/list_table.h"
#include "core/fields/page_table.h"

namespace dpmr {

enum class CallMode : int { None = 0, Digit = 1, Analog = 2 };
inline constexpr int kCallTypeMsg = 2; // a digital call that sends a message

struct OneKeyCall {
    CallMode mode = CallMode::None;
    int list = 0;    // contact (Digit) or auto-dial number (Analog); 0 for "None"
    int type = 0;    // 0 "None", 1 "Call", 2 "Msg" (Digit only)
    int message = 0; // Digit with "Msg": message number (its position in the list)
    bool operator==(const OneKeyCall &) const = default;
};

// What a call may name in this image: contacts whose slot is in use and listed, auto-dial
// numbers that are not empty, messages by position; each list starts with {"None", 0}.
ChoiceList OneKeyContactChoices(const Image &image);
ChoiceList OneKeyMessageChoices(const Image &image);
ChoiceList CallModeChoices(const Image &image);           // "None", "Digit", "Analog"
ChoiceList CallTypeChoices(const Image &, CallMode mode); // Analog: "None", "Call"; Digit: + "Msg"

// Entry n (1-5) as the page shows it: a reference to nothing that exists is 0 ("None"), an
// unknown call type is "None", and a mode other than Digit or Analog is an empty row.
OneKeyCall LoadOneKeyCall(const Image &image, int n);
// Bytes +4..+7 become 0xFF; an empty row stores 0 0 0 0.
void StoreOneKeyCall(Image &image, int n, const OneKeyCall &call);
// The user chose a mode: "None" empties the row, a new mode on an empty row names nothing yet,
// and a change keeps what still fits the new mode.
OneKeyCall WithMode(const OneKeyCall &call, CallMode mode);

// The "One key" grid: the five calls, columns "call_mode", "call_list", "call_type", "msg". A
// row keeps the numbers the call names (its codes); its cells show their texts, and a cell of
// an empty row shows nothing.
extern const ListTable kOneKeyList;

// Records 1..5 with the fields call_mode (text), call_list, call_type, msg (numbers).
extern const PageTable kOneKeyPage;

} // namespace dpmr
