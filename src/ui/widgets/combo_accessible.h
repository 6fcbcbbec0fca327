#pragma once
// Drop-down lists as a screen reader should meet them: named by their label (or accessible
// name), with the entry they show as their value. Qt's own interface on Linux gives the shown
// entry as the name, so a user hears "5" where the field is "SQL".

// Installs the interface for every QComboBox of the process; later calls do nothing.
void InstallComboBoxAccessibility();
