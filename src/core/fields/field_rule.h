#pragma once
// What a control may hold and how its text becomes a stored value. The rules are data, so the
// same table drives the dialogs, the tests and the command-line tool.

#include "core/image/band_limits.h"
#include "core/image/image.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dpmr {

enum class RuleKind {
    Number,    // an integer shown with `decimals` decimals (stored = shown x 10^decimals)
    Choice,    // a list of texts, each standing for a stored code
    Check,     // a check box: any set bit reads as checked; checked stores 1
    Text,      // a text slot
    Digits,    // dialling or contact digits
    Frequency, // MHz text of a frequency field
    Tone,      // a tone chooser's text
};

// How a frequency commit treats a value outside the band.
enum class BandRule {
    None,               // stored as typed
    ReplaceOutsideBand, // unless low < v <= high, v becomes low (receive, transmit)
    Clamp,              // 0 stays empty; above high gives high, below low gives low (PMS)
};

struct ChoiceItem {
    std::string text;
    std::uint64_t code;
};
using ChoiceList = std::vector<ChoiceItem>;

// Where a list page or a choice takes entries from the image (contacts, keys, lists).
using ChoiceSource = ChoiceList (*)(const Image &image);

inline constexpr std::uint64_t kNoSelection = ~std::uint64_t{0};

struct FieldRule {
    RuleKind kind = RuleKind::Number;

    // Number: range and spin in stored units.
    std::int64_t min = 0;
    std::int64_t max = 255;
    std::int64_t step = 1;
    bool wrap = false;
    int decimals = 0;
    // The stored byte counts units of this many rule units (100 for milliseconds stored as
    // tenths of a second); min, max and step are in rule units.
    std::int64_t storedUnit = 1;
    // A stored value outside min..max: clamped, or replaced by this value when set.
    bool replaceOutOfRange = false;
    std::int64_t replacement = 0;
    bool onGrid = false;            // values lie on min + k * step; others are lowered onto it
    const char *zeroWord = nullptr; // shown for 0 ("Off")
    const char *maxWord = nullptr;  // shown for max ("unlimited", "continuous")

    // Choice: the entries, the code a stored value that names none shows as (kNoSelection: no
    // entry selected), and the code stored for no selection.
    ChoiceSource choices = nullptr;
    std::uint64_t unknownShowsAs = kNoSelection;
    std::uint64_t noSelectionStores = 0;

    // Typing: characters a user may type or paste (empty: any printable), and the length.
    std::string_view charset = {};
    int maxLength = 0; // 0: no limit
    // A value given by name (a document, `set`) keeps to these characters even where typing
    // is free: the identity edits take any character, but an identity is digits.
    std::string_view valueCharset = {};

    BandRule band = BandRule::None;
};

// Everything a rule may look at besides the image: the band limits.
struct FieldContext {
    const Image &image;
    BandLimits band;
};

// The character sets typing keeps to: digits, decimal numbers and frequencies, dialling digits.
inline constexpr std::string_view kDigitChars = "0123456789";
inline constexpr std::string_view kDecimalChars = "0123456789.";
inline constexpr std::string_view kDtmfChars = "0123456789ABCD*#";

// A stored value brought into the rule's range (clamped or replaced) and onto its grid.
std::int64_t InRange(const FieldRule &rule, std::int64_t stored);
// The value a text names in stored units, after the rule's range (Number).
std::int64_t NumberFromText(const FieldRule &rule, std::string_view text);
std::string NumberText(const FieldRule &rule, std::int64_t stored);

// What a control shows after the user left it: clamped, replaced, snapped and formatted.
std::string NormaliseText(const FieldRule &rule, const FieldContext &context,
                          std::string_view text);
// One arrow press from the shown text: off the grid it goes to the next grid point in the
// direction of travel, on it one step; at the ends it wraps or stays, as the rule says.
std::string StepText(const FieldRule &rule, std::string_view text, int direction);
// Drops characters outside the rule's set and cuts to its length: what typing or pasting
// `text` leaves. Digit letters are taken in upper case.
std::string FilterTyped(const FieldRule &rule, std::string_view text);

// The entries a choice offers in this image.
ChoiceList ChoicesOf(const FieldRule &rule, const Image &image);

} // namespace dpmr
