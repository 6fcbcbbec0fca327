// For every editor in the command table: the time from the command to the dialog shown and
// painted (median and worst of N runs) and each tab switch of a tab container, then the core cost
// of LoadPage + StorePage for every registered page table. Editors join by registering. `--grab
// DIR` photographs every editor.

#include "core/app/code_plug_document.h"
#include "core/app/page_registry.h"
#include "core/channels/pms_editor.h"
#include "core/channels/vfo_editor.h"
#include "core/dpmr/contact_list.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_rx_list.h"
#include "core/dpmr/messages.h"
#include "core/dtmf/auto_dial.h"
#include "core/settings/one_key_settings.h"
#include "core/settings/scan_settings.h"
#include "ui/app/editor_commands.h"

#include <QApplication>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// A field of a registered page stored from its shown text, as the editor would.
void StoreShown(dpmr::CodePlugDocument &document, const dpmr::PageTable &page, int record,
                std::string_view field, std::string_view text) {
    const int index = dpmr::FieldIndex(page.fields, field);
    if (index < 0)
        throw std::logic_error("no field " + std::string(field) + " on " + page.name);
    dpmr::StoreField(document.image, document.limits, record, page.fields[index], text);
}

// 64 contacts, every other one a group call, and 16 group receive lists of 8 members each.
void FillContacts(dpmr::Image &image) {
    dpmr::ContactList contacts = dpmr::LoadContacts(image);
    while (contacts.CanAdd())
        dpmr::AddContact(image, contacts);
    for (int row = 0; row < static_cast<int>(contacts.rows.size()); ++row) {
        dpmr::RenameContact(contacts, row, "Unit " + std::to_string(10 + row));
        dpmr::SetContactType(contacts, row, row % 2 ? dpmr::kSingleCall : dpmr::kGroupCall);
    }
    dpmr::StoreContacts(image, contacts);
    for (int list = 1; list <= 16; ++list) {
        dpmr::GroupRxList entries = dpmr::LoadGroupRxList(image, list);
        dpmr::AddGroupRxMembers(entries, {0, 1, 2, 3, 4, 5, 6, 7});
        dpmr::StoreGroupRxList(image, list, entries);
    }
}

// Every channel in use, 64 contacts with 16 full group lists, 16 full-length messages and 16
// keys, four PMS ranges with the VFO sweeping one, a priority channel: the pages load and
// store real records and the list pages show full grids.
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
    FillContacts(document.image);
    for (int entry = 1; entry <= 4; ++entry) {
        StoreShown(document, dpmr::kPmsPage, entry, "low_freq", std::to_string(425 + entry));
        StoreShown(document, dpmr::kPmsPage, entry, "high_freq", std::to_string(435 + entry));
    }
    StoreShown(document, dpmr::kVfoEditPage, dpmr::kVfoEditPage.firstRecord, "vfo_scan", "PMS 4");
    StoreShown(document, dpmr::kScanPage, dpmr::kScanPage.firstRecord, "priority_channel", "5");
    for (int channel = 1; channel <= dpmr::kChannelCount; ++channel) {
        StoreShown(document, dpmr::kChannelEditPage, channel, "contact",
                   "Unit " + std::to_string(10 + channel % 64));
        StoreShown(document, dpmr::kChannelEditPage, channel, "group_rx_list",
                   std::to_string(1 + channel % 16));
    }
    // One-key calls naming contacts, messages and auto-dial numbers.
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
            QString name = QString(command.text).replace(' ', '-');
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
        std::printf("%-14s %10.2f %10.2f\n", command.text, times[times.size() / 2], times.back());
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
    // Storing the full contact list sweeps every channel's, the VFO's and the group lists'
    // references to it.
    const int stores = 200;
    const auto start = Clock::now();
    for (int i = 0; i < stores; ++i) {
        dpmr::ContactList contacts = dpmr::LoadContacts(document.image);
        dpmr::StoreContacts(document.image, contacts);
    }
    std::printf("%-14s %14.2f\n", "contacts (64)", Millis(Clock::now() - start) * 1000 / stores);
    return 0;
}
