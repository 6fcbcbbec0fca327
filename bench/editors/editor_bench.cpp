// For every editor in the command table: the time from the command to the dialog shown and
// painted (median and worst of N runs) and each tab switch of a tab container, then the core cost
// of LoadPage + StorePage for every registered page table. Editors join by registering. `--grab
// DIR` photographs every editor.

#include "core/app/code_plug_document.h"
#include "core/app/page_registry.h"
#include "core/dpmr/contact_list.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/messages.h"
#include "core/dtmf/auto_dial.h"
#include "core/settings/one_key_settings.h"
#include "ui/app/editor_commands.h"

#include <QApplication>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>
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

// Every channel in use, 16 full-length messages and 16 keys: the pages load and store real
// records and the list pages show full grids.
void FillBusy(dpmr::CodePlugDocument &document) {
    for (int channel = 1; channel <= dpmr::kChannelCount; ++channel)
        EndFrequencyEdit(document.table, document.image, document.limits, channel, dpmr::kColRxFreq,
                         "438.5");
    StoreChannelTable(document.table, document.image, document.limits);
    dpmr::NumberedList messages, keys;
    for (int i = 1; i <= 16; ++i) {
        messages.Append("Message " + std::to_string(i) + " " + std::string(115, 'x'));
        keys.Append("7E21A0" + std::string(1, "0123456789ABCDEF"[i - 1]) + "C");
    }
    dpmr::StoreMessages(document.image, messages);
    dpmr::StoreKeys(document.image, keys);
    document.image[dpmr::kEncryption] = 1;
    dpmr::StoreAutoDialList(document.image,
                            std::vector<std::string>(16, std::string("1234567890ABCD*#")));
    // All 64 contacts, and one-key calls naming contacts, messages and auto-dial numbers.
    dpmr::ContactList contacts = dpmr::LoadContacts(document.image);
    while (dpmr::AddContact(document.image, contacts) >= 0) {
    }
    dpmr::StoreContacts(document.image, contacts);
    for (int n = 1; n <= dpmr::kOneKeyCount; ++n)
        dpmr::StoreOneKeyCall(document.image, n,
                              n % 2 ? dpmr::OneKeyCall{dpmr::CallMode::Digit, 10 * n, 2, n}
                                    : dpmr::OneKeyCall{dpmr::CallMode::Analog, n, 1, 0});
}

// Photographs every editor, each tab on its own, for looking at them: channels 5 and 40 are
// in use, the channel editor is also shown on the empty channel 1.
int GrabAll(const QString &folder) {
    dpmr::CodePlugDocument document;
    document.New();
    FillBusy(document);
    for (int channel = 1; channel <= dpmr::kChannelCount; ++channel)
        if (channel != 5 && channel != 40)
            EndFrequencyEdit(document.table, document.image, document.limits, channel,
                             dpmr::kColRxFreq, "");
    StoreChannelTable(document.table, document.image, document.limits);
    for (const EditorCommand &command : EditorCommands()) {
        if (!command.make)
            continue;
        const std::vector<int> channels =
            command.id == EditorId::ChannelEdit ? std::vector<int>{1, 5, 40} : std::vector<int>{5};
        for (int channel : channels) {
            std::unique_ptr<QDialog> dialog = command.make({document, channel, nullptr});
            dialog->show();
            QApplication::processEvents();
            QString name = QString(EditorName(command.id)).replace(' ', '-');
            if (command.id == EditorId::ChannelEdit)
                name += QString("-%1").arg(channel);
            const QList<QTabWidget *> tabs = dialog->findChildren<QTabWidget *>();
            if (tabs.isEmpty()) {
                dialog->grab().save(folder + "/" + name + ".png");
            } else {
                for (int i = 0; i < tabs.first()->count(); ++i) {
                    tabs.first()->setCurrentIndex(i);
                    QApplication::processEvents();
                    QString tab = tabs.first()->tabText(i).remove('&').replace(' ', '-');
                    dialog->grab().save(folder + "/" + name + "-" + tab + ".png");
                }
            }
            dialog->close();
        }
    }
    return 0;
}

// Each tab switch of a tab container: the page left stores, the page entered loads and paints.
void BenchTabSwitches(const EditorCommand &command, dpmr::CodePlugDocument &document, int runs) {
    std::unique_ptr<QDialog> dialog = command.make({document, 1, nullptr});
    dialog->show();
    QApplication::processEvents();
    const QList<QTabWidget *> tabs = dialog->findChildren<QTabWidget *>();
    if (tabs.isEmpty())
        return;
    QTabWidget *tab = tabs.first();
    for (int i = 0; i < tab->count(); ++i) {
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            tab->setCurrentIndex(i == 0 ? 1 : 0);
            QApplication::processEvents();
            const auto start = Clock::now();
            tab->setCurrentIndex(i);
            dialog->repaint();
            QApplication::processEvents();
            times.push_back(Millis(Clock::now() - start));
        }
        std::sort(times.begin(), times.end());
        std::printf("  tab %-8s %10.2f %10.2f\n", qPrintable(tab->tabText(i).remove('&').left(8)),
                    times[times.size() / 2], times.back());
    }
    dialog->close();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication application(argc, argv);
    if (argc > 2 && std::string_view(argv[1]) == "--grab")
        return GrabAll(argv[2]);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    dpmr::CodePlugDocument document;
    document.New();
    FillBusy(document);

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
        BenchTabSwitches(command, document, runs);
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
