// Building a window from its description: the rules of the format (each
// type's rect adjustments, containers, the group-box origin, the end
// marker, command codes, extra texts) live here; making one native control
// is the platform layer's job (native_controls.h).
#pragma once

#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/window_desc.h"

// Builds the description resource `name` into `window` (a dialog being
// set up, or a container the host hands over for a panel, which keeps its
// place and takes the description's size). False, with nothing changed,
// when no description of that name exists.
bool buildWindowFromDescription(PlxWindow window, const char* name);

// Builds a description already read:
// 1. the window gets the description's size (a top-level window also its x
//    and y, until the runtime centres a dialog) and its localized title;
// 2. a root user pane (id 0) covering the window becomes the container;
// 3. each control is made in the current container at its adjusted rect
//    plus the group origin; it gets the "ccmd" value property from `cmd`,
//    the normal font, and a string property for each non-empty extra text;
//    a group box makes its position the origin of what follows, "rgrp",
//    "tabs" and "upan" become the container, and "####" closes the open
//    group box or else goes back to the container's parent (never above the
//    window itself). Unknown types and controls that cannot be made are
//    left out.
void buildWindow(PlxWindow window, const WindowDesc& desc);

// Whether the builder makes a control of this type ("####" is no control).
bool isKnownControlType(const char* type);

// The rect a control of its type is made at, before the group origin:
//   push, cbox, rdio   y - 3, height 24
//   comb               x + 3, width - 5
//   etxt, eutx         y - 3, height 19 unless multi-line
//   stxt               height 16 unless multi-line (or selectable, "sap ")
//   grpb               y - 4 when it has a title
//   popb               x + 3, y - 2, width - 5
//   rgrp, sepa         y - 3
// A combo box's or popup's height is the height of its closed field; the
// height of its list (100 or 200) goes to the platform as comboListHeight.
DescRect adjustedRect(const DescControl& control);
int32_t comboListHeight(const DescControl& control);

// Four-character codes of the value properties the toolkit keeps.
constexpr const char* kPropCommand = "ccmd"; // command code from the description
constexpr const char* kPropHandler = "cprc"; // the control's handler
constexpr const char* kPropUser = "user";    // handler's user data; a dialog's user data
constexpr const char* kPropTimer = "timp";   // a dialog's timer procedure
