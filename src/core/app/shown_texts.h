#pragma once
// The core's words a user reads in the program: choice words, the words some numbers show
// as, column headers. They are English here and keys for a translation in the program; the
// list lets the translation tools see them and lets a test check that each is translated.

#include <string>
#include <vector>

namespace dpmr {

// Sorted, each once. Texts without a letter (numbers, frequencies) are left out.
std::vector<std::string> ShownCoreTexts();

} // namespace dpmr
