// The plug-in's XML reader. The input is a name (before the first 0xFF)
// and a text. getXMLString never writes past its 251 bytes and its result
// is the length of what it wrote; it agrees with getXMLData, which returns
// the whole content; getXMLValue reads the number the content starts with;
// EnumXMLData reports whole elements of the name, each with its length.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <string>

#include "fuzz/fuzz_support.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/xmlread.h"

namespace {

struct Walk {
    std::string bareName;
    int count = 0;
};

uint8_t onElement(char* element, int32_t length, void* context) {
    auto* walk = static_cast<Walk*>(context);
    PLX_FUZZ_CHECK(length >= 0 && std::strlen(element) == static_cast<size_t>(length),
                   "an element's length is not the length of its copy");
    PLX_FUZZ_CHECK(element[0] == '<', "an element does not start with its tag");
    std::string end = "</" + walk->bareName + ">";
    PLX_FUZZ_CHECK(static_cast<size_t>(length) >= end.size() &&
                       strncasecmp(element + length - end.size(), end.c_str(), end.size()) == 0,
                   "an element does not end with its end tag");
    return ++walk->count < 50;
}

// The number at the start of a text, by the C library.
int32_t referenceValue(const char* text) {
    if (std::strcmp(text, "true") == 0) return 1;
    if (std::strcmp(text, "false") == 0) return 0;
    errno = 0;
    long long v = std::strtoll(text, nullptr, 10);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    plxfuzz::Pieces in(data, size);
    std::string name = in.next();
    std::string text = in.rest();
    name = name.c_str(); // the reader takes C texts
    text = text.c_str();

    char* dst = static_cast<char*>(std::malloc(kXMLStringMax + 1));
    std::memset(dst, 'x', kXMLStringMax + 1);
    int32_t got = getXMLString(text.c_str(), name.c_str(), dst);
    PLX_FUZZ_CHECK(got >= 0 && got <= kXMLStringMax, "getXMLString gave " + std::to_string(got));
    PLX_FUZZ_CHECK(std::strlen(dst) == static_cast<size_t>(got), "getXMLString's length is not its text's");

    char* whole = getXMLData(text.c_str(), name.c_str());
    if (name.find(' ') == std::string::npos) {
        // For a bare name both find the same element.
        std::string content = whole ? whole : "";
        PLX_FUZZ_CHECK(content.substr(0, kXMLStringMax) == dst,
                       "getXMLString and getXMLData disagree for <" + plxfuzz::printable(name) + ">");
        if (got > 0)
            PLX_FUZZ_CHECK(getXMLValue(text.c_str(), name.c_str(), -7) == referenceValue(dst),
                           "getXMLValue misreads \"" + plxfuzz::printable(dst) + "\"");
        else
            PLX_FUZZ_CHECK(getXMLValue(text.c_str(), name.c_str(), -7) == -7,
                           "getXMLValue of nothing is not the default");
    }
    myfree(whole);
    std::free(dst);

    Walk walk;
    walk.bareName = name.substr(0, name.find(' '));
    EnumXMLData(text.c_str(), name.c_str(), onElement, &walk);
    return 0;
}
