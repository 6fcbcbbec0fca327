// The channel editor driven with real key and focus events, then checked against the image.

#include "core/app/code_plug_document.h"
#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "ui/channels/channel_edit_dlg.h"
#include "ui/widgets/field_binder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

using namespace dpmr;

class ChannelEditDlgTest : public QObject {
    Q_OBJECT

private:
    CodePlugDocument document_;
    std::unique_ptr<CChannelEditDlg> dialog_;

    CChannelEditDlg &Open(int channel) {
        dialog_ = std::make_unique<CChannelEditDlg>(document_, channel, nullptr);
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        [&] { QVERIFY(QTest::qWaitForWindowActive(dialog_.get())); }();
        return *dialog_;
    }
    template <typename T> T *Control(int field) {
        return qobject_cast<T *>(dialog_->binder()->control(field));
    }
    QLineEdit *Edit(int field) { return Control<QLineEdit>(field); }
    QComboBox *Combo(int field) { return Control<QComboBox>(field); }
    // Types into an edit as a user would: focus, select all, type, then Tab away.
    void Type(QWidget *edit, const QString &text) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    void Close() {
        dialog_->close();
        dialog_.reset();
    }

private slots:
    void init() {
        document_.limits = {40000000, 47000000};
        document_.New();
        // As the "Channel edit" button does: the table is stored before the editor opens.
        StoreChannelTable(document_.table, document_.image, document_.limits);
    }

    void anEmptyChannelOffersOnlyItsNumberAndReceiveFrequency() {
        const Image before = document_.image;
        Open(3);
        QVERIFY(dialog_->channelNumberEdit()->isEnabled());
        QVERIFY(Edit(kEditRxFreq)->isEnabled());
        QVERIFY(!Edit(kEditTxFreq)->isEnabled());
        QVERIFY(!Combo(kEditContact)->isEnabled());
        QVERIFY(!Control<QCheckBox>(kEditBusy)->isEnabled());
        Close();
        // Opening and closing an empty channel changes no byte.
        QVERIFY(document_.image == before);
    }

    void receiveCommitsClampSnapAndStartANewChannel() {
        Open(5);
        Type(Edit(kEditRxFreq), "145");
        QCOMPARE(Edit(kEditRxFreq)->text(), QString("400.000000"));
        QCOMPARE(Edit(kEditTxFreq)->text(), QString("400.000000"));
        QCOMPARE(Combo(kEditTxPower)->currentText(), QString("High"));
        QCOMPARE(Combo(kEditChannelType)->currentText(), QString("Digit"));
        QVERIFY(Control<QCheckBox>(kEditScan)->isChecked());
        QCOMPARE(Combo(kEditStatusInfo)->currentText(), QString("30"));
        QVERIFY(Combo(kEditRxColor)->isEnabled());
        Type(Edit(kEditRxFreq), "438.503");
        QCOMPARE(Edit(kEditRxFreq)->text(), QString("438.503125"));
        QCOMPARE(Edit(kEditTxFreq)->text(), QString("400.000000")); // only a new channel
        Type(Combo(kEditRxTone)->lineEdit(), "88");
        QCOMPARE(Combo(kEditRxTone)->currentText(), QString("D088N"));
        Type(Edit(kEditAlias), "Repeater North 2");
        Close();
        const ChannelRecord r = ReadChannel(document_.image, 5);
        QCOMPARE(r.rxFreq, std::optional<std::uint64_t>(43850312));
        QCOMPARE(r.txFreq, std::optional<std::uint64_t>(40000000));
        QCOMPARE(r.rxTone, ToneCodeFromText("D088N"));
        QCOMPARE(r.groupRxList, std::uint8_t{0});
        QCOMPARE(r.contact, std::uint8_t{0});
        QCOMPARE(r.encryptKey, std::uint8_t{0});
        QCOMPARE(ReadAlias(document_.image, 5), std::string("Repeater Nor"));
    }

    void closingWithAFocusedFieldCommitsItFirst() {
        Open(6);
        Type(Edit(kEditRxFreq), "440");
        Edit(kEditTxFreq)->setFocus();
        QTest::keyClick(Edit(kEditTxFreq), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Edit(kEditTxFreq), "500");
        Close(); // the close box while "500" is still being typed
        QCOMPARE(ReadChannel(document_.image, 6).txFreq, std::optional<std::uint64_t>(40000000));
    }

    void escInTheReceiveEditClosesAndStoresEnterNeverCloses() {
        Open(7);
        Edit(kEditRxFreq)->setFocus();
        QTest::keyClicks(Edit(kEditRxFreq), "439.1");
        QTest::keyClick(Edit(kEditRxFreq), Qt::Key_Return); // commits, stays
        QCOMPARE(Edit(kEditRxFreq)->text(), QString("439.100000"));
        QVERIFY(dialog_->isVisible());
        Edit(kEditAlias)->setFocus();
        QTest::keyClick(Edit(kEditAlias), Qt::Key_Escape);
        QTest::keyClick(Edit(kEditAlias), Qt::Key_Return);
        QVERIFY(dialog_->isVisible());
        Edit(kEditRxFreq)->setFocus();
        QTest::keyClick(Edit(kEditRxFreq), Qt::Key_Escape);
        QVERIFY(!dialog_->isVisible());
        dialog_.reset();
        QCOMPARE(ReadChannel(document_.image, 7).rxFreq, std::optional<std::uint64_t>(43910000));
    }

    void channelNumberSpinsWrapAndEachStepStoresTheChannelLeft() {
        Open(199);
        Type(Edit(kEditRxFreq), "450");
        QWidget *number = dialog_->channelNumberEdit();
        number->setFocus();
        QTest::keyClick(number, Qt::Key_Up);
        QCOMPARE(dialog_->currentChannel(), 1);
        QVERIFY(!IsChannelEmpty(document_.image, 199)); // stored when left
        QTest::keyClick(number, Qt::Key_Down);
        QCOMPARE(dialog_->currentChannel(), 199);
        QCOMPARE(Edit(kEditRxFreq)->text(), QString("450.000000"));
        Type(number, "0");
        QCOMPARE(dialog_->currentChannel(), 1);
        Type(number, "500");
        QCOMPARE(dialog_->currentChannel(), 199);
        QCOMPARE(qobject_cast<QLineEdit *>(number)->text(), QString("199"));
        Close();
    }

    void channel40HasNoDigitalControlsAndKeepsTheExtensions() {
        const Image before = document_.image;
        Open(40);
        Type(Edit(kEditRxFreq), "440");
        QVERIFY(!Combo(kEditRxColor)->isEnabled());
        QVERIFY(!Control<QCheckBox>(kEditOacsu)->isEnabled());
        QCOMPARE(Combo(kEditDataType)->currentIndex(), -1);
        Close();
        for (std::size_t i = 0x3E00; i < 0x3E80; ++i)
            QCOMPARE(document_.image[i], before[i]);
    }

    void listsComeFromTheImageAndStaleReferencesStoreNone() {
        document_.image.SetU16le(kKeyPresentBitmap, 0x0005);
        Open(8);
        Type(Edit(kEditRxFreq), "440");
        QCOMPARE(Combo(kEditEncryptKey)->count(), 2);
        Close();
        const std::size_t b = ChannelRecordOffset(8);
        document_.image[b + 21] = 12; // a contact that is not in the index
        document_.image.SetBits(b + 16, 6, 2, 1);
        Open(8);
        QCOMPARE(Combo(kEditContact)->currentText(), QString("None"));
        QCOMPARE(Combo(kEditTxPower)->currentIndex(), -1);
        Close();
        QCOMPARE(document_.image[b + 21], std::uint8_t{0});
        QCOMPARE(document_.image.Bits(b + 16, 6, 2), 3u);
    }

    void typingLimitsFilterTypingAndPasteButNeverLoadedText() {
        Open(9);
        Type(Edit(kEditRxFreq), "4x4y0.1234567");
        // Letters dropped, 10 characters kept: 440.123456, then put on the channel grid.
        QCOMPARE(Edit(kEditRxFreq)->text(), QString("440.122500"));
        QApplication::clipboard()->setText("Radio alias far too long");
        Edit(kEditAlias)->setFocus();
        QTest::keyClick(Edit(kEditAlias), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Edit(kEditAlias)->text(), QString("Radio alias "));
        Close();
        // A text set by the program (a loaded value) is shown whole.
        Open(9);
        dialog_->binder()->SetText(kEditAlias, "A loaded alias of 24 chr");
        QCOMPARE(Edit(kEditAlias)->text().size(), 24);
        dialog_->binder()->SetText(kEditAlias, "ok");
        Close();
    }
};

QTEST_MAIN(ChannelEditDlgTest)
#include "channel_edit_dlg_test.moc"
