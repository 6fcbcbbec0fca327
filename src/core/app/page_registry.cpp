#include "core/app/page_registry.h"

#include "core/channels/channel_editor.h"
#include "core/dpmr/dpmr_basic.h"
#include "core/dpmr/encryption_keys.h"

namespace dpmr {

const std::vector<const PageTable *> &PageRegistry() {
    static const std::vector<const PageTable *> pages{
        &kChannelEditPage,
        &kDpmrBasicPage,
        &kDpmrEncryptSwitchPage,
    };
    return pages;
}

} // namespace dpmr
