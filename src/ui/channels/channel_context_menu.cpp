#include "ui/channels/channel_context_menu.h"

#include "ui/channels/channel_edit_actions.h"
#include "ui/channels/channel_table_view.h"

#include <QMenu>

void InstallChannelContextMenu(ChannelTableView *table, ChannelEditActions *actions) {
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(table, &QWidget::customContextMenuRequested, actions,
                     [table, actions](const QPoint &position) {
                         table->CommitOpenEditor();
                         actions->UpdateApplyText();
                         QMenu menu(table);
                         menu.setObjectName("ChannelContextMenu");
                         menu.addActions({actions->cut(), actions->copy(), actions->paste()});
                         menu.addSeparator();
                         menu.addActions({actions->clear(), actions->deleteRows(),
                                          actions->insert(), actions->moveUp(),
                                          actions->moveDown()});
                         menu.addSeparator();
                         menu.addAction(actions->applyToSelection());
                         menu.exec(table->viewport()->mapToGlobal(position));
                     });
}
