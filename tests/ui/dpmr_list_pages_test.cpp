// The "Outbox" and "Encrypt" pages in a tab container, driven with real keys and clicks.

#include "core/app/code_plug_document.h"
#include "core/channels/channel_record.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/messages.h"
#include "ui/dpmr/dpmr_encrypt_page.h"
#include "ui/dpmr/dpmr_outbox_page.h"
#include "ui/widgets/tab_container.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace dpmr;

class DpmrListPagesTest : public QObject {
    Q_OBJECT

    CodePlugDocument document_;
    std::unique_ptr<CTabContainerDlg> dialog_;
    CDpmrEncryptPage *encrypt_ = nullptr;
    CDpmrOutboxPage *outbox_ = nullptr;

    void Open() {
        dialog_ = std::make_unique<CTabContainerDlg>("dPMR", nullptr);
        encrypt_ = new CDpmrEncryptPage(document_, nullptr);
        outbox_ = new CDpmrOutboxPage(document_, nullptr);
        dialog_->AddPage(encrypt_, "Encrypt");
        dialog_->AddPage(outbox_, "Outbox");
        dialog_->show();
        QApplication::setActiveWindow(dialog_.get());
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }
    void Close() {
        dialog_->close();
        dialog_.reset();
    }
    QPushButton *Button(QWidget *page, const char *name) {
        return page->findChild<QPushButton *>(name);
    }
    // Opens the in-place editor on (row, 1) with Enter and returns it.
    QLineEdit *EditCell(CEditGrid *grid, int row) {
        grid->setFocus();
        grid->setCurrentCell(row, 1);
        QTest::keyClick(grid, Qt::Key_Return);
        return qobject_cast<QLineEdit *>(QApplication::focusWidget());
    }

private slots:
    void init() { document_.New(); }

    void encryptStartsOffEmptyAndDisabledThenAddsTheDefaultKey() {
        Open();
        auto *check = encrypt_->findChild<QCheckBox *>("encrypt");
        QVERIFY(!check->isChecked());
        QCOMPARE(encrypt_->grid()->rowCount(), 0);
        QVERIFY(!Button(encrypt_, "add")->isEnabled());
        QVERIFY(!Button(encrypt_, "remove")->isEnabled());
        check->setFocus();
        QTest::keyClick(check, Qt::Key_Space);
        QVERIFY(check->isChecked());
        QVERIFY(Button(encrypt_, "add")->isEnabled());
        QTest::mouseClick(Button(encrypt_, "add"), Qt::LeftButton);
        QCOMPARE(encrypt_->grid()->Text(0, 1), QString(kDefaultKeyText));
        QLineEdit *editor = EditCell(encrypt_->grid(), 0);
        QVERIFY(editor);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "12xab");
        QCOMPARE(editor->text(), QString("12AB"));
        Close(); // the editor is still open: closing commits it
        QCOMPARE(document_.image[kEncryption], std::uint8_t{1});
        QCOMPARE(document_.image.U16le(kKeyPresentBitmap), std::uint16_t{0x0001});
        QCOMPARE(document_.image[kEncryptionKeys + 1], std::uint8_t{0xAB});
        QCOMPARE(document_.image[kEncryptionKeys + 2], std::uint8_t{0xFF});
    }

    void sixteenKeysDisableAddAndInsert() {
        document_.image[kEncryption] = 1;
        Open();
        for (int k = 0; k < 16; ++k)
            QTest::mouseClick(Button(encrypt_, "add"), Qt::LeftButton);
        QVERIFY(!Button(encrypt_, "add")->isEnabled());
        QVERIFY(!Button(encrypt_, "insert")->isEnabled());
        Close();
        QCOMPARE(document_.image.U16le(kKeyPresentBitmap), std::uint16_t{0xFFFF});
    }

    void deletingAKeyMovesTheChannelsThatNamedTheKeysBehindIt() {
        document_.image[kEncryption] = 1;
        NumberedList keys;
        for (const char *text : {"11111111", "22222222", "33333333"})
            keys.Append(text);
        StoreKeys(document_.image, keys);
        const std::size_t ch1 = ChannelRecordOffset(1), ch2 = ChannelRecordOffset(2);
        document_.image[ch1 + 22] = 3;
        document_.image[ch2 + 22] = 2;
        Open();
        encrypt_->grid()->setCurrentCell(1, 1);
        QTest::mouseClick(Button(encrypt_, "remove"), Qt::LeftButton);
        Close();
        QCOMPARE(document_.image[ch1 + 22], std::uint8_t{2}); // still "33333333"
        QCOMPARE(document_.image[ch2 + 22], std::uint8_t{0}); // its key is gone: none
        QCOMPARE(LoadKeys(document_.image).texts[1], std::string("33333333"));
    }

    void messagesArePastedWithinTheirSlotAndRejectEmptyEdits() {
        Open();
        dialog_->tabs()->setCurrentIndex(1);
        QTest::mouseClick(Button(outbox_, "add"), Qt::LeftButton);
        QTest::mouseClick(Button(outbox_, "add"), Qt::LeftButton);
        QLineEdit *editor = EditCell(outbox_->grid(), 0);
        QVERIFY(editor);
        QApplication::clipboard()->setText(QString(300, 'z'));
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor->text().size(), 126);
        QTest::keyClick(editor, Qt::Key_Return);
        editor = EditCell(outbox_->grid(), 1);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(outbox_->grid()->Text(1, 1), QString("Message 2")); // empty refused
        Close();
        const NumberedList messages = LoadMessages(document_.image);
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages.texts[0], std::string(126, 'z'));
        QCOMPARE(document_.image.U16le(kMessageIndex + 4), std::uint16_t{0xFFFF});
    }
};

QTEST_MAIN(DpmrListPagesTest)
#include "dpmr_list_pages_test.moc"
