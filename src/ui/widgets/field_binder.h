#pragma once
// Ties the controls of a Designer form to a field table by objectName: a control named like
// a field ("rx_freq", "busy_lock") shows and edits that field. The rule gives the choices, the
// typing limits, the key filter and the spin; loaded values are never cut by a typing limit.

#include "core/fields/page_table.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;

class QWidget;

class FieldBinder : public QObject {
    Q_OBJECT
public:
    // Controls: QLineEdit (number, text, digits, frequency), QComboBox (choice; an editable
    // one for tones), QCheckBox (check), QSpinBox-like arrows come from a QLineEdit plus a
    // QAbstractSpinBox named "<field>_spin" or from Up/Down in the edit. Fields without a
    // control on the form are carried through unchanged. Each control is named for a screen
    // reader by its buddy label, its arrows by the label and their direction; with the page's
    // name it gets a tooltip and What's This from the field's rule and meaning.
    FieldBinder(QWidget *form, std::span<const dpmr::FieldDef> fields, std::string_view page = {});

    // Choice lists (from the image), tone lists, limits and filters; the tooltips name the
    // choices of this image.
    void FillChoices(const dpmr::Image &image);
    // Shows texts; they are what the page's "field left" hook compares the next edit with.
    void LoadControls(const dpmr::FieldTexts &texts);
    // The user left `field` of `page` (record `record`): the page's hook derives what follows
    // from what the controls show, and the controls show its result.
    void LeaveField(const dpmr::PageTable &page, int record, int field);
    // Ends an edit still open (its commit runs first), then reads every control.
    dpmr::FieldTexts StoreControls();
    // What the controls show now, without committing anything.
    dpmr::FieldTexts Texts() const;
    void SetText(int field, const QString &text);

    QWidget *control(int field) const;
    std::span<const dpmr::FieldDef> fields() const { return fields_; }
    void SetEnabled(int field, bool enabled);
    // Runs the commit of the control that has the focus, as leaving it would.
    void CommitFocused();
    // No more commits: the page is going away (its controls lose the focus while it is
    // destroyed, and their commits would reach a page that no longer exists).
    void Detach();

    // A control was left, Enter was pressed in an edit, or a choice was picked: the page's
    // commit rule runs here. The default normalises the field by its rule.
    std::function<void(int field)> onCommit;
    // The context the default commit normalises in (band limits, image for choices).
    std::function<dpmr::FieldContext()> context;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The core's word for no tone, and what a combo holds in the core's words.
    static QString NoToneText();
    static QString ComboText(const QComboBox *combo);
    // A number's word for 0 or its maximum ("Off") as shown, and back.
    static QString ShownWord(const dpmr::FieldRule &rule, const QString &text);
    static QString CoreWord(const dpmr::FieldRule &rule, const QString &shown);
    void Commit(int field);
    void Step(int field, int direction);

    void SetHelp(const dpmr::Image &image);

    std::span<const dpmr::FieldDef> fields_;
    std::string page_;
    std::vector<QPointer<QWidget>> controls_;
    dpmr::FieldTexts carried_; // fields without a control keep their loaded text
    dpmr::FieldTexts shown_;   // as last loaded
    bool loading_ = false;
    bool detached_ = false;
};
