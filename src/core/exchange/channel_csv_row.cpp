#include "core/exchange/channel_csv_row.h"

#include "core/exchange/channel_csv.h"
#include "core/exchange/channel_csv_columns.h"
#include "core/image/frequency.h"
#include "core/image/memory_map.h"
#include "core/image/tone.h"
#include "core/text/message_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace dpmr::csv {

namespace {

bool SameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "146.52", "146", "146.", ".5": digits with at most one dot.
bool IsDecimal(std::string_view text) {
    const auto dot = text.find('.');
    if (dot == std::string_view::npos)
        return IsDigits(text);
    const auto before = text.substr(0, dot), after = text.substr(dot + 1);
    return (IsDigits(before) || before.empty()) && (IsDigits(after) || after.empty()) &&
           text.size() > 1;
}

// Drops a unit word at the end: true when it was "kHz".
bool DropUnit(std::string &text) {
    const auto endsWith = [&](std::string_view unit) {
        return text.size() >= unit.size() &&
               SameWord(std::string_view(text).substr(text.size() - unit.size()), unit);
    };
    bool kHz = false;
    if (endsWith("MHz") || (kHz = endsWith("kHz"))) {
        text.resize(text.size() - 3);
        text = Trimmed(text);
    }
    return kHz;
}

// A frequency in MHz, or with its unit ("146.52 MHz", "146520 kHz"), in 10 Hz units; nullopt
// when it is no number. A number too large for any frequency reads as -1: outside every band.
std::optional<std::int64_t> ParseFrequency(std::string text) {
    const bool kHz = DropUnit(text);
    if (!IsDecimal(text))
        return std::nullopt;
    const auto dot = text.find('.');
    if ((dot == std::string::npos ? text.size() : dot) > (kHz ? 9u : 6u))
        return -1;
    const std::int64_t units = FrequencyFromText(text);
    return kHz ? units / 1000 : units;
}

// On the channel grid, as the table stores a typed frequency: what FrequencyText shows, read
// back (the grid point in Hz, cut to 10 Hz units), without the trip through text.
std::int64_t Snapped(std::int64_t units) {
    return units > 0 ? SnapToStep(units).hz / 10 : units;
}

// The radio's CTCSS tones by tenths of Hz: 885 -> "88.5".
const std::map<long long, std::string> &CtcssTenths() {
    static const std::map<long long, std::string> tones = [] {
        std::map<long long, std::string> byTenths;
        for (const std::string &tone : ToneList())
            if (tone != ToneText(kNoTone) && tone[0] != 'D')
                byTenths.emplace(std::llround(std::strtod(tone.c_str(), nullptr) * 10), tone);
        return byTenths;
    }();
    return tones;
}

std::string BandText(const BandLimits &band) {
    return FrequencyText(band.low) + "-" + FrequencyText(band.high) + " MHz";
}

bool InBand(std::int64_t units, const BandLimits &band) {
    return units > 0 && ClampToBand(units, band) == units;
}

std::string ChoiceList(int column) {
    std::string list;
    for (const auto &choice : ColumnChoices(column))
        list.append(list.empty() ? "" : ", ").append(choice);
    return list;
}

// "High" for "high": the choice of the table column that the word names.
std::optional<std::string> Choice(int column, std::string_view word) {
    for (const auto &choice : ColumnChoices(column))
        if (SameWord(choice, word))
            return choice;
    return std::nullopt;
}

// Reads one row; the first fault ends it.
class RowReader {
public:
    RowReader(const RowFields &fields, const BandLimits &band, RowReading &out)
        : f_(fields), band_(band), out_(out) {}

    void Read() {
        if (ReadFrequencies() && ReadTones() && ReadMode() && ReadPower() && ReadSkip())
            ReadName();
    }

private:
    bool Fault(RowFit fit, std::string_view column, std::string what) {
        out_.fit = fit;
        out_.column = std::string(column);
        out_.what = std::move(what);
        return false;
    }
    bool Malformed(std::string_view column, std::string what) {
        return Fault(RowFit::Malformed, column, std::move(what));
    }
    bool Unfit(std::string_view column, std::string what) {
        return Fault(RowFit::Unfit, column, std::move(what));
    }

    bool ReadFrequencies() {
        const std::string rxText = f_.Get("Frequency");
        const auto rx = ParseFrequency(rxText);
        if (!rx)
            return Malformed("Frequency", Quoted(rxText) + " is not a frequency in MHz");
        const std::int64_t rxUnits = Snapped(*rx);
        if (!InBand(rxUnits, band_))
            return Unfit("Frequency", (rxUnits > 0 ? FrequencyText(rxUnits) : EscapedText(rxText)) +
                                          " MHz is outside the band " + BandText(band_));
        out_.cells[kColRxFreq] = FrequencyText(rxUnits);

        const std::string duplex = f_.Get("Duplex");
        const std::string offsetText = f_.Get("Offset");
        // Not snapped: an offset is the difference of two grid points.
        const auto offset =
            offsetText.empty() ? std::optional<std::int64_t>(0) : ParseFrequency(offsetText);
        if (!offset)
            return Malformed("Offset", Quoted(offsetText) + " is not a frequency in MHz");
        std::int64_t tx = rxUnits;
        if (duplex == "+") {
            tx = *offset < 0 ? -1 : rxUnits + *offset;
        } else if (duplex == "-") {
            tx = *offset < 0 ? -1 : rxUnits - *offset;
        } else if (SameWord(duplex, "split")) {
            tx = *offset;
        } else if (SameWord(duplex, "off")) {
            out_.cells[kColTxFreq].clear(); // receive only
            return true;
        } else if (!duplex.empty()) {
            return Unfit("Duplex", Quoted(duplex) + " is no duplex (empty, +, -, split or off)");
        }
        tx = Snapped(tx);
        if (!InBand(tx, band_))
            return Unfit(duplex.empty() ? "Frequency" : "Offset",
                         "the transmit frequency " +
                             (tx > 0 ? FrequencyText(tx) + " MHz" : std::string("")) +
                             (tx > 0 ? " is" : "is") + " outside the band " + BandText(band_));
        out_.cells[kColTxFreq] = FrequencyText(tx);
        return true;
    }

    // A CTCSS tone of the radio's list from a column in Hz; an empty column reads as 88.5.
    bool Ctcss(std::string_view column, std::string &cell) {
        std::string text = f_.Get(column);
        if (text.empty())
            text = kDefaultCtcss;
        if (!IsDecimal(text))
            return Malformed(column, Quoted(text) + " is not a tone in Hz");
        const double tenths = std::strtod(text.c_str(), nullptr) * 10;
        const auto &tones = CtcssTenths();
        // Far beyond every tone (or no finite number at all): nothing to round.
        const auto it = tenths < 1e6 ? tones.find(std::llround(tenths)) : tones.end();
        if (it == tones.end() || std::abs(tenths - std::round(tenths)) > 1e-6)
            return Unfit(column, EscapedText(text) + " Hz is no CTCSS tone of this radio");
        cell = it->second;
        return true;
    }

    // A DCS code of the radio's list; an empty column reads as 023. 'R' polarity is inverted.
    bool Dcs(std::string_view column, char polarity, std::string &cell) {
        std::string code = f_.Get(column);
        if (code.empty())
            code = kDefaultDcs;
        if (!IsDigits(code))
            return Malformed(column, Quoted(code) + " is not a DCS code (three digits)");
        const std::string text = code.size() > 3 ? std::string()
                                                 : "D" + std::string(3 - code.size(), '0') + code +
                                                       (polarity == 'R' ? 'I' : 'N');
        const auto &tones = ToneList();
        if (text.empty() || std::find(tones.begin(), tones.end(), text) == tones.end())
            return Unfit(column, Quoted(code) + " is no DCS code of this radio");
        cell = text;
        return true;
    }

    bool ReadTones() {
        std::string &tx = out_.cells[kColTxTone];
        std::string &rx = out_.cells[kColRxTone];
        tx = rx = ToneText(kNoTone);
        const std::string mode = f_.Get("Tone");
        if (mode.empty())
            return true;
        std::string polarity = f_.Get("DtcsPolarity");
        if (polarity.empty())
            polarity = kDefaultPolarity;
        const auto polarityOk = [&] {
            return polarity.size() == 2 && polarity.find_first_not_of("NR") == std::string::npos
                       ? true
                       : Unfit("DtcsPolarity",
                               Quoted(polarity) + " is no polarity (NN, NR, RN or RR)");
        };
        if (SameWord(mode, kToneModeTone))
            return Ctcss("rToneFreq", tx);
        if (SameWord(mode, kToneModeTsql)) {
            const bool ok = Ctcss("cToneFreq", tx);
            rx = tx;
            return ok;
        }
        if (SameWord(mode, kToneModeDtcs)) {
            // RxDtcsCode belongs to Cross only; exporters write some code there regardless.
            return polarityOk() && Dcs("DtcsCode", polarity[0], tx) &&
                   Dcs("DtcsCode", polarity[1], rx);
        }
        if (SameWord(mode, kToneModeDtcsReversed) || SameWord(mode, kToneModeTsqlReversed))
            return Unfit("Tone", "the reversed tone mode " + mode + " is not one this radio has");
        if (!SameWord(mode, kToneModeCross))
            return Unfit("Tone", Quoted(mode) + " is no tone mode (Tone, TSQL, DTCS or Cross)");

        const std::string cross = f_.Get("CrossMode");
        const auto arrow = cross.find(kCrossArrow);
        const auto badCross = [&] {
            return Unfit("CrossMode", Quoted(cross) + " is no cross mode (such as Tone->DTCS)");
        };
        if (arrow == std::string::npos)
            return badCross();
        const std::string txWord = Trimmed(cross.substr(0, arrow));
        const std::string rxWord = Trimmed(cross.substr(arrow + kCrossArrow.size()));
        const auto side = [&](const std::string &word, bool transmit) {
            std::string &cell = transmit ? tx : rx;
            if (word.empty())
                return true;
            if (SameWord(word, kCrossTone))
                return Ctcss(transmit ? "rToneFreq" : "cToneFreq", cell);
            if (SameWord(word, kCrossDtcs))
                return polarityOk() &&
                       Dcs(transmit ? "DtcsCode" : "RxDtcsCode", polarity[transmit ? 0 : 1], cell);
            return badCross();
        };
        return side(txWord, true) && side(rxWord, false);
    }

    bool ReadMode() {
        const std::string mode = f_.Get("Mode");
        const std::string type = f_.Get("ChannelType");
        const std::string &analog = ColumnChoices(kColChannelType)[0];
        const auto &bandwidths = ColumnChoices(kColBandwidth);
        const bool narrow = SameWord(mode, kModeNarrow);
        if (mode.empty() || narrow || SameWord(mode, kModeWide) || SameWord(mode, kModeAuto)) {
            if (!type.empty() && !SameWord(type, analog))
                return Unfit("ChannelType", "Mode " + (mode.empty() ? "FM" : mode) +
                                                " is an analog channel, not " + Quoted(type));
            out_.cells[kColChannelType] = analog;
            out_.cells[kColBandwidth] = bandwidths[narrow ? 1 : 0];
            return true;
        }
        const bool digital = SameWord(mode, kModeDigital);
        if (!digital && !SameWord(mode, kModeDigitalOld))
            return Unfit("Mode", "Mode " + Quoted(mode) +
                                     " is not one this radio has (FM, NFM, Auto, or DIG with "
                                     "a dPMR ChannelType)");
        // DIG alone may be any digital voice; only our ChannelType says it is dPMR. Files of
        // earlier versions wrote DPMR, whose type defaulted to Digit.
        if (type.empty() && digital)
            return Unfit("Mode", "Mode DIG without a ChannelType (Digit, Mixed(Digit) or "
                                 "Mixed(Analog)) is no dPMR channel");
        const auto chosen =
            type.empty() ? ColumnChoices(kColChannelType)[1] : Choice(kColChannelType, type);
        if (!chosen || *chosen == analog)
            return Unfit("ChannelType", Quoted(type) + " is no digital channel type (" +
                                            "Digit, Mixed(Digit) or Mixed(Analog))");
        out_.cells[kColChannelType] = *chosen;
        const std::string bandwidth = f_.Get("Bandwidth");
        const auto width = bandwidth.empty() ? bandwidths[0] : Choice(kColBandwidth, bandwidth);
        if (!width)
            return Unfit("Bandwidth",
                         Quoted(bandwidth) + " is not one of " + ChoiceList(kColBandwidth));
        out_.cells[kColBandwidth] = *width;
        return true;
    }

    // Watts ("5.0W", "50W", "0.5 W", "5") go to the nearer level; older files name the level.
    bool ReadPower() {
        const auto &levels = ColumnChoices(kColPower); // Low, High
        std::string text = f_.Get("Power");
        if (text.empty()) {
            out_.cells[kColPower] = levels[1]; // a new channel transmits High
            return true;
        }
        if (const auto level = Choice(kColPower, text)) {
            out_.cells[kColPower] = *level;
            return true;
        }
        std::string number = text;
        if (!number.empty() && (number.back() == 'W' || number.back() == 'w'))
            number = Trimmed(number.substr(0, number.size() - 1));
        if (!IsDecimal(number))
            return Unfit("Power", Quoted(text) + " is neither watts (such as 5.0W) nor one of " +
                                      ChoiceList(kColPower));
        const double watts = std::strtod(number.c_str(), nullptr);
        out_.cells[kColPower] = levels[watts >= (kHighPowerWatts + kLowPowerWatts) / 2 ? 1 : 0];
        return true;
    }

    bool ReadSkip() {
        const std::string skip = f_.Get("Skip");
        const auto &scan = ColumnChoices(kColScan); // Add, Del
        if (skip.empty() || SameWord(skip, "P")) {
            if (!skip.empty())
                out_.notes.push_back("priority scan (Skip P) is scanned as any channel");
            out_.cells[kColScan] = scan[0];
            return true;
        }
        if (!SameWord(skip, "S"))
            return Unfit("Skip", Quoted(skip) + " is no skip mark (empty, S or P)");
        out_.cells[kColScan] = scan[1];
        return true;
    }

    // The alias holds 12 printable ASCII characters: longer names are cut, other characters
    // (each UTF-8 sequence as one) become '?'.
    void ReadName() {
        if (!f_.Has("Name"))
            return;
        const std::string name = f_.Get("Name");
        std::string alias;
        bool replaced = false;
        for (const char c : name) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80 && byte < 0xC0)
                continue; // the rest of a character already replaced
            const bool printable = byte >= 0x20 && byte <= 0x7E;
            alias += printable ? c : '?';
            replaced = replaced || !printable;
        }
        if (alias.size() > kAliasLength) {
            alias.resize(kAliasLength);
            out_.notes.push_back("Name cut to " + Quoted(alias) + " (at most " +
                                 std::to_string(kAliasLength) + " characters)");
        }
        if (replaced)
            out_.notes.push_back("Name stored as " + Quoted(alias) +
                                 ": the radio shows printable ASCII only");
        out_.name = alias;
    }

    const RowFields &f_;
    const BandLimits &band_;
    RowReading &out_;
};

} // namespace

std::string RowFields::Get(std::string_view name) const {
    const int index = Index(name);
    if (index == 0)
        return {};
    const std::string &field = fields_[static_cast<std::size_t>(index - 1)];
    return name == "Name" ? field : Trimmed(field);
}

int RowFields::Index(std::string_view name) const {
    const auto it = columns_.find(name);
    return it == columns_.end() ? 0 : it->second;
}

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::optional<long> ParseLocation(std::string_view text) {
    const std::string trimmed = Trimmed(text);
    const bool negative = !trimmed.empty() && trimmed[0] == '-';
    const std::string_view digits = std::string_view(trimmed).substr(negative ? 1 : 0);
    if (!IsDigits(digits))
        return std::nullopt;
    // Past six digits every number is as far from 1-199 as any other.
    const long n =
        digits.size() > 6 ? 999999 : std::strtol(std::string(digits).c_str(), nullptr, 10);
    return negative ? -n : n;
}

RowReading ReadChannelRow(const RowFields &fields, const BandLimits &band) {
    RowReading reading;
    if (fields.Get("Frequency").empty()) {
        // A row with a Location and no Frequency deletes its channel.
        if (fields.Has("Name"))
            reading.name = "";
        return reading;
    }
    RowReader(fields, band, reading).Read();
    return reading;
}

std::string PowerWattsText(bool high) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1fW", high ? kHighPowerWatts : kLowPowerWatts);
    return text;
}

} // namespace dpmr::csv
