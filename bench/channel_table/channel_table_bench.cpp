// What the channel table's row operations cost where a user waits for them: a paste of all
// 199 channels and one Undo, each from the command to the table reloaded in the real widgets
// (offscreen), with the core's share on its own; and the memory a full 100-step undo history
// holds. Median and worst of N runs.

#include "core/app/code_plug_document.h"
#include "core/app/undo_history.h"
#include "core/channels/channel_record.h"
#include "core/channels/channel_rows.h"
#include "core/exchange/channel_clip_csv.h"
#include "ui/channels/channel_edit_actions.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"

#include <QApplication>
#include <QMainWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median = 0;
    double worst = 0;
};

Figures Measure(int runs, const std::function<void()> &prepare, const std::function<void()> &run) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = Clock::now();
        run();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void Print(const char *what, const Figures &f) {
    std::printf("%-44s median %7.3f ms  worst %7.3f ms\n", what, f.median, f.worst);
}

// 199 channels in use, each with a name.
dpmr::Image FullImage(const dpmr::Image &base) {
    dpmr::Image image = base;
    for (int n = 1; n <= dpmr::kChannelCount; ++n) {
        dpmr::ChannelRecord record = dpmr::ReadChannel(image, n);
        record.rxFreq = 43000000 + static_cast<std::uint64_t>(n) * 1250;
        record.txFreq = record.rxFreq;
        dpmr::WriteChannel(image, n, record);
        dpmr::WriteAlias(image, n, "Channel " + std::to_string(n));
    }
    return image;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

    dpmr::CodePlugDocument document;
    document.New();
    const dpmr::Image full = FullImage(document.image);
    const dpmr::Image empty = document.image;
    const dpmr::ChannelClip clip = dpmr::CopyChannels(full, document.limits, dpmr::AllChannels());
    const dpmr::CsvClip pasted{clip, {}};
    const std::string text = dpmr::ChannelsToCsvText(full, dpmr::AllChannels());

    QMainWindow window;
    auto *view = new CProgramView(document, &window);
    window.setCentralWidget(view);
    ChannelEditActions actions(document, *view, &window);
    window.show();
    QApplication::processEvents();

    const auto reset = [&] {
        document.image = empty;
        document.history.Clear();
        view->ShowImage();
        view->table()->setCurrentIndex(view->table()->model()->index(0, dpmr::kColRxFreq));
        QApplication::processEvents();
    };

    std::printf("channel table, %d runs\n", runs);
    Print("core: plan and apply a paste of 199",
          Measure(
              runs, [&] { document.image = empty; },
              [&] {
                  const dpmr::PastePlan plan = dpmr::PlanPaste(clip, 1, document.limits);
                  dpmr::ApplyPaste(document.image, clip, plan);
              }));
    Print("core: read 199 channels from CSV text",
          Measure(
              runs, [] {}, [&] { (void)dpmr::ChannelsFromCsvText(text, empty); }));
    Print("widgets: paste of 199 channels",
          Measure(runs, reset, [&] { actions.PasteChannels(pasted); }));
    Print("widgets: paste of 199 channels, then paint", Measure(runs, reset, [&] {
              actions.PasteChannels(pasted);
              view->table()->viewport()->repaint();
          }));
    Print("widgets: one undo (of that paste)", Measure(
                                                   runs,
                                                   [&] {
                                                       reset();
                                                       actions.PasteChannels(pasted);
                                                   },
                                                   [&] {
                                                       view->CommitOpenEdit();
                                                       document.Undo();
                                                       view->ShowImage();
                                                   }));

    // A full history: 100 steps of whole images, the newest on top.
    dpmr::UndoHistory history;
    dpmr::Image image = full;
    for (int i = 0; i < 150; ++i) {
        image[0x0100 + static_cast<std::size_t>(i)] ^= 0xFF;
        history.Record(image, "paste of 199 channels");
    }
    std::printf("undo history: %zu steps hold %.2f MiB (%zu bytes)\n", history.UndoSteps(),
                static_cast<double>(history.MemoryBytes()) / (1024.0 * 1024.0),
                history.MemoryBytes());
    return 0;
}
