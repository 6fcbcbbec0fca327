#pragma once
// Every message of the program: a box captioned "Program" with one OK button. The detail,
// when given, says why and what to do about it.

#include <QString>

class QWidget;

inline const QString kProgramCaption = QStringLiteral("Program");

void ShowProgramMessage(QWidget *parent, const QString &text, const QString &detail = {});
