#pragma once
// What makes a dialog work from the keyboard whatever its form says: Tab in the order the
// controls are seen (column by column, top to bottom), an underlined letter for every label
// and button that no other control of its page has, and tab switching from any control.

#include <QSet>

class QTabWidget;
class QWidget;

// Tab and Shift+Tab visit every control of the window in visual column order: the dialog's
// own controls around its tab widget, each tab page's controls after the tab bar.
void SetVisualTabOrder(QWidget *window);

// Gives every buddy label and every button with a text a shortcut letter of its own within the
// window's controls outside tab pages, and within each tab page together with those. Letters
// a form gave are kept unless another control of the page already has them.
void AssignMnemonics(QWidget *window);

// Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the previous,
// from any control of the window, drop-downs included; both wrap.
void AddTabSwitchKeys(QTabWidget *tabs);

// Tab, label shortcuts and tab switching for a finished dialog; safe to call more than once.
void PrepareForKeyboard(QWidget *window);
