#pragma once
// The encryption keys of the "Encrypt" page: up to 16 keys of 8 hexadecimal digits, numbered by
// position, marked present by the low bits of a bitmap. Channels and the VFO name a key by
// that number, so a store moves their references along with the keys.

#include "core/dpmr/numbered_list.h"
#include "core/fields/page_table.h"
#include "core/image/image.h"

#include <string>
#include <string_view>

namespace dpmr {

inline constexpr const char *kDefaultKeyText = "7E21A05C";
inline constexpr std::string_view kKeyCharacters = "0123456789ABCDEF";

// Keys while their bitmap bits run unbroken from bit 0.
NumberedList LoadKeys(const Image &image);
// Records, bitmap, and every channel's and the VFO's key reference: a channel keeps the key
// it had, or names none when that key was deleted. A deleted key's record keeps its bytes.
void StoreKeys(Image &image, const NumberedList &keys);

void AddKey(NumberedList &keys);
void InsertKey(NumberedList &keys, int row);
// The end of a cell edit: an empty text is refused; otherwise it becomes 8 digits ("F" fills).
bool EditKey(NumberedList &keys, int row, std::string &text);

// The "Encrypt" page's keys: one column "text".
extern const ListTable kKeyList;

// The "Encrypt" switch at 0x1550, a page table of its own.
extern const PageTable kDpmrEncryptSwitchPage;

} // namespace dpmr
