// The string tables. The input is a few keys (before 0xFF bytes) and a
// table. Every look-up stays within its 251 bytes and is valid UTF-8 when
// the table and the key are; translateString keeps the key's trailing
// punctuation, also when it works in the key's own buffer; localizeString
// gives the whole text or the key.
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/unicode.h"
#include "plugin/support/xmlread.h"

namespace {

bool valid(const std::string& text) { return isValidUTF8(text.data(), text.size()); }

std::string suffixOf(const std::string& key) {
    if (key.size() > 3 && key.compare(key.size() - 3, 3, "\xE2\x80\xA6") == 0) return key.substr(key.size() - 3);
    if (!key.empty() && key.back() == ':') return ":";
    return std::string();
}

void lookUp(const std::string& key, bool tableValid) {
    char* dst = static_cast<char*>(std::malloc(kMyStringSize));
    std::memset(dst, 'x', kMyStringSize);
    getString(key.c_str(), dst);
    size_t n = strnlen(dst, kMyStringSize);
    PLX_FUZZ_CHECK(n < kMyStringSize, "getString left no terminator in its 251 bytes");
    bool inputsValid = tableValid && valid(key);
    if (inputsValid) PLX_FUZZ_CHECK(valid(dst), "getString gave invalid UTF-8 for \"" + plxfuzz::printable(key) + "\"");

    // In a separate buffer and in the key's own one.
    char* text = static_cast<char*>(std::malloc(kMyStringSize));
    std::string shortKey = key.substr(0, kMyStringSize - 1);
    std::memcpy(text, shortKey.c_str(), shortKey.size() + 1);
    translateString(text, dst);
    PLX_FUZZ_CHECK(strnlen(dst, kMyStringSize) < kMyStringSize, "translateString left no terminator");
    PLX_FUZZ_CHECK(std::string(text) == shortKey, "translateString changed its text");
    std::string translated = dst;
    std::string suffix = suffixOf(shortKey);
    PLX_FUZZ_CHECK(translated.size() >= suffix.size() &&
                       translated.compare(translated.size() - suffix.size(), suffix.size(), suffix) == 0,
                   "translateString lost the punctuation of \"" + plxfuzz::printable(shortKey) + "\"");
    if (tableValid && valid(shortKey))
        PLX_FUZZ_CHECK(valid(translated), "translateString gave invalid UTF-8");
    translateString(text, text);
    PLX_FUZZ_CHECK(translated == text, "translateString in the key's own buffer gives another text");
    std::free(text);
    std::free(dst);

    std::string localized = localizeString(key.c_str());
    if (inputsValid) PLX_FUZZ_CHECK(valid(localized), "localizeString gave invalid UTF-8");
    PLX_FUZZ_CHECK(key.empty() == localized.empty(), "localizeString lost or made a text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    plxfuzz::Pieces in(data, size);
    std::string keys[3];
    for (std::string& key : keys) key = in.next().c_str();
    std::string table = in.rest().c_str();
    useMyStringsText(table.c_str());
    bool tableValid = valid(table);
    for (const std::string& key : keys) lookUp(key, tableValid);
    // Keys the plug-in itself uses, against the fuzzed table.
    for (const char* key : {"writePrefsErr:", "Save page(s) as EPS/PDF\xE2\x80\xA6"})
        lookUp(key, tableValid);
    useMyStringsText(nullptr);
    return 0;
}
