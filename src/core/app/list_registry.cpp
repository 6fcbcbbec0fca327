#include "core/app/list_registry.h"

#include "core/channels/pms_editor.h"
#include "core/dpmr/contact_list.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dpmr/group_rx_list.h"
#include "core/dpmr/messages.h"
#include "core/dtmf/auto_dial.h"
#include "core/settings/one_key_settings.h"

namespace dpmr {

const std::vector<const ListTable *> &ListRegistry() {
    static const std::vector<const ListTable *> lists = {
        &kContactList,  &kMessageList, &kKeyList, &kGroupRxListTable,
        &kAutoDialList, &kOneKeyList,  &kPmsList,
    };
    return lists;
}

} // namespace dpmr
