// Times ChannelsToCsv and ImportChannelsCsv with all 199 channels in use.
//
//   csv_bench [--runs N]

#include "core/channels/channel_record.h"
#include "core/exchange/channel_csv.h"
#include "core/image/factory_defaults.h"
#include "core/image/memory_map.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char **argv) {
    using namespace dpmr;
    int runs = 50;
    if (argc == 3 && std::strcmp(argv[1], "--runs") == 0)
        runs = std::atoi(argv[2]);
    Image image;
    WriteFactoryDefaults(image, BandLimits{});
    for (int n = 1; n <= kChannelCount; ++n) {
        ChannelRecord r = ReadChannel(image, n);
        r.rxFreq = 40000000 + 2500u * static_cast<unsigned>(n);
        r.txFreq = *r.rxFreq + 500000;
        r.txTone = ToneCodeFromText(ToneList()[static_cast<std::size_t>(n % kToneListSize)]);
        WriteChannel(image, n, r);
        WriteAlias(image, n, "Channel " + std::to_string(n));
    }
    std::vector<double> exports, imports;
    std::string csv;
    for (int i = 0; i < runs; ++i) {
        const auto a = std::chrono::steady_clock::now();
        csv = ChannelsToCsv(image);
        const auto b = std::chrono::steady_clock::now();
        Image target = image;
        const CsvImportResult result = ImportChannelsCsv(csv, "bench.csv", target);
        const auto c = std::chrono::steady_clock::now();
        if (!result || result.channels != kChannelCount) {
            std::fprintf(stderr, "csv_bench: %s\n", result.message.c_str());
            return 1;
        }
        exports.push_back(std::chrono::duration<double, std::milli>(b - a).count());
        imports.push_back(std::chrono::duration<double, std::milli>(c - b).count());
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf("199 channels, %zu bytes of CSV, median of %d runs: export %.2f ms, import %.2f "
                "ms (max %.2f ms)\n",
                csv.size(), runs, median(exports), median(imports),
                *std::max_element(imports.begin(), imports.end()));
    return 0;
}
