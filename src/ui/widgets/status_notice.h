#pragma once
// A message in the main window's status bar that screen readers announce too: the end of a
// Read or Write, what a rule did to a typed value.

#include <QString>

class QMainWindow;

void ShowStatusNotice(QMainWindow &window, const QString &text);
