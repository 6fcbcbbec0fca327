#include "core/app/page_registry.h"

#include "core/channels/channel_editor.h"

namespace dpmr {

const std::vector<const PageTable *> &PageRegistry() {
    static const std::vector<const PageTable *> pages{
        &kChannelEditPage,
    };
    return pages;
}

} // namespace dpmr
