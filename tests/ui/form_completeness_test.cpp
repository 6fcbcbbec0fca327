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

// Fields a form leaves out on purpose: the VFO record has no alias slot.
const std::set<std::string> kNoControl = {"vfo.alias"};

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
                for (std::size_t i = 0; i < page->fields.size(); ++i) {
                    const std::string name = std::string(page->name) + "." + page->fields[i].name;
                    const bool bound = binder->control(static_cast<int>(i)) != nullptr;
                    if (kNoControl.count(name))
                        QVERIFY2(!bound, qPrintable(name + " is listed as having no control"));
                    else
                        QVERIFY2(bound, qPrintable(command.text + QString(": no control named ") +
                                                   page->fields[i].name + " for " +
                                                   QString::fromStdString(name)));
                }
            }
            dialog->close();
        }
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
