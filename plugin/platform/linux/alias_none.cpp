#include "plugin/support/files.h"

// Linux has no aliases; the system itself follows symbolic links.
void resolveAlias(char*) {}
