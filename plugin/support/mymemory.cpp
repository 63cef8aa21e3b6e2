#include "plugin/support/mymemory.h"

#include <cstdint>
#include <cstdlib>

void* myalloc(size_t count, size_t size) {
    if (size != 0 && count > SIZE_MAX / size) return nullptr;
    if (count == 0 || size == 0) return calloc(1, 1);
    return calloc(count, size);
}

void myfree(void* block) {
    free(block);
}
