#pragma once
// What a screen reader and a mnemonic see of a form's labels: the label text without its
// shortcut marker, keyed by the control the label is the buddy of.

#include <QHash>
#include <QString>

class QWidget;

// "&Rx freq (MHz)" -> "Rx freq (MHz)"; "*&&#" keeps its one "&".
QString WithoutMnemonic(const QString &text);
QHash<QWidget *, QString> BuddyLabelTexts(const QWidget *form);
