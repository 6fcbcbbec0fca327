// Times ChannelsToCsv and ImportChannelsCsv with all 199 channels in use, and the import of a
// 1,000-row list that spans several bands (as many published lists do): rows outside the
// radio's band and channels are read, checked and skipped.
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
#include <string>
#include <time.h>
#include <vector>

namespace {

double CpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Rows as the widely used tool exports them: 2 m, 70 cm and 6 m repeaters and simplex
// channels, tones of every mode, watts, a comment now and then.
std::string MultiBandList(int rows) {
    std::string text = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                       "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                       "RPT1CALL,RPT2CALL,DVCODE\n";
    const char *bases[] = {"145.%03d000", "438.%03d500", "51.%03d000"};
    const char *tones[] = {
        ",88.5,88.5,023,NN,023,Tone->Tone", "Tone,100.0,88.5,023,NN,023,Tone->Tone",
        "TSQL,88.5,123.0,023,NN,023,Tone->Tone", "DTCS,88.5,88.5,754,NR,023,Tone->Tone",
        "Cross,71.9,88.5,023,NN,754,Tone->DTCS"};
    const char *modes[] = {"FM", "NFM", "FM", "DV", "Auto"};
    for (int i = 0; i < rows; ++i) {
        char frequency[32], row[256];
        std::snprintf(frequency, sizeof frequency, bases[i % 3], (i * 25) % 1000);
        std::snprintf(row, sizeof row, "%d,Ch %d,%s,%s,%s,%s,%s,5.00,%s,%s,%s,,,,\n", i, i,
                      frequency, i % 4 == 0 ? "-" : "", i % 4 == 0 ? "0.600000" : "0.000000",
                      tones[i % 5], modes[i % 5], i % 7 == 0 ? "S" : "", i % 2 ? "5.0W" : "0.5W",
                      i % 10 == 0 ? "\"two\nlines\"" : "");
        text += row;
    }
    return text;
}

} // namespace

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

    const std::string list = MultiBandList(1000);
    std::vector<double> listImports, listCpu;
    CsvImportResult last;
    for (int i = 0; i < runs; ++i) {
        Image target = image;
        const double cpuBefore = CpuMilliseconds();
        const auto a = std::chrono::steady_clock::now();
        last = ImportChannelsCsv(list, "bench.csv", target);
        const auto b = std::chrono::steady_clock::now();
        listCpu.push_back(CpuMilliseconds() - cpuBefore);
        if (!last) {
            std::fprintf(stderr, "csv_bench: %s\n", last.message.c_str());
            return 1;
        }
        listImports.push_back(std::chrono::duration<double, std::milli>(b - a).count());
    }
    // On a shared machine the wall clock also counts other processes' turns; the CPU time is
    // this import's own cost.
    std::printf("1000-row multi-band list, %zu bytes (%s), median of %d runs: import %.2f ms "
                "(max %.2f ms), CPU time %.2f ms\n",
                list.size(), last.Summary().c_str(), runs, median(listImports),
                *std::max_element(listImports.begin(), listImports.end()), median(listCpu));
    return 0;
}
