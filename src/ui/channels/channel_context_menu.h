#pragma once
// The channel table's context menu (right click, the Menu key or Shift+F10): the row
// operations on the selection.

class ChannelEditActions;
class ChannelTableView;

// Connects the table's context menu requests to a menu of the actions.
void InstallChannelContextMenu(ChannelTableView *table, ChannelEditActions *actions);
