// The whole headless window system. See docs/ui.md for the model.
#pragma once

#include "ui/dialogs.h"
#include "ui/focus.h"
#include "ui/foreign.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/observe.h"
#include "ui/person.h"
#include "ui/picture.h"
#include "ui/script.h"
#include "ui/text_metrics.h"
#include "ui/types.h"
#include "ui/window.h"
