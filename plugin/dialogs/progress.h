// The progress runner: a modal window (the description "Progress") that
// works through a list one item per tick of a 1 ms timer and can be
// cancelled between items.
#pragma once

#include "plugin/dialogs/dialogs.h"

#include <cstdint>

class MyArray;

// One step of the run. `item` is the item to work on now, `nextItem` the one
// after it (null past the end). The first call, made while the window is
// set up, has a null `item` and the first item as `nextItem`. Return 1 to
// go on; anything else ends the run with 0.
using ProgressStepProc = int32_t (*)(PlxWindow dialog, const void* item, const void* nextItem,
                                     void* user);

// Runs the list: the window is titled with the localized `titleKey`, its
// button (id 2) reads "cancel", its bar (command "prog") goes from 0 to the
// count. At set-up the step procedure gets (null, item 1); on each tick,
// once the bar has reached the count the run ends with 1, else the bar
// advances to p and the step procedure gets (item p, item p + 1). So a run
// of n items calls it n + 1 times and takes n + 1 ticks. Cancel, Escape and
// closing the window end the run with 2. An empty list returns 1 at once
// without a window.
//
// The items of a MyArray are pointers to its elements (for a page list,
// to an int32_t).
int32_t doProgressDialog(const char* titleKey, ProgressStepProc step, const MyArray* list,
                         void* user);
// The items of a string list are the strings themselves (const char*).
int32_t doProgressDialog(const char* titleKey, ProgressStepProc step, const char* const* strings,
                         int32_t count, void* user);

// What set-up does to the window before the first step: the localized
// title, the Cancel button's title, the tool-window style, the bar's range
// 0 to count at 0. Returns the bar.
PlxWindow showProgressWindow(PlxWindow dialog, const char* titleKey, int32_t count);
