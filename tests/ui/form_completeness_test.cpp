// Every field of every registered page has a control of its name on the form that edits it. A
// misspelt objectName would otherwise leave the field carried through unedited, and every
// other suite would still pass.

#include "core/app/code_plug_document.h"
#include "core/app/page_registry.h"
#include "ui/app/editor_commands.h"
#include "ui/widgets/field_binder.h"

#include <QApplication>
#include <QTabWidget>
#include <QtTest>

#include <set>
#include <string>

using namespace dpmr;

namespace {

// Fields a form leaves out on purpose, carried through as loaded: the VFO record has no alias
// slot, dPMR Basic hides ACK reply times, and "Scan Info" shows four of its record's fields
// (the command-line tool sets the others).
const std::set<std::string> kNoControl = {
    "vfo.alias",          "dpmr.basic.ack_reply_times", "scan.scan_begin_tone",
    "scan.scan_end_tone", "scan.scan_tx_channel",       "scan.specified_channel",
    "scan.talk_back",     "scan.tone_scan_mode"};

const PageTable *PageOf(const FieldBinder &binder) {
    for (const PageTable *page : PageRegistry())
        if (page->fields.data() == binder.fields().data())
            return page;
    return nullptr;
}

} // namespace

class FormCompletenessTest : public QObject {
    Q_OBJECT

private slots:
    void everyFieldOfEveryPageHasItsControl() {
        CodePlugDocument document;
        document.New();
        std::set<std::string> reached;
        std::set<std::string> unbound;
        for (const EditorCommand &command : EditorCommands()) {
            std::unique_ptr<QDialog> dialog = command.make({document, 1, nullptr});
            // Every tab once, so that pages built on first show are there too.
            for (QTabWidget *tabs : dialog->findChildren<QTabWidget *>())
                for (int i = 0; i < tabs->count(); ++i)
                    tabs->setCurrentIndex(i);
            for (const FieldBinder *binder : dialog->findChildren<FieldBinder *>()) {
                const PageTable *page = PageOf(*binder);
                if (!page)
                    continue; // a grid's row binder or a table no page registers
                reached.insert(page->name);
                for (std::size_t i = 0; i < page->fields.size(); ++i)
                    if (!binder->control(static_cast<int>(i)))
                        unbound.insert(std::string(page->name) + "." + page->fields[i].name);
            }
            dialog->close();
        }
        for (const std::string &name : unbound)
            QVERIFY2(kNoControl.count(name),
                     qPrintable("no control named like " + QString::fromStdString(name)));
        for (const std::string &name : kNoControl)
            QVERIFY2(unbound.count(name),
                     qPrintable(QString::fromStdString(name) + " is listed as having no control"));
        // The list pages edit their rows in a grid; every other page is a form.
        const std::set<std::string> grids = {"one_key", "pms", "dtmf.auto_dial"};
        for (const PageTable *page : PageRegistry())
            if (!grids.count(page->name))
                QVERIFY2(reached.count(page->name),
                         qPrintable(QString("no editor shows a form for ") + page->name));
    }
};

QTEST_MAIN(FormCompletenessTest)
#include "form_completeness_test.moc"
