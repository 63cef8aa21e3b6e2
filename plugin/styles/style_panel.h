// The naming panel in the host's output-style editor, built from template
// 25052: base name + separator + page number + suffix, and the two check
// boxes "numberBeforeName" and "pageMargins". It shows the options stored
// in the style being edited and writes them back when the host saves.
#pragma once

#include <cstdint>

#include "xt/xttypes.h"

// Control ids of template 25052.
enum : int32_t {
    kStyleLabel = 1,       // "filename:"
    kStyleBase = 2,        // list: project, layout
    kStyleSeparator = 4,   // text field
    kStyleNumbering = 6,   // list: x, 0x, 00x, 000x, none
    kStyleSuffix = 8,      // text field
    kStyleNumberFirst = 9, // check box
    kStyleMargins = 10     // check box
};
// Longest separator or suffix kept, in bytes of UTF-8.
constexpr int32_t kStyleTextMax = 31;

// The style the editor shows now, remembered when the host asks for the
// panel; null forgets it.
void setStylesPanelStyle(OutputStyleRef style);
OutputStyleRef stylesPanelStyle();

// The handler of the output-style panel, registered under the second
// reserved callback identifier (xt/xtpanels.h tells the messages).
int32_t stylesPanelCallback(void* cbRecord);
