#include "core/app/page_registry.h"

#include "core/channels/channel_editor.h"
#include "core/channels/pms_editor.h"
#include "core/channels/vfo_editor.h"
#include "core/dpmr/dpmr_basic.h"
#include "core/dpmr/encryption_keys.h"
#include "core/dtmf/dtmf_settings.h"
#include "core/settings/alarm_settings.h"
#include "core/settings/basic_settings.h"
#include "core/settings/one_key_settings.h"
#include "core/settings/password_settings.h"
#include "core/settings/scan_settings.h"
#include "core/settings/side_key_settings.h"
#include "core/settings/tone_menu_settings.h"

namespace dpmr {

const std::vector<const PageTable *> &PageRegistry() {
    static const std::vector<const PageTable *> pages{
        &kChannelEditPage, &kDpmrBasicPage,  &kDpmrEncryptSwitchPage, &kScanPage,
        &kBasicPage,       &kOneKeyPage,     &kSideKeyPage,           &kToneLightPage,
        &kMenuPage,        &kPasswordPage,   &kVfoEditPage,           &kPmsPage,
        &kAlarmPage,       &kDtmfEncodePage, &kDtmfDecodePage,        &kDtmfAutoDialPage,
    };
    return pages;
}

} // namespace dpmr
