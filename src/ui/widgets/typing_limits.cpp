#include "ui/widgets/typing_limits.h"

#include <QLineEdit>
#include <QVariant>

namespace {

const char *kAccepted = "typingLimitsAccepted"; // the text before the user's last edit

bool SetHasOnlyUpperCaseLetters(std::string_view charset) {
    bool upper = false;
    for (char c : charset) {
        if (c >= 'a' && c <= 'z')
            return false;
        upper = upper || (c >= 'A' && c <= 'Z');
    }
    return upper;
}

} // namespace

void ApplyTypingLimits(QLineEdit *edit, const dpmr::FieldRule &rule) {
    edit->setMaxLength(32767); // the limit below applies to typing only
    edit->setProperty(kAccepted, edit->text());
    const bool upperCase = SetHasOnlyUpperCaseLetters(rule.charset);
    // Text set by the program (setText clears the modified flag) is the new starting point.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) {
        if (!edit->isModified())
            edit->setProperty(kAccepted, text);
    });
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, rule, upperCase](QString text) {
        const QString before = edit->property(kAccepted).toString();
        // The inserted part lies between the common prefix and the common suffix.
        int prefix = 0;
        while (prefix < before.size() && prefix < text.size() && before[prefix] == text[prefix])
            ++prefix;
        int suffix = 0;
        while (suffix < before.size() - prefix && suffix < text.size() - prefix &&
               before[before.size() - 1 - suffix] == text[text.size() - 1 - suffix])
            ++suffix;
        QString inserted = text.mid(prefix, text.size() - prefix - suffix);
        if (upperCase)
            inserted = inserted.toUpper();
        dpmr::FieldRule room = rule;
        // A page may narrow the limit while it is shown (the radio id's digits by Dial access).
        const QVariant narrowed = edit->property(kTypingLimitProperty);
        const int maxLength = narrowed.isValid() ? narrowed.toInt() : rule.maxLength;
        const int left = maxLength - (prefix + suffix);
        QString allowed;
        if (maxLength == 0 || left > 0) {
            room.maxLength = maxLength == 0 ? 0 : left;
            allowed = QString::fromStdString(dpmr::FilterTyped(room, inserted.toStdString()));
        }
        const QString result = text.left(prefix) + allowed + text.right(suffix);
        if (result != text) {
            const int cursor = prefix + static_cast<int>(allowed.size());
            edit->setText(result);
            edit->setCursorPosition(cursor);
        }
        edit->setModified(true);
        edit->setProperty(kAccepted, result);
    });
}
