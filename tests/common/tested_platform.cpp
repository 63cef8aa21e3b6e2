#include "tests/common/tested_platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace plxtest {

bool macBuildUnderTest() {
    static const bool mac = [] {
        const char* name = std::getenv("PLX_TEST_PLEXMOOR_PLATFORM");
        if (!name || !*name) return false;
        if (std::strcmp(name, "mac") == 0) return true;
        std::fprintf(stderr, "PLX_TEST_PLEXMOOR_PLATFORM=%s: no such build (\"mac\" or unset)\n",
                     name);
        std::abort();
    }();
    return mac;
}

} // namespace plxtest
