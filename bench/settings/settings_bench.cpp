// Dump and apply of a full code plug: 199 channels, 64 contacts, 16 messages, 16 keys. Prints
// the median and worst of each in milliseconds.

#include "core/image/factory_defaults.h"
#include "core/settings_text/settings_toml.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace dpmr;

std::string FullDocument() {
    std::string doc;
    char line[160];
    for (int k = 1; k <= 64; ++k) {
        std::snprintf(line, sizeof line,
                      "[dpmr.contacts.%d]\nname = \"Cont %02d\"\nnumber = \"%07d\"\n"
                      "type = \"Single call\"\n",
                      k, k, 1000 + k);
        doc += line;
    }
    for (int k = 1; k <= 16; ++k) {
        doc += "[dpmr.messages." + std::to_string(k) + "]\ntext = \"Message " + std::to_string(k) +
               " " + std::string(110, 'x') + "\"\n";
        std::snprintf(line, sizeof line, "[dpmr.keys.%d]\ntext = \"7E21A0%XC\"\n", k, k - 1);
        doc += line;
    }
    for (int n = 1; n <= 199; ++n) {
        std::snprintf(line, sizeof line,
                      "[channel.%d]\nrx_freq = \"%.6f\"\nalias = \"Ch %d\"\n"
                      "contact = \"Cont %02d\"\n",
                      n, 430.0 + n * 0.0125, n, 1 + n % 64);
        doc += line;
    }
    return doc;
}

double Milliseconds(const std::function<void()> &work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

void Report(const char *what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-32s median %7.2f ms  worst %7.2f ms  (%zu runs)\n", what,
                times[times.size() / 2], times.back(), times.size());
}

} // namespace

int main(int argc, char **argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    Image fresh;
    WriteFactoryDefaults(fresh, BandLimits{});
    Image full = fresh;
    std::vector<SettingChange> changes;
    ChangesFromToml(FullDocument(), changes);
    if (const ApplyResult built = ApplySettings(full, changes); !built) {
        std::fprintf(stderr, "%s\n", built.message.c_str());
        return 1;
    }
    const std::string dump = SettingsToml(ReadSettings(full), full);
    std::printf("full code plug: %zu bytes of TOML\n", dump.size());

    std::vector<double> dumps, intoNew, ontoSame;
    for (int i = 0; i < runs; ++i) {
        dumps.push_back(Milliseconds([&] { (void)SettingsToml(ReadSettings(full), full); }));
        const auto apply = [&](Image image) {
            std::vector<SettingChange> parsed;
            ChangesFromToml(dump, parsed);
            if (!ApplySettings(image, parsed))
                std::abort();
        };
        intoNew.push_back(Milliseconds([&] { apply(fresh); }));
        ontoSame.push_back(Milliseconds([&] { apply(full); }));
    }
    Report("dump", dumps);
    Report("apply into a new code plug", intoNew);
    Report("apply onto the same (no change)", ontoSame);
    return 0;
}
