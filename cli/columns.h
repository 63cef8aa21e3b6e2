// Lining up what the program prints: texts are UTF-8, one column per
// character.
#pragma once

#include <string>

namespace plxcli {

// The text followed by blanks up to `width` columns (at least one blank).
inline std::string padded(const std::string& text, size_t width) {
    size_t used = 0;
    for (unsigned char c : text)
        used += (c & 0xC0) != 0x80;
    return text + std::string(used < width ? width - used : 1, ' ');
}

} // namespace plxcli
