// Heap blocks handed between the plug-in's parts. Every heap copy the
// support library returns (XML content, resources, UTF-16 copies) comes
// from myalloc and is released with myfree.
#pragma once

#include <cstddef>

// A zero-filled block of count × size bytes, or null when memory runs out
// or the product overflows. A request for zero bytes still gives a block.
void* myalloc(size_t count, size_t size);

// Releases a block from myalloc; null is ignored.
void myfree(void* block);
