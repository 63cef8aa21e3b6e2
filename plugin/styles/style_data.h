// The naming options an EPS or PDF output style carries for the plug-in,
// stored in the style as the node "Plx" of the plug-in's own XML tree.
#pragma once

#include <cstdint>

#include "xt/xttypes.h"

struct PlxStyleData {
    uint32_t base;          // 0 = project name, 1 (or any other value) = layout name
    uint32_t numbering;     // 0 "%d", 1 "%02d", 2 "%03d", 3 "%04d", 4 and above: no number
    char separator[32];     // between base name and page number
    char suffix[32];        // at the end; "---" = use the chosen path unchanged
    uint8_t pageMargins;    // 1 = draw a hairline frame around the page
    uint8_t numberBeforeName; // 1 = page number first
};

// The options stored in a style. A style with no tree for the plug-in reads
// all zero; a tree without the node, or a node without an attribute, gives
// that option's default (base 0, "_", 2, ".eps" or ".pdf" by medium, 0, 0).
PlxStyleData styleDataForStyle(OutputStyleRef style);
// The same for a style found by name; all zero when there is none.
PlxStyleData styleDataForName(const char* name);
// Writes the six options into the style (nothing when the host keeps no
// tree for the plug-in there).
void setStyleData(OutputStyleRef style, const PlxStyleData& data);

// The style of exactly that name in the current output-style context, or null.
OutputStyleRef styleRefForName(const char* name);
// A style's medium ("XEPS", "XPDF"), "XNON" when the host gives none; by
// name, "XNON" when no style has that name.
uint32_t outputMediaForStyle(OutputStyleRef style);
uint32_t outputMediaForStyle(const char* name);
