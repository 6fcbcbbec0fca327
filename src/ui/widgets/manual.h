#pragma once
// The user manual: HTML pages in share/dpmr-cps/manual beside the bin/ folder of the program,
// in a build tree and in an installed copy alike. F1 opens the part about the editor (and its
// page) that has the focus; Help → "Manual" opens the first page.

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// "editors.html#side-key" for the Side Key page of Basic setting; "index.html" when no part
// of the manual is about the window.
QString ManualTopicFor(const QWidget *window);
// The file URL of a topic; empty when the manual is not installed.
QUrl ManualUrl(const QString &topic);
// Opens the topic with the desktop's viewer. Returns false (and says nothing) when there is
// no manual to open; the caller tells the user.
bool OpenManual(const QString &topic);
// Opens the topic, or tells the user where the manual was looked for.
void ShowManual(QWidget *parent, const QString &topic);
// What opens a manual page: the desktop's browser, or what a test puts here.
std::function<bool(const QUrl &)> &ManualViewer();
