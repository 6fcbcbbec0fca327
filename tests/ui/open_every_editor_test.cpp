// Opens every editor of the program on a new image with a few channels typed, visits every tab
// and closes it, twice. The first round may change only the bytes listed below, each a fixed
// replacement the editor makes for a stored value that names no choice; the second round
// must change no byte at all.

#include "core/app/code_plug_document.h"
#include "core/channels/channel_record.h"
#include "core/image/record_layouts.h"
#include "ui/app/editor_commands.h"

#include <QApplication>
#include <QTabWidget>
#include <QtTest>

using namespace dpmr;

namespace {

struct FixedReplacement {
    EditorId editor;
    std::size_t first; // image offsets first..last
    std::size_t last;
    const char *reason;
};

// The editors open on channel 1, which the test types in the table.
const std::vector<FixedReplacement> &FixedReplacements() {
    static const std::size_t ch1 = ChannelRecordOffset(1);
    static const std::size_t ext1 = ChannelDigitalExtOffset(1);
    static const std::vector<FixedReplacement> list = [] {
        std::vector<FixedReplacement> list{
            {EditorId::ChannelEdit, ch1 + 20, ch1 + 20,
             "group rx list 1 of a new image names no existing list: \"None\", stored 0"},
            {EditorId::ChannelEdit, ch1 + 21, ch1 + 21, "contact 0xFF shows \"None\", stored 0"},
            {EditorId::ChannelEdit, ch1 + 22, ch1 + 22,
             "encrypt key 0xFF shows \"None\", stored 0"},
            {EditorId::ChannelEdit, ext1 + 2, ext1 + 2,
             "data type bits of a blank extension are no one-hot pattern: \"Data Type 1\""},
            {EditorId::ChannelEdit, ext1 + 3, ext1 + 3, "status info 0xFF is above 31: \"30\""},
            {EditorId::Vfo, kVfoRxFreq, kVfoTxFreq + 3,
             "unset VFO frequencies open at the lower band limit and are stored so"},
            {EditorId::Vfo, kVfoGroupRxList, kVfoGroupRxList + 2,
             "the VFO's group rx list 1, contact and key 0xFF name nothing: \"None\", stored 0"},
            {EditorId::Vfo, kVfoDigitalExt + 2, kVfoDigitalExt + 2,
             "data type bits of the blank VFO extension are no one-hot pattern: \"Data Type 1\""},
            {EditorId::Vfo, kVfoDigitalExt + 3, kVfoDigitalExt + 3,
             "the VFO's status info 0xFF is above 31: \"30\""},
            {EditorId::Dpmr, 0x1548, 0x1548, "wake frame 0xFF names no choice: \"None\", stored 0"},
            {EditorId::Dpmr, 0x154E, 0x154E, "ACK reply times 0xFF is outside 1..10: stored 1"},
            {EditorId::Dpmr, 0x3E80, 0x3E82,
             "ACK reply delay, ACK reply wait, Tx delay time 0xFF are above their range: 5.0, 10 "
             "and "
             "5.0, stored 50, 10, 50"},
        };
        // A new image leaves the one-key entries 0xFF: call mode "None", an empty row.
        for (int e = 0; e < kOneKeyCount; ++e) {
            const std::size_t entry =
                kOneKeyEntries + kOneKeyEntrySize * static_cast<std::size_t>(e);
            list.push_back({EditorId::BasicSetting, entry, entry + 3,
                            "an empty one-key row is stored as 00 00 00 00"});
        }
        // Storing the contacts unlinks every empty group receive list; a new image has none but
        // names list 1 in every channel record and the VFO.
        for (int n = 1; n <= kVfoChannel; ++n) {
            const std::size_t at = ChannelRecordAt(n) + channel_layout::kGroupRxList.offset;
            list.push_back(
                {EditorId::Dpmr, at, at, "group rx list 1 is empty: unlinked, stored 0"});
            const std::size_t contact = ChannelRecordAt(n) + channel_layout::kContact.offset;
            list.push_back({EditorId::Dpmr, contact, contact, "contact 0 names no contact: 0xFF"});
        }
        return list;
    }();
    return list;
}

bool IsListed(EditorId editor, std::size_t offset) {
    for (const FixedReplacement &entry : FixedReplacements())
        if (entry.editor == editor && offset >= entry.first && offset <= entry.last)
            return true;
    return false;
}

} // namespace

class OpenEveryEditorTest : public QObject {
    Q_OBJECT

private:
    CodePlugDocument document_;

    // Shows the editor, enters every tab in order, closes it as the close box does.
    void OpenVisitClose(const EditorCommand &command) {
        std::unique_ptr<QDialog> dialog = command.make({document_, 1, nullptr});
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>())
            for (int i = 0; i < tabs->count(); ++i)
                tabs->setCurrentIndex(i);
        dialog->close();
    }

private slots:
    void initTestCase() {
        document_.New();
        for (const auto &[channel, rx] :
             {std::pair{1, "438.5"}, std::pair{2, "446.00625"}, std::pair{40, "439.1"}})
            EndFrequencyEdit(document_.table, document_.image, document_.limits, channel,
                             kColRxFreq, rx);
        StoreChannelTable(document_.table, document_.image, document_.limits);
    }

    void firstRoundChangesOnlyListedBytesSecondRoundNothing() {
        int editors = 0;
        for (const EditorCommand &command : EditorCommands()) {
            if (!command.make)
                continue;
            ++editors;
            const Image before = document_.image;
            OpenVisitClose(command);
            for (std::size_t offset = 0; offset < kImageSize; ++offset)
                if (before[offset] != document_.image[offset] && !IsListed(command.id, offset))
                    QFAIL(qPrintable(QString("editor %1 changed 0x%2 from %3 to %4, which is "
                                             "no listed fixed replacement")
                                         .arg(static_cast<int>(command.id))
                                         .arg(offset, 4, 16, QChar('0'))
                                         .arg(before[offset], 2, 16)
                                         .arg(document_.image[offset], 2, 16)));
        }
        QVERIFY(editors >= 1);
        const Image settled = document_.image;
        for (const EditorCommand &command : EditorCommands())
            if (command.make)
                OpenVisitClose(command);
        for (std::size_t offset = 0; offset < kImageSize; ++offset)
            QVERIFY2(settled[offset] == document_.image[offset],
                     qPrintable(QString("second round changed 0x%1").arg(offset, 4, 16)));
    }
};

QTEST_MAIN(OpenEveryEditorTest)
#include "open_every_editor_test.moc"
