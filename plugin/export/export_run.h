// One export command from start to end: the record filled from the front
// layout, the export dialog, the chosen style remembered, the page list
// built, and the host asked to output one page after the other while the
// progress window advances and can be cancelled.
#pragma once

#include <cstdint>

// 0 exports the selected pages, 1 the selected box. Nothing happens when
// no layout is open.
void doExport(unsigned char isBox);
