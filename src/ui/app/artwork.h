#pragma once
// The toolbar images and the application icon, drawn here so they need no image files.

#include <QIcon>

enum class ToolbarImage { New, Open, Save, Read, Write, About };

QIcon ToolbarIcon(ToolbarImage image);
QIcon ApplicationIcon();
