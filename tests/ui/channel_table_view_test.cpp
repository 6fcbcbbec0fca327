// The channel form driven with real key events: cell editors, end-of-edit rules, keyboard
// movement and the band selector, checked against the table texts and the image bytes.

#include "core/app/code_plug_document.h"
#include "core/channels/channel_record.h"
#include "core/image/bcd.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace dpmr;

class ChannelTableViewTest : public QObject {
    Q_OBJECT

private:
    CodePlugDocument document_;
    std::unique_ptr<CProgramView> view_;

    ChannelTableView *table() { return view_->table(); }
    QString Cell(int channel, int column) {
        return table()->model()->index(channel - 1, column).data().toString();
    }
    void GoTo(int channel, int column) {
        table()->setFocus();
        table()->setCurrentIndex(table()->model()->index(channel - 1, column));
    }
    QWidget *OpenEditor(int channel, int column) {
        GoTo(channel, column);
        QTest::keyClick(table(), Qt::Key_Return);
        QWidget *editor = QApplication::focusWidget();
        if (!editor || editor == table())
            return nullptr;
        return editor;
    }
    // Types into the cell's editor and ends the edit with Enter (frequency) or by moving the
    // focus back to the table (tone and choice editors lose the focus).
    void TypeInto(int channel, int column, const QString &text, bool enter = true) {
        QWidget *editor = OpenEditor(channel, column);
        QVERIFY2(editor, "no cell editor opened");
        if (auto *line = qobject_cast<QLineEdit *>(editor))
            line->selectAll();
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
        if (enter)
            QTest::keyClick(editor, Qt::Key_Return);
        else
            table()->setFocus();
        QTRY_VERIFY(!table()->IsEditing());
    }
    void SelectBand(int index) {
        view_->bandSelector()->setFocus();
        view_->bandSelector()->setCurrentIndex(index == 0 ? 1 : 0);
        QTest::keyClick(view_->bandSelector(), index == 0 ? Qt::Key_Up : Qt::Key_Down);
        if (index == 2)
            QTest::keyClick(view_->bandSelector(), Qt::Key_Down);
        QCOMPARE(view_->bandSelector()->currentIndex(), index);
    }
    std::size_t Record(int channel) { return ChannelRecordOffset(channel); }

private slots:
    void init() {
        document_ = CodePlugDocument();
        document_.New();
        view_ = std::make_unique<CProgramView>(document_, nullptr);
        view_->show();
        QApplication::setActiveWindow(view_.get());
        QVERIFY(QTest::qWaitForWindowActive(view_.get()));
    }
    void cleanup() { view_.reset(); }

    void newChannelGetsDefaultsAndStoresNoOffset() {
        SelectBand(0);
        TypeInto(1, kColRxFreq, "145.5");
        QCOMPARE(Cell(1, kColRxFreq), QString("145.500000"));
        QCOMPARE(Cell(1, kColTxFreq), QString("145.500000"));
        const QStringList expected{"None", "None", "High", "Add", "Wide", "Digit", ""};
        for (int column = kColRxTone; column <= kColName; ++column)
            QCOMPARE(Cell(1, column), expected[column - kColRxTone]);
        // Enter with a text moves one cell to the right.
        QCOMPARE(table()->currentIndex().column(), int(kColTxFreq));

        view_->StoreChannelTable();
        const std::size_t b = Record(1);
        QCOMPARE(ReadFrequency(document_.image, b), 14550000u);
        QCOMPARE(document_.image.Bits(b + 18, 4, 2), 0u);
        QCOMPARE(ReadFrequency(document_.image, b + 12), 0u);
    }

    void typedCharactersOutsideTheFrequencySetAreDropped() {
        TypeInto(2, kColRxFreq, "4x3y8.5z");
        QCOMPARE(Cell(2, kColRxFreq), QString("438.500000"));
    }

    void frequencyAboveTheBandIsClamped() {
        TypeInto(1, kColRxFreq, "500");
        QCOMPARE(Cell(1, kColRxFreq), QString("470.000000"));
        TypeInto(1, kColTxFreq, "1");
        QCOMPARE(Cell(1, kColTxFreq), QString("400.000000"));
    }

    void clearingTheReceiveFrequencyEmptiesTheRecordAtOnce() {
        TypeInto(3, kColRxFreq, "438.5");
        view_->StoreChannelTable();
        QVERIFY(!IsChannelEmpty(document_.image, 3));

        TypeInto(3, kColRxFreq, "");
        for (int column = kColRxFreq; column <= kColName; ++column)
            QVERIFY(Cell(3, column).isEmpty());
        // No store: the record is the canonical empty one already.
        const std::size_t b = Record(3);
        QVERIFY(IsChannelEmpty(document_.image, 3));
        QCOMPARE(int(document_.image[b + 16]), 0xC1);
        QCOMPARE(int(document_.image[b + 17]), 0x00);
        QCOMPARE(int(document_.image[b + 18]), 0x41);
        QCOMPARE(ReadFrequency(document_.image, b + 12), 60000u);
        // Enter on an empty editor moves down.
        QCOMPARE(table()->currentIndex().row(), 3);
    }

    void anEditOnAnEmptyRowStartsWithTheReceiveFrequency() {
        TypeInto(4, kColTxTone, "440", true);
        QCOMPARE(Cell(4, kColRxFreq), QString("440.000000"));
        QCOMPARE(Cell(4, kColTxFreq), QString("440.000000"));
    }

    void offsetDirectionAndDistanceAreDerivedOnStore() {
        SelectBand(0);
        TypeInto(1, kColRxFreq, "145.5");
        TypeInto(1, kColTxFreq, "145.0");
        view_->StoreChannelTable();
        const std::size_t b = Record(1);
        QCOMPARE(document_.image.Bits(b + 18, 4, 2), 2u);
        QCOMPARE(int(document_.image[b + 12]), 0x00);
        QCOMPARE(int(document_.image[b + 13]), 0x00);
        QCOMPARE(int(document_.image[b + 14]), 0x05);
        QCOMPARE(int(document_.image[b + 15]), 0x00);
    }

    void farApartFrequenciesFromAFileStoreTheDefaultOffset() {
        const std::size_t b = Record(7);
        WriteFrequency(document_.image, b, 13600000);
        WriteFrequency(document_.image, b + 4, 19000000);
        EncodeBandLimits(document_.image, {13600000, 17400000});
        ReloadChannelView(document_.image, document_.limits, document_.table);
        view_->OnInitialUpdate();
        QCOMPARE(Cell(7, kColTxFreq), QString("190.000000"));
        view_->StoreChannelTable();
        QCOMPARE(ReadFrequency(document_.image, b + 12), 60000u);
        QCOMPARE(document_.image.Bits(b + 18, 4, 2), 1u);
    }

    void toneTextsAreNormalisedWhenTheEditorLosesTheFocus() {
        TypeInto(1, kColRxFreq, "438.5");
        TypeInto(1, kColRxTone, "d23i", false);
        QCOMPARE(Cell(1, kColRxTone), QString("D023I"));
        TypeInto(1, kColTxTone, "300.0", false);
        QCOMPARE(Cell(1, kColTxTone), QString("None"));
        TypeInto(1, kColTxTone, "88", false); // no completion to 88.5
        QCOMPARE(Cell(1, kColTxTone), QString("D088N"));
    }

    void choiceEditorWritesTheChosenText() {
        TypeInto(1, kColRxFreq, "438.5");
        QWidget *editor = OpenEditor(1, kColPower);
        auto *combo = qobject_cast<QComboBox *>(editor);
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), QString("High"));
        QTest::keyClick(combo, Qt::Key_Up);
        QTest::keyClick(combo, Qt::Key_Return);
        QCOMPARE(Cell(1, kColPower), QString("Low"));
        QCOMPARE(table()->currentIndex().column(), int(kColScan));
        view_->StoreChannelTable();
        QCOMPARE(document_.image.Bits(Record(1) + 16, 6, 2), 0u);
    }

    void toneListHoldsEveryToneOnceAfterRepeatedNewAndReload() {
        for (int i = 0; i < 3; ++i) {
            document_.New();
            view_->OnInitialUpdate();
        }
        TypeInto(1, kColRxFreq, "438.5");
        QWidget *editor = OpenEditor(1, kColRxTone);
        QVERIFY(editor);
        auto *combo = qobject_cast<QComboBox *>(editor);
        if (!combo)
            combo = qobject_cast<QComboBox *>(editor->parentWidget());
        QVERIFY(combo);
        QCOMPARE(combo->count(), 261);
        table()->setFocus();
    }

    void escapeCancelsTheEditAndTabEndsIt() {
        QWidget *editor = OpenEditor(6, kColRxFreq);
        QVERIFY(editor);
        QTest::keyClicks(editor, "438.5");
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!table()->IsEditing());
        QVERIFY(Cell(6, kColRxFreq).isEmpty());
        editor = OpenEditor(6, kColRxFreq);
        QTest::keyClicks(editor, "438.5");
        QTest::keyClick(editor, Qt::Key_Tab);
        QTRY_VERIFY(!table()->IsEditing());
        QCOMPARE(Cell(6, kColRxFreq), QString("438.500000"));

        // Tab on a new row must not open the transmit editor of a still empty row.
        editor = OpenEditor(7, kColRxFreq);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_Tab);
        QTRY_VERIFY(!table()->IsEditing());
        QVERIFY(Cell(7, kColRxFreq).isEmpty());
    }

    void keypadEnterStartsAnEdit() {
        GoTo(8, kColRxFreq);
        QTest::keyClick(table(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(table()->IsEditing());
        table()->CommitOpenEditor();
    }

    void rightAndLeftWrapAtTheRowEnds() {
        GoTo(5, kColName);
        QTest::keyClick(table(), Qt::Key_Right);
        QCOMPARE(table()->currentIndex().row(), 5);
        QCOMPARE(table()->currentIndex().column(), int(kColRxFreq));
        QTest::keyClick(table(), Qt::Key_Left);
        QCOMPARE(table()->currentIndex().row(), 4);
        QCOMPARE(table()->currentIndex().column(), int(kColName));
        GoTo(199, kColName);
        QTest::keyClick(table(), Qt::Key_Right);
        QCOMPARE(table()->currentIndex().row(), 198);
        QCOMPARE(table()->currentIndex().column(), int(kColName));
        GoTo(1, kColRxFreq);
        QTest::keyClick(table(), Qt::Key_Left);
        QCOMPARE(table()->currentIndex().row(), 0);
    }

    void bandSelectorResetsTheEditsAndSetsBothVfoFrequencies() {
        SelectBand(0);
        QCOMPARE(view_->lowEdit()->text(), QString("136"));
        QCOMPARE(view_->highEdit()->text(), QString("174"));
        QCOMPARE(document_.limits.low, 13600000);
        QCOMPARE(document_.limits.high, 17400000);
        QCOMPARE(ReadFrequency(document_.image, kVfoRxFreq), 13600000u);
        QCOMPARE(ReadFrequency(document_.image, kVfoTxFreq), 13600000u);

        WriteFrequency(document_.image, kVfoRxFreq, 14000000);
        SelectBand(1);
        SelectBand(0);
        QCOMPARE(view_->lowEdit()->text(), QString("136"));
        QCOMPARE(ReadFrequency(document_.image, kVfoRxFreq), 13600000u);
    }

    void bandEditsOutsideTheSelectedBandAreReset() {
        view_->lowEdit()->setFocus();
        view_->lowEdit()->selectAll();
        QTest::keyClicks(view_->lowEdit(), "39x0");
        QCOMPARE(view_->lowEdit()->text(), QString("390"));
        table()->setFocus(); // leaving the edit validates it
        QCOMPARE(view_->lowEdit()->text(), QString("400"));
        QCOMPARE(document_.limits.low, 40000000);

        view_->lowEdit()->setFocus();
        view_->lowEdit()->selectAll();
        QTest::keyClicks(view_->lowEdit(), "430");
        table()->setFocus();
        QCOMPARE(view_->lowEdit()->text(), QString("430"));
        QCOMPARE(document_.limits.low, 43000000);
    }

    void bandLimitsFromTheImageChooseTheSelectorEntry() {
        EncodeBandLimits(document_.image, {43000000, 44000000});
        ReloadChannelView(document_.image, document_.limits, document_.table);
        view_->OnInitialUpdate();
        QCOMPARE(view_->bandSelector()->currentText(), QString("400-470MHz"));
        QCOMPARE(view_->lowEdit()->text(), QString("430"));
        QCOMPARE(view_->highEdit()->text(), QString("440"));

        EncodeBandLimits(document_.image, {10000000, 20000000});
        ReloadChannelView(document_.image, document_.limits, document_.table);
        view_->OnInitialUpdate();
        QCOMPARE(view_->bandSelector()->currentText(), QString("400-470MHz"));
        QCOMPARE(view_->lowEdit()->text(), QString("400"));
        QCOMPARE(view_->highEdit()->text(), QString("470"));
        QCOMPARE(document_.limits.low, 10000000);
        QCOMPARE(document_.limits.high, 20000000);
    }
};

QTEST_MAIN(ChannelTableViewTest)
#include "channel_table_view_test.moc"
