// Texts keep the form they come in here: the file system stores names as
// given, composed or not.
#include "plugin/support/normalize.h"

bool composeCanonical(std::vector<uint16_t>&) {
    return false;
}
