#include "plugin/core/lifecycle.h"
#include "plugin/core/plexmoor.h"

uint32_t gPrefsPanelCallbackId = 0;
uint32_t gStylesPanelCallbackId = 0;

extern "C" int32_t XTActivateCallback(XTSetupRec* setup) {
    if (!setup) return static_cast<int32_t>(kPlxFailure);
    if (setup->checkCompatibility(kPlxId, 0, kPlxPlatform, kXTInterfaceVersion, 0) != 1)
        return static_cast<int32_t>(kPlxFailure);
    setup->announcePriority(kPlxRegistrationPriority);
    setup->registerActivation(activateCallback, kPlxRegistrationFlags, kPlxRegistrationPriority, 0);
    setup->registerReserveIds(reserveIdsCallback, kPlxRegistrationFlags, kPlxRegistrationPriority,
                              0);
    return 0;
}

int32_t reserveIdsCallback(XTReserveIdsRec* rec) {
    gPrefsPanelCallbackId = 0;
    gStylesPanelCallbackId = 0;
    if (!rec || !rec->reserveCallbackIds) return 0;
    rec->reserveCallbackIds(1, &gPrefsPanelCallbackId);
    rec->reserveCallbackIds(1, &gStylesPanelCallbackId);
    return 0;
}
