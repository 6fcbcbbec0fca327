#pragma once
// The editors the main window opens, as a table: which store runs before the dialog, which
// dialog opens, and what reloads after it. The Edit menu, the "Channel edit" button, the test
// that opens every editor and the editor benchmark all read this table.

#include "core/app/code_plug_document.h"

#include <QDialog>
#include <memory>
#include <vector>

enum class EditorId { ChannelEdit, ScanInfo, BasicSetting, Alarm, Dtmf, Dpmr, Vfo, PmsCh };

enum class StoreFirst { Nothing, ChannelTable };

struct EditorEnv {
    dpmr::CodePlugDocument &document;
    int currentChannel; // the table's current row, 1-199
    QWidget *parent;
};

struct EditorCommand {
    EditorId id;
    const char *menuText; // "" for the channel editor, which has a button instead
    StoreFirst storeFirst;
    bool reloadTableAfter;
    // nullptr while the editor is not part of the program yet: its entry stays disabled.
    std::unique_ptr<QDialog> (*make)(const EditorEnv &env);
};

const std::vector<EditorCommand> &EditorCommands();
const EditorCommand &EditorCommandFor(EditorId id);
