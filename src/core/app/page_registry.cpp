#include "core/app/page_registry.h"

#include "core/channels/channel_editor.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dtmf/dtmf_settings.h"
#include "core/settings/alarm_settings.h"

namespace dpmr {

const std::vector<const PageTable *> &PageRegistry() {
    static const std::vector<const PageTable *> pages{
        &kChannelEditPage, &kDpmrEncryptSwitchPage, &kAlarmPage,
        &kDtmfEncodePage,  &kDtmfDecodePage,        &kDtmfAutoDialPage,
    };
    return pages;
}

} // namespace dpmr
