#pragma once
// The editors the main window opens, one row each: the action's name and text, which store
// runs before the dialog, which dialog opens, and what reloads after it. The Edit menu, the
// "Channel edit" button, the test that opens every editor and the editor benchmark all read
// this table; an editor is added by adding its row.

#include "core/app/code_plug_document.h"

#include <QDialog>
#include <memory>
#include <type_traits>
#include <vector>

enum class EditorId { ChannelEdit, ScanInfo, BasicSetting, Alarm, Dtmf, Dpmr, Vfo, PmsCh };

enum class StoreFirst { Nothing, ChannelTable };

// Where the user opens an editor: an entry of the Edit menu, or the channel form's button.
enum class EditorPlace { EditMenu, ChannelEditButton };

struct EditorEnv {
    dpmr::CodePlugDocument &document;
    int currentChannel; // the table's current row, 1-199
    QWidget *parent;
};

using MakeEditor = std::unique_ptr<QDialog> (*)(const EditorEnv &env);

// An editor dialog made from the environment: the channel editor opens on the current channel.
template <class Dlg> std::unique_ptr<QDialog> Make(const EditorEnv &env) {
    if constexpr (std::is_constructible_v<Dlg, dpmr::CodePlugDocument &, int, QWidget *>)
        return std::make_unique<Dlg>(env.document, env.currentChannel, env.parent);
    else
        return std::make_unique<Dlg>(env.document, env.parent);
}

struct EditorCommand {
    EditorId id;
    const char *name; // the action's object name ("ScanInfo")
    const char *text; // the menu entry or button, and the undo step ("changes in Scan Info")
    EditorPlace place;
    StoreFirst storeFirst;
    bool reloadTableAfter;
    MakeEditor make;
};

const std::vector<EditorCommand> &EditorCommands();
const EditorCommand &EditorCommandFor(EditorId id);
