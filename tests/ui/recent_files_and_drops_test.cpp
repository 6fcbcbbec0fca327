// File -> Recent files kept in "Program.ini" across a restart, and files dropped on the main
// window: a code plug opens (after the offer to save), a channel list is imported.

#include "core/app/recent_files.h"
#include "core/channels/channel_record.h"
#include "core/image/code_plug_file.h"
#include "core/image/factory_defaults.h"
#include "ui/app/file_drops.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/app/recent_files_menu.h"
#include "ui_test_support.h"

#include <QAction>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using namespace dpmr;

namespace {

Image NewImage() {
    Image image;
    WriteFactoryDefaults(image, {});
    return image;
}

// Answers the next "Save changes" question with `button`, remembering its text.
void AnswerNextQuestion(QMessageBox::StandardButton button, QString &text) {
    QTimer::singleShot(0, [button, &text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return AnswerNextQuestion(button, text); // not open yet
        text = box->text();
        box->button(button)->click();
    });
}

} // namespace

class RecentFilesAndDropsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    QString Path(const QString &name) const { return folder_->filePath(name); }

    std::unique_ptr<CProgramApp> Start() {
        auto app = std::make_unique<CProgramApp>((folder_->path() + "/").toStdString());
        QString error;
        if (!app->InitInstance({}, error))
            return nullptr;
        return app;
    }
    QString Plug(const QString &name, const std::string &alias = "Plug") {
        Image image = NewImage();
        WriteAlias(image, 1, alias);
        SaveCodePlugFile(Path(name).toStdString(), image);
        return Path(name);
    }
    static QStringList Entries(CMainFrame &frame) {
        CRecentFilesMenu *menu = frame.recentFiles();
        menu->Rebuild();
        QStringList texts;
        for (QAction *entry : menu->actions())
            texts << entry->statusTip();
        return texts;
    }
    // A drop of `path` at the middle of the window, as a file manager sends it.
    static bool Drop(CMainFrame &frame, const QString &path) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        const QPointF middle(frame.width() / 2.0, frame.height() / 2.0);
        QDragEnterEvent enter(middle.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&frame, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(middle, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&frame, &drop);
        QTest::qWait(20); // the drop's work runs after the drop ended
        return drop.isAccepted();
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
    }

    void theLastEightRotateAndSurviveARestart() {
        QStringList opened;
        {
            auto app = Start();
            CMainFrame &frame = *app->mainFrame();
            QVERIFY(!frame.recentFiles()->menuAction()->isEnabled()); // nothing yet
            for (int i = 1; i <= 9; ++i) {
                opened.prepend(Plug(QString("plug%1.dat").arg(i)));
                QVERIFY(frame.OpenDocument(opened.first()));
            }
            QVERIFY(frame.OpenDocument(Path("plug3.dat"))); // goes back to the top
            opened.move(opened.indexOf(Path("plug3.dat")), 0);
            QVERIFY(frame.SaveDocument(Path("saved.dat")));
            opened.prepend(Path("saved.dat"));
            QCOMPARE(Entries(frame), opened.mid(0, 8));
            QVERIFY(frame.recentFiles()->menuAction()->isEnabled());
            QCOMPARE(frame.recentFiles()->actions().first()->text().left(3), QString("&1 "));
            app->ExitInstance();
        }
        const QString ini = QString::fromLatin1(ReadWholeFile(Path("Program.ini")));
        QVERIFY2(ini.contains("[Recent File List]\r\nFile1=" + Path("saved.dat") + "\r\n"),
                 qPrintable(ini));
        QVERIFY(!ini.contains("File9="));
        {
            auto app = Start();
            QCOMPARE(Entries(*app->mainFrame()), opened.mid(0, 8));
            // Fewer entries than before: the ones that fell off leave the file too.
            app->recentFiles.resize(2);
            app->ExitInstance();
        }
        const QString shorter = QString::fromLatin1(ReadWholeFile(Path("Program.ini")));
        QVERIFY(shorter.contains("File2="));
        QVERIFY2(!shorter.contains("File3="), qPrintable(shorter));
    }

    void aMissingFileIsGreyedAndTakenOffWhenChosen() {
        auto app = Start();
        CMainFrame &frame = *app->mainFrame();
        QVERIFY(frame.OpenDocument(Plug("kept.dat", "Kept")));
        QVERIFY(frame.OpenDocument(Plug("gone.dat", "Gone")));
        QVERIFY(QFile::remove(Path("gone.dat")));
        CRecentFilesMenu *menu = frame.recentFiles();
        menu->Rebuild();
        QVERIFY(menu->actions().at(0)->property("missing").toBool());
        QVERIFY(!menu->actions().at(1)->property("missing").toBool());

        ModalCloser closer;
        QSignalSpy opens(menu, &CRecentFilesMenu::openRequested);
        menu->actions().at(0)->trigger();
        QCOMPARE(opens.size(), 0);
        QCOMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts.first().contains(Path("gone.dat")), qPrintable(closer.texts[0]));
        QCOMPARE(Entries(frame), QStringList{Path("kept.dat")});

        menu->actions().at(0)->trigger();
        QCOMPARE(opens.size(), 1);
        QCOMPARE(opens.first().first().toString(), Path("kept.dat"));
    }

    void aDroppedCodePlugOpensAfterTheOfferToSave() {
        auto app = Start();
        CMainFrame &frame = *app->mainFrame();
        const QString plug = Plug("dropped.dat", "Dropped");
        app->document().modified = true;

        QString question;
        AnswerNextQuestion(QMessageBox::Cancel, question);
        QVERIFY(Drop(frame, plug));
        QCOMPARE(question, QString("Save changes to Data?"));
        QCOMPARE(app->document().pathName, std::string("Data")); // cancelled: nothing opened

        AnswerNextQuestion(QMessageBox::No, question);
        QVERIFY(Drop(frame, plug));
        QCOMPARE(app->document().pathName, plug.toStdString());
        QCOMPARE(ReadAlias(app->document().image, 1), std::string("Dropped"));
        QCOMPARE(Entries(frame).first(), plug);
    }

    void aDroppedChannelListIsImported() {
        auto app = Start();
        WriteWholeFile(Path("list.csv"), "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\n"
                                         "7,Dropped,446.00625,,,,\n");
        QVERIFY(Drop(*app->mainFrame(), Path("list.csv")));
        QCOMPARE(ReadAlias(app->document().image, 7), std::string("Dropped"));
        QCOMPARE(ReadChannel(app->document().image, 7).rxFreq.value_or(0), std::uint64_t{44600625});
        QCOMPARE(app->document().pathName, std::string("Data")); // still the same code plug
    }

    void otherDragsAreRefused() {
        auto app = Start();
        CMainFrame &frame = *app->mainFrame();
        const Image before = app->document().image;
        WriteWholeFile(Path("notes.txt"), "446.00625\n");
        QVERIFY(!Drop(frame, Path("notes.txt")));
        QMimeData two;
        two.setUrls({QUrl::fromLocalFile(Plug("a.dat")), QUrl::fromLocalFile(Plug("b.dat"))});
        QVERIFY(FileDrops::DroppedFile(&two).isEmpty());
        QMimeData web;
        web.setUrls({QUrl("https://example.org/plug.dat")});
        QVERIFY(FileDrops::DroppedFile(&web).isEmpty());
        QVERIFY(app->document().image == before);
    }
};

QTEST_MAIN(RecentFilesAndDropsTest)
#include "recent_files_and_drops_test.moc"
