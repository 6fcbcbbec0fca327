// The program in German. The suite runs with LANG=de_DE.UTF-8 (see CMakeLists.txt): the
// program's start-up path picks the translation from the system locale. Every editor is
// opened in English and in German and compared widget by widget: a German text equal to the
// English one must be one the translation keeps on purpose (CTCSS, VOX, "SK1"). Choices made
// in German must store the same bytes as in English.

#include "core/app/code_plug_document.h"
#include "core/app/shown_texts.h"
#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"
#include "core/dpmr/contact_list.h"
#include "ui/app/editor_commands.h"
#include "ui/app/main_frame.h"
#include "ui/app/program_app.h"
#include "ui/app/recent_files_menu.h"
#include "ui/app/translations.h"
#include "ui/channels/channel_cell_delegate.h"
#include "ui/channels/channel_table_view.h"
#include "ui/channels/program_view.h"
#include "ui/grid/edit_grid.h"
#include "ui/widgets/core_text.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>
#include <set>

using namespace dpmr;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);

bool HasLetter(const QString &text) {
    for (QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

// Every text a user reads on a dialog, in a fixed order, each with where it was found.
QStringList ShownTexts(QWidget *dialog) {
    QStringList texts{": " + dialog->windowTitle()};
    for (QWidget *widget : dialog->findChildren<QWidget *>()) {
        const QString where = widget->objectName() + ": ";
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << where + label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << where + button->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(widget);
                 edit && !qobject_cast<QComboBox *>(edit->parentWidget()))
            texts << where + edit->text(); // a number's word ("Off")
        else if (auto *group = qobject_cast<QGroupBox *>(widget))
            texts << where + group->title();
        else if (auto *tabs = qobject_cast<QTabWidget *>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << where + tabs->tabText(i);
        // Editable lists hold tones (D023N), which no language changes.
        if (auto *combo = qobject_cast<QComboBox *>(widget); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                texts << where + combo->itemText(i);
    }
    return texts;
}

// Sources the German file translates as themselves on purpose.
std::set<QString> KeptAsTheyAre() {
    std::set<QString> kept;
    QFile file(DPMR_TS_DE);
    if (!file.open(QIODevice::ReadOnly))
        return kept;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation" && xml.readElementText() == source)
            kept.insert(source);
    }
    return kept;
}

} // namespace

class TranslationTest : public QObject {
    Q_OBJECT

    CodePlugDocument document_;

    std::unique_ptr<QDialog> Open(const EditorCommand &command) {
        std::unique_ptr<QDialog> dialog = command.make({document_, 1, nullptr});
        dialog->show();
        for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>())
            for (int i = 0; i < tabs->count(); ++i)
                tabs->setCurrentIndex(i);
        return dialog;
    }

    // Opens every editor, picks the last entry of every enabled list a user can pick from,
    // closes it; returns the image that results.
    Image ChooseLastEverywhere() {
        document_.New();
        EndFrequencyEdit(document_.table, document_.image, document_.limits, 1, kColRxFreq,
                         "438.5");
        StoreChannelTable(document_.table, document_.image, document_.limits);
        for (const EditorCommand &command : EditorCommands()) {
            if (!command.make)
                continue;
            std::unique_ptr<QDialog> dialog = Open(command);
            for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>()) {
                for (int t = 0; t < tabs->count(); ++t) {
                    tabs->setCurrentIndex(t);
                    for (QComboBox *combo : tabs->widget(t)->findChildren<QComboBox *>()) {
                        if (combo->isEditable() || !combo->isEnabled() || combo->count() == 0)
                            continue;
                        combo->setCurrentIndex(combo->count() - 1);
                        emit combo->activated(combo->count() - 1);
                    }
                }
            }
            if (dialog->findChildren<QTabWidget *>().isEmpty())
                for (QComboBox *combo : dialog->findChildren<QComboBox *>()) {
                    if (combo->isEditable() || !combo->isEnabled() || combo->count() == 0)
                        continue;
                    combo->setCurrentIndex(combo->count() - 1);
                    emit combo->activated(combo->count() - 1);
                }
            dialog->close();
        }
        return document_.image;
    }

private slots:
    void initTestCase() {
        // The suite's environment says German; the program's own start-up call must find it.
        QCOMPARE(QLocale::system().language(), QLocale::German);
        QVERIFY(InstallTranslations());
        document_.New();
    }

    void menusEditorAndMessageAreGerman() {
        QTemporaryDir folder;
        CProgramApp app((folder.path() + "/").toStdString());
        QString error;
        QVERIFY(app.InitInstance({}, error));
        CMainFrame &frame = *app.mainFrame();
        QCOMPARE(frame.windowTitle(), QString("Programmiersoftware"));
        QStringList menus;
        for (QAction *menu : frame.menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, QStringList({"&Datei", "&Bearbeiten", "&Programmieren", "&Ansicht",
                                     "&Einstellungen", "&Hilfe"}));
        QCOMPARE(frame.action(Command::Open)->text(), QString("&Öffnen...\tCtrl+O"));
        // Column headers are core texts, shown through the hook.
        const QString power =
            frame.view()->table()->model()->headerData(kColPower, Qt::Horizontal).toString();
        QCOMPARE(power, UiText(ChannelColumns()[kColPower].header));
        QVERIFY(power != QString(ChannelColumns()[kColPower].header));

        std::unique_ptr<QDialog> basic = Open(EditorCommandFor(EditorId::BasicSetting));
        QCOMPARE(basic->windowTitle(), QString("Grundeinstellungen"));
        auto *tabs = basic->findChild<QTabWidget *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->tabText(5), QString("Passwort"));
        basic->close();

        // A message box of the program, from a recent file that has gone.
        std::vector<std::string> recent{(folder.path() + "/gone.dat").toStdString()};
        CRecentFilesMenu menu(recent, &frame);
        ModalCloser closer;
        menu.actions().first()->trigger();
        QTRY_COMPARE(closer.texts.size(), 1);
        QVERIFY2(closer.texts[0].contains("existiert nicht mehr") &&
                     closer.texts[0].contains("Sie wurde aus der Liste der zuletzt geöffneten "
                                              "Dateien entfernt."),
                 qPrintable(closer.texts[0]));
        app.ExitInstance();
    }

    void everyFormTextAndCoreTextIsTranslated() {
        std::set<QString> kept = KeptAsTheyAre();
        // Names the user gave (the new document's contacts) are no text of the program.
        for (const ChoiceItem &contact : ContactChoices(document_.image))
            if (contact.code != 0)
                kept.insert(QString::fromStdString(contact.text));
        QVERIFY(kept.count("VOX") == 1); // the file was read
        QStringList untranslated;
        for (const EditorCommand &command : EditorCommands()) {
            if (!command.make)
                continue;
            InstallTranslations(QLocale::c());
            std::unique_ptr<QDialog> english = Open(command);
            const QStringList englishTexts = ShownTexts(english.get());
            english->close();
            InstallTranslations(kGerman);
            std::unique_ptr<QDialog> german = Open(command);
            const QStringList germanTexts = ShownTexts(german.get());
            german->close();
            QCOMPARE(germanTexts.size(), englishTexts.size());
            for (qsizetype i = 0; i < englishTexts.size(); ++i) {
                const QString text = englishTexts[i].mid(englishTexts[i].indexOf(": ") + 2);
                // Shortcut letters are given at run time: "SQL" shows as "S&QL" in both.
                const QString plain = QString(text).remove(u'&');
                if (englishTexts[i] == germanTexts[i] && HasLetter(text) && !kept.count(text) &&
                    !kept.count(plain))
                    untranslated << englishTexts[i];
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));

        // The core's shown texts: each has an entry in the built-in German file.
        QTranslator german;
        QVERIFY(german.load(":/i18n/dpmr-cps_de.qm"));
        QStringList missing;
        for (const std::string &text : ShownCoreTexts())
            if (german.translate(kCoreTextContext, text.c_str()).isEmpty())
                missing << QString::fromStdString(text);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void aChoiceStoresTheSameByteInBothLanguages() {
        InstallTranslations(QLocale::c());
        const Image english = ChooseLastEverywhere();
        InstallTranslations(kGerman);
        const Image german = ChooseLastEverywhere();
        QCOMPARE(ToBytes(german), ToBytes(english));
        QVERIFY(ToBytes(german) != ToBytes(Image())); // something was chosen at all

        // A channel table cell picked from the German drop-down keeps the English word.
        QTemporaryDir folder;
        CProgramApp app((folder.path() + "/").toStdString());
        QString error;
        QVERIFY(app.InitInstance({}, error));
        QAbstractItemModel *model = app.mainFrame()->view()->table()->model();
        QVERIFY(model->setData(model->index(0, kColRxFreq), "438.5"));
        const QModelIndex power = model->index(0, kColPower);
        ChannelCellDelegate delegate(nullptr);
        std::unique_ptr<QWidget> editor(delegate.createEditor(nullptr, {}, power));
        auto *combo = qobject_cast<QComboBox *>(editor.get());
        QVERIFY(combo);
        const QString last = QString::fromStdString(ColumnChoices(kColPower).back());
        QVERIFY(combo->itemText(combo->count() - 1) != last);
        combo->setCurrentIndex(combo->count() - 1);
        delegate.setModelData(combo, model, power);
        QCOMPARE(power.data(Qt::EditRole).toString(), last);
        QCOMPARE(power.data(Qt::DisplayRole).toString(), UiText(last.toStdString()));
        app.ExitInstance();
    }

    void aListCellPickedInGermanKeepsTheCoresWord() {
        InstallTranslations(kGerman);
        document_.New();
        std::unique_ptr<QDialog> dpmr = Open(EditorCommandFor(EditorId::Dpmr));
        CEditGrid *grid = nullptr;
        for (CEditGrid *candidate : dpmr->findChildren<CEditGrid *>())
            if (candidate->columnCount() == 4) // No., name, number, type: the contacts
                grid = candidate;
        QVERIFY(grid);
        const QModelIndex type = grid->model()->index(0, 3);
        QAbstractItemDelegate *delegate = grid->itemDelegate();
        std::unique_ptr<QWidget> editor(delegate->createEditor(grid->viewport(), {}, type));
        auto *combo = qobject_cast<QComboBox *>(editor.get());
        QVERIFY(combo);
        const int single = combo->findData(QString(kSingleCall));
        QVERIFY(single >= 0);
        QCOMPARE(combo->itemText(single), QString("Einzelruf"));
        combo->setCurrentIndex(single);
        delegate->setModelData(combo, grid->model(), type);
        QCOMPARE(grid->Text(0, 3), QString(kSingleCall));
        dpmr->close();
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
