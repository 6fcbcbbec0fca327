#include "ui/widgets/buddy_names.h"

#include <QLabel>

QString WithoutMnemonic(const QString &text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i; // "&&" is one "&", "&x" is "x"
        plain += text[i];
    }
    return plain;
}

QHash<QWidget *, QString> BuddyLabelTexts(const QWidget *form) {
    QHash<QWidget *, QString> texts;
    for (QLabel *label : form->findChildren<QLabel *>())
        if (label->buddy())
            texts.insert(label->buddy(), WithoutMnemonic(label->text()).simplified());
    return texts;
}
