#include "ui/widgets/character_filter.h"

#include <QKeyEvent>

CharacterFilter::CharacterFilter(QString allowed, QObject *parent)
    : QObject(parent), allowed_(std::move(allowed)) {}

void CharacterFilter::Install(QObject *widget, const QString &allowed) {
    widget->installEventFilter(new CharacterFilter(allowed, widget));
}

bool CharacterFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool printable = !text.isEmpty() && text.at(0).isPrint();
        const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
        if (printable && !shortcut) {
            for (QChar c : text)
                if (!allowed_.contains(c))
                    return true; // swallowed
        }
    }
    return QObject::eventFilter(watched, event);
}
