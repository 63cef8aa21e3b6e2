// How the host brings the plug-in to life: the entry check, identifier
// reservation, activation, and the callbacks for language, settings check
// and quit.
#pragma once

#include <cstdint>

#include "xt/xtsetup.h"

extern "C" __attribute__((visibility("default"))) int32_t XTActivateCallback(XTSetupRec* setup);

int32_t activateCallback(XTSetupRec* setup);
int32_t reserveIdsCallback(XTReserveIdsRec* rec);

// The two callback identifiers reserved at entry: the handlers of the
// preferences panel and of the output-style panel are registered under them.
extern uint32_t gPrefsPanelCallbackId;
extern uint32_t gStylesPanelCallbackId;

int32_t languageCallback(void* cbRecord);
int32_t settingsCheckCallback(void* cbRecord);
int32_t quitCallback(void* cbRecord);
