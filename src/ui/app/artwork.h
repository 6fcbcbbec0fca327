#pragma once
// The toolbar images, drawn here so they need no image files, and the application icon: the
// picture the desktop menu shows (packaging/icons).

#include <QIcon>

enum class ToolbarImage { New, Open, Save, Read, Write, About };

QIcon ToolbarIcon(ToolbarImage image);
QIcon ApplicationIcon();
