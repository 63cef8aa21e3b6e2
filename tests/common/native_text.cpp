#include "tests/common/native_text.h"

#include "platform_traits.h"
#include "tests/common/tested_platform.h"

namespace plxtest {

const char* lineEnd() { return macBuildUnderTest() ? "\r" : kPlxLineEnd; }

char separator() { return kPathSeparator; }

std::string withLineEnds(const std::string& lfText) {
    std::string out;
    for (char c : lfText) {
        if (c == '\n') out += lineEnd();
        else out += c;
    }
    return out;
}

std::string withLF(const std::string& text) {
    const bool mac = macBuildUnderTest();
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') out += text[i];
        else if (i + 1 < text.size() && text[i + 1] == '\n') continue; // CR LF: the LF follows
        else out += mac ? '\n' : '\r';
    }
    return out;
}

std::string nativePath(const std::string& slashedPath) {
    std::string out = slashedPath;
    for (char& c : out)
        if (c == '/') c = kPathSeparator;
    return out;
}

std::string joined(const std::string& folder, const std::string& name) {
    return folder + kPathSeparator + nativePath(name);
}

std::string slashed(const std::string& path) {
    std::string out = path;
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

} // namespace plxtest
