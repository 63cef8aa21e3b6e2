// The about box.
#pragma once

#include <cstdint>

#include "xt/xtcallbacks.h"

// Shows the product name and version ("about") with the copyright notice
// for the product's year ("copyright") beneath it. With a record, marks it
// shown for the host. Returns 0.
int32_t doAbout1(XTAboutRec* rec);
