// For every editor in the command table: the time from the command to the dialog shown and
// painted (median and worst of N runs), then the core cost of LoadPage + StorePage for every
// registered page table. Editors join by registering; nothing here names one.

#include "core/app/code_plug_document.h"
#include "core/app/page_registry.h"
#include "ui/app/editor_commands.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

const char *EditorName(EditorId id) {
    switch (id) {
    case EditorId::ChannelEdit:
        return "Channel edit";
    case EditorId::ScanInfo:
        return "Scan Info";
    case EditorId::BasicSetting:
        return "Basic setting";
    case EditorId::Alarm:
        return "Alarm";
    case EditorId::Dtmf:
        return "DTMF";
    case EditorId::Dpmr:
        return "dPMR";
    case EditorId::Vfo:
        return "VFO";
    case EditorId::PmsCh:
        return "PMS ch";
    }
    return "?";
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    dpmr::CodePlugDocument document;
    document.New();

    std::printf("%-14s %10s %10s   (%d runs, platform %s)\n", "editor", "median ms", "worst ms",
                runs, qPrintable(QGuiApplication::platformName()));
    for (const EditorCommand &command : EditorCommands()) {
        if (!command.make)
            continue;
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            const auto start = Clock::now();
            std::unique_ptr<QDialog> dialog = command.make({document, 1, nullptr});
            dialog->show();
            dialog->repaint(); // the first paint is done when this returns
            QApplication::processEvents();
            times.push_back(Millis(Clock::now() - start));
            dialog->close();
        }
        std::sort(times.begin(), times.end());
        std::printf("%-14s %10.2f %10.2f\n", EditorName(command.id), times[times.size() / 2],
                    times.back());
    }

    std::printf("\n%-14s %14s\n", "page", "load+store us");
    const int repeats = 2000;
    for (const dpmr::PageTable *page : dpmr::PageRegistry()) {
        const auto start = Clock::now();
        for (int i = 0; i < repeats; ++i) {
            const int record = page->firstRecord + i % (page->lastRecord - page->firstRecord + 1);
            dpmr::StorePage(*page, document.image, document.limits, record,
                            dpmr::LoadPage(*page, {document.image, document.limits}, record));
        }
        std::printf("%-14s %14.2f\n", page->name, Millis(Clock::now() - start) * 1000 / repeats);
    }
    return 0;
}
