#include "cli/messages.h"

#include <cstring>
#include <vector>

namespace plxcli {

namespace {

bool gGerman = false;

} // namespace

void setGerman(bool on) { gGerman = on; }

bool german() { return gGerman; }

std::string say(const char* english, std::initializer_list<std::string> args) {
    const char* text = english;
    if (gGerman) {
        if (const char* de = germanText(english)) text = de;
    }
    std::vector<std::string> values(args);
    std::string out;
    for (const char* p = text; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            size_t n = static_cast<size_t>(p[1] - '1');
            if (n < values.size()) out += values[n];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

std::string onOff(long long value) { return value ? say("on") : say("off"); }

} // namespace plxcli
