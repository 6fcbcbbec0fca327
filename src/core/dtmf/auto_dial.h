#pragma once
// The 16 auto-dial numbers: the list the auto-dial page edits and the one-key entries name.

#include "core/fields/list_table.h"

#include <string>
#include <vector>

namespace dpmr {

// What typing or pasting into an auto-dial cell leaves: DTMF characters, upper case, 16 at most.
extern const FieldRule kAutoDialCodeRule;

std::vector<std::string> LoadAutoDialList(const Image &image);
// Each record is emptied first, then holds its number's characters.
void StoreAutoDialList(Image &image, const std::vector<std::string> &numbers);

// The "Auto dial" grid: the 16 records of the auto-dial page, one column "code".
extern const ListTable kAutoDialList;

// "None" (0), then every non-empty number n (1..16) with its text.
ChoiceList AutoDialChoices(const Image &image);

} // namespace dpmr
