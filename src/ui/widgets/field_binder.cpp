#include "ui/widgets/field_binder.h"

#include "core/settings_text/field_tooltip.h"
#include "ui/widgets/buddy_names.h"
#include "ui/widgets/combo_accessible.h"
#include "ui/widgets/core_text.h"
#include "ui/widgets/tone_chooser.h"
#include "ui/widgets/typing_limits.h"

#include "core/image/tone.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

using namespace dpmr;

FieldBinder::FieldBinder(QWidget *form, std::span<const FieldDef> fields, std::string_view page)
    : QObject(form), fields_(fields), page_(page), carried_(fields.size()) {
    controls_.resize(fields.size());
    InstallComboBoxAccessibility();
    const QHash<QWidget *, QString> labels = BuddyLabelTexts(form);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString name = QString::fromLatin1(fields[i].name);
        QWidget *control = form->findChild<QWidget *>(name);
        controls_[i] = control;
        if (!control)
            continue;
        const int field = static_cast<int>(i);
        // Announced by its label, never by the value it shows (a drop-down's current entry).
        const QString label = labels.value(control);
        if (!label.isEmpty())
            control->setAccessibleName(label);
        control->installEventFilter(this);
        if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            ApplyTypingLimits(edit, fields[i].rule);
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            if (combo->isEditable())
                combo->lineEdit()->installEventFilter(this);
            connect(combo, &QComboBox::activated, this, [this, field] {
                if (!loading_ && !qobject_cast<QComboBox *>(this->control(field))->isEditable())
                    Commit(field);
            });
        } else if (auto *check = qobject_cast<QAbstractButton *>(control)) {
            connect(check, &QAbstractButton::clicked, this, [this, field] {
                if (!loading_)
                    Commit(field);
            });
        }
        // Arrow buttons beside a number edit: "<field>_up" and "<field>_down".
        for (int direction : {+1, -1}) {
            auto *arrow =
                form->findChild<QAbstractButton *>(name + (direction > 0 ? "_up" : "_down"));
            if (!arrow)
                continue;
            connect(arrow, &QAbstractButton::clicked, this,
                    [this, field, direction] { Step(field, direction); });
            const QString base =
                control->accessibleName().isEmpty() ? name : control->accessibleName();
            arrow->setAccessibleName(direction > 0 ? tr("%1, up").arg(base)
                                                   : tr("%1, down").arg(base));
        }
    }
}

void FieldBinder::SetHelp(const Image &image) {
    if (page_.empty())
        return;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QWidget *widget = controls_[i].data();
        if (!widget)
            continue;
        const QString help = QString::fromStdString(
            FieldTooltip(page_, fields_[i], image,
                         [](std::string_view text) { return UiText(text).toStdString(); }));
        widget->setToolTip(help);
        widget->setWhatsThis(help);
        if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->lineEdit())
            combo->lineEdit()->setToolTip(help);
    }
}

void FieldBinder::FillChoices(const Image &image) {
    SetHelp(image);
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        auto *combo = qobject_cast<QComboBox *>(controls_[i].data());
        if (!combo)
            continue;
        const QSignalBlocker block(combo);
        combo->clear();
        if (fields_[i].rule.kind == RuleKind::Tone) {
            FillToneChooser(combo);
            continue;
        }
        // The list shows the words in the user's language and keeps the core's own text as the
        // item's data: that is what the rule turns into a code.
        for (const ChoiceItem &item : ChoicesOf(fields_[i].rule, image))
            combo->addItem(UiText(item.text), QString::fromStdString(item.text));
        combo->setCurrentIndex(-1);
    }
}

void FieldBinder::SetText(int field, const QString &text) {
    QWidget *widget = control(field);
    carried_.at(static_cast<std::size_t>(field)) = text.toStdString();
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        // never cut: typing limits apply to typing only
        edit->setText(ShownWord(fields_[static_cast<std::size_t>(field)].rule, text));
        edit->setCursorPosition(0);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        const QSignalBlocker block(combo);
        if (combo->isEditable())
            combo->setEditText(text == NoToneText() ? UiText(text.toStdString()) : text);
        else if (text.isEmpty())
            combo->setCurrentIndex(-1);
        else if (const int at = combo->findData(text); at >= 0)
            combo->setCurrentIndex(at);
        else // a list filled by its page, without the core's words as data
            combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
    } else if (auto *check = qobject_cast<QAbstractButton *>(widget)) {
        check->setChecked(text == "1");
    }
}

void FieldBinder::LoadControls(const FieldTexts &texts) {
    loading_ = true;
    for (std::size_t i = 0; i < fields_.size() && i < texts.size(); ++i)
        SetText(static_cast<int>(i), QString::fromStdString(texts[i]));
    loading_ = false;
    shown_ = Texts();
}

void FieldBinder::LeaveField(const PageTable &page, int record, int field) {
    const FieldTexts typed = Texts();
    FieldTexts texts = typed;
    dpmr::LeaveField(page, context(), record, field, shown_, texts);
    if (texts != typed)
        LoadControls(texts);
    else
        shown_ = texts;
}

FieldTexts FieldBinder::Texts() const {
    FieldTexts texts = carried_;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        QWidget *widget = controls_[i].data();
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            texts[i] = CoreWord(fields_[i].rule, edit->text()).toStdString();
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            texts[i] = ComboText(combo).toStdString();
        else if (auto *check = qobject_cast<QAbstractButton *>(widget))
            texts[i] = check->isChecked() ? "1" : "0";
    }
    return texts;
}

QString FieldBinder::NoToneText() {
    return QString::fromStdString(ToneList().front());
}

QString FieldBinder::ShownWord(const FieldRule &rule, const QString &text) {
    for (const char *word : {rule.zeroWord, rule.maxWord})
        if (word && text == QLatin1String(word))
            return UiText(word);
    return text;
}

QString FieldBinder::CoreWord(const FieldRule &rule, const QString &shown) {
    for (const char *word : {rule.zeroWord, rule.maxWord})
        if (word && shown == UiText(word))
            return QString::fromLatin1(word);
    return shown;
}

QString FieldBinder::ComboText(const QComboBox *combo) {
    if (combo->isEditable()) {
        // A tone typed or picked as the shown word for no tone is the core's word again.
        const QString shown = combo->currentText();
        return shown == UiText(NoToneText().toStdString()) ? NoToneText() : shown;
    }
    if (combo->currentIndex() < 0)
        return {};
    const QVariant data = combo->currentData();
    return data.isValid() ? data.toString() : combo->currentText();
}

FieldTexts FieldBinder::StoreControls() {
    CommitFocused();
    return Texts();
}

QWidget *FieldBinder::control(int field) const {
    return controls_.at(static_cast<std::size_t>(field)).data();
}

void FieldBinder::SetEnabled(int field, bool enabled) {
    if (QWidget *widget = control(field))
        widget->setEnabled(enabled);
}

void FieldBinder::CommitFocused() {
    QWidget *focus = QApplication::focusWidget();
    for (std::size_t i = 0; focus && i < controls_.size(); ++i) {
        QWidget *widget = controls_[i].data();
        if (widget && (widget == focus || widget->isAncestorOf(focus))) {
            Commit(static_cast<int>(i));
            return;
        }
    }
}

void FieldBinder::Detach() {
    detached_ = true;
    for (const QPointer<QWidget> &widget : controls_)
        if (widget)
            widget->removeEventFilter(this);
}

void FieldBinder::Commit(int field) {
    if (loading_ || detached_)
        return;
    if (onCommit) {
        onCommit(field);
        return;
    }
    const FieldDef &def = fields_[static_cast<std::size_t>(field)];
    if (def.rule.kind == RuleKind::Choice || def.rule.kind == RuleKind::Check || !context)
        return;
    const std::string text = Texts()[static_cast<std::size_t>(field)];
    const std::string normalised = NormaliseText(def.rule, context(), text);
    if (normalised != text)
        SetText(field, QString::fromStdString(normalised));
}

void FieldBinder::Step(int field, int direction) {
    const FieldDef &def = fields_[static_cast<std::size_t>(field)];
    if (def.rule.kind != RuleKind::Number || !control(field) || !control(field)->isEnabled())
        return;
    const std::string text = Texts()[static_cast<std::size_t>(field)];
    SetText(field, QString::fromStdString(StepText(def.rule, text, direction)));
}

bool FieldBinder::eventFilter(QObject *watched, QEvent *event) {
    int field = -1;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        QWidget *widget = controls_[i].data();
        if (widget && (watched == widget || widget->isAncestorOf(qobject_cast<QWidget *>(watched))))
            field = static_cast<int>(i);
    }
    if (field < 0 || loading_)
        return false;
    if (event->type() == QEvent::FocusOut) {
        // An editable combo's own line edit losing the focus to its popup is no commit.
        auto *focusEvent = static_cast<QFocusEvent *>(event);
        if (focusEvent->reason() != Qt::PopupFocusReason)
            Commit(field);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Commit(field);
        } else if ((key == Qt::Key_Up || key == Qt::Key_Down) &&
                   fields_[static_cast<std::size_t>(field)].rule.kind == RuleKind::Number &&
                   qobject_cast<QLineEdit *>(control(field))) {
            Step(field, key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return false;
}
