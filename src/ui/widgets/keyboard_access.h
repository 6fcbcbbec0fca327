#pragma once
// What makes a dialog work from the keyboard whatever its form says: Tab in the order the
// controls are seen (column by column, top to bottom), an underlined letter for every label
// and button that no other control of its page has, and tab switching from any control.

#include <QChar>

#include <vector>

class QString;
class QTabWidget;
class QWidget;

// The shortcut letter of a text, lower case ("&&" is a plain "&"); null when it has none.
QChar MnemonicOf(const QString &text);

// Every control Tab may visit, in visual column order: the dialog's own controls around its
// tab widget, each tab page's controls after the tab bar. Disabled ones are included, those
// hidden within their page are not (it is made again at every Tab press).
std::vector<QWidget *> TabChain(QWidget *window);
// Tab (next) or Shift+Tab along TabChain, skipping what is hidden or disabled, wrapping at the
// ends. A window calls it from focusNextPrevChild: it does not depend on Qt's focus chain,
// which forms of compound controls (editable lists) can leave with a loop that skips some.
bool MoveFocusInVisualOrder(QWidget *window, bool next);

// Gives every buddy label and check box a shortcut letter of its own within the window's
// controls outside tab pages, and within each tab page together with those; push buttons get
// one from the letters left. Letters a form gave are kept unless another control of the page
// has them or a label would go without one.
void AssignMnemonics(QWidget *window);

// Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp to the previous,
// from any control of the window, drop-downs included; both wrap.
void AddTabSwitchKeys(QTabWidget *tabs);

// Names from buddy labels for controls without one, label shortcuts and tab switching, for a
// finished dialog; safe to call more than once.
void PrepareForKeyboard(QWidget *window);
