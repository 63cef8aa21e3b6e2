// The table of the resources embedded into the module, generated at build
// time from plugin/resources (cmake/embed_resources.cmake).
#pragma once

#include "plugin/support/resources.h"

// Ended by an entry whose name is null.
extern const PlxResource kPlxResources[];
