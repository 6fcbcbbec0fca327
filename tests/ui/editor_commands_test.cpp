// The commands around the editors in the main window: the "Channel edit" button stores the
// table first, opens the editor on the current row and reloads the table after it; an editor
// that changed the image makes New and the close box offer to save.

#include "core/channels/channel_record.h"
#include "ui/app/editor_commands.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/channels/channel_edit_dlg.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace dpmr;

namespace {

// Acts on the next modal dialog: the channel editor gets a receive frequency and is closed;
// a message box is answered with `answer` and its text kept.
class NextModal : public QObject {
public:
    QString rxText;
    QMessageBox::StandardButton answer = QMessageBox::No;
    QStringList seen;
    NextModal() {
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start(20);
    }

private:
    void Poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *editor = qobject_cast<CChannelEditDlg *>(modal)) {
            seen << QString("channel %1").arg(editor->currentChannel());
            if (!rxText.isEmpty()) {
                auto *rx = editor->findChild<QLineEdit *>("rx_freq");
                rx->setFocus();
                rx->setText(rxText);
            }
            editor->close();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen << box->text();
            box->button(answer)->click();
        }
    }
    QTimer timer_;
};

} // namespace

class EditorCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<CProgramApp> Start() {
        auto app = std::make_unique<CProgramApp>((folder_->path() + "/").toStdString());
        QString error;
        if (!app->InitInstance({}, error))
            return nullptr;
        return app;
    }

private slots:
    void init() { folder_ = std::make_unique<QTemporaryDir>(); }

    void channelEditStoresFirstOpensOnTheRowAndReloadsAfter() {
        auto app = Start();
        QVERIFY(app);
        CMainFrame &frame = *app->mainFrame();
        CodePlugDocument &document = app->document();
        // A table edit not yet stored: the editor must see it.
        document.table.Cell(4, kColRxFreq) = "438.500000";
        document.table.Cell(4, kColTxFreq) = "438.500000";
        frame.view()->table()->setCurrentIndex(frame.view()->table()->model()->index(3, 1));
        NextModal modal;
        modal.rxText = "439.2";
        frame.view()->channelEditButton()->click();
        QCOMPARE(modal.seen, QStringList{"channel 4"});
        QCOMPARE(ReadChannel(document.image, 4).rxFreq, std::optional<std::uint64_t>(43920000));
        QCOMPARE(frame.view()->table()->model()->index(3, 1).data().toString(),
                 QString("439.200000"));
        QVERIFY(document.modified);

        // New now asks; "No" discards, and the fresh document is not modified.
        modal.answer = QMessageBox::No;
        frame.OnFileNew();
        QCOMPARE(modal.seen.size(), 2);
        QVERIFY(modal.seen[1].startsWith("Save changes"));
        QVERIFY(!document.modified);
        QVERIFY(IsChannelEmpty(document.image, 4));
    }

    void anEditorThatChangedNothingLeavesTheDocumentUnmodified() {
        auto app = Start();
        NextModal modal; // closes the editor untouched on the empty channel 1
        app->mainFrame()->OnEditor(EditorId::ChannelEdit);
        QCOMPARE(modal.seen, QStringList{"channel 1"});
        QVERIFY(!app->document().modified);
    }

    void cancelAtTheSavePromptKeepsTheWindowOpen() {
        auto app = Start();
        app->document().modified = true;
        NextModal modal;
        modal.answer = QMessageBox::Cancel;
        QVERIFY(!app->mainFrame()->close());
        QVERIFY(app->mainFrame()->isVisible());
        app->document().modified = false;
    }
};

QTEST_MAIN(EditorCommandsTest)
#include "editor_commands_test.moc"
