#include "plugin/support/mystrings.h"

#include "plugin/support/bounded.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/resources.h"
#include "plugin/support/unicode.h"
#include "plugin/support/xmlread.h"

#include <cstring>

int16_t gLanguage = kLangEnglish;

namespace {

char* sStringTable = nullptr;

const char kEllipsis[] = "\xE2\x80\xA6";
constexpr size_t kEllipsisLen = 3;

char* copyResource(const char* name, const char* type) {
    const PlxResource* res = findPlxResource(name, type);
    if (!res) return nullptr;
    auto* copy = static_cast<char*>(myalloc(res->size + 2, 1));
    if (copy) memcpy(copy, res->data, res->size);
    return copy;
}

// The length of the punctuation a text ends in that stays outside the
// key: the ellipsis (only after at least one more byte) or a colon.
size_t suffixLength(const char* text, size_t len) {
    if (len > kEllipsisLen && memcmp(text + len - kEllipsisLen, kEllipsis, kEllipsisLen) == 0)
        return kEllipsisLen;
    if (len > 0 && text[len - 1] == ':') return 1;
    return 0;
}

} // namespace

int16_t languageFromHost(int32_t hostLanguage) {
    return (hostLanguage == 3 || hostLanguage == 19) ? kLangGerman : kLangEnglish;
}

char* getResourceData(const char* name, const char* type, int16_t language) {
    if (!name || !type) return nullptr;
    if (char* data = copyResource(name, type)) return data;
    char suffixed[256];
    const char* suffix = language == kLangGerman ? "_D" : "_E";
    copyText(suffixed, sizeof suffixed, name);
    if (!appendText(suffixed, sizeof suffixed, suffix)) return nullptr;
    if (char* data = copyResource(suffixed, type)) return data;
    if (strcmp(suffix, "_E") == 0) return nullptr;
    copyText(suffixed, sizeof suffixed, name);
    appendText(suffixed, sizeof suffixed, "_E");
    return copyResource(suffixed, type);
}

int32_t setupMyStrings() {
    releaseMyStrings();
    sStringTable = getResourceData("MyStrings", "xml", gLanguage);
    return sStringTable ? 0 : -1;
}

void releaseMyStrings() {
    myfree(sStringTable);
    sStringTable = nullptr;
}

void useMyStringsText(const char* text) {
    releaseMyStrings();
    if (!text) return;
    size_t n = strlen(text);
    sStringTable = static_cast<char*>(myalloc(n + 2, 1));
    if (sStringTable) memcpy(sStringTable, text, n);
}

char* getString(const char* key, char* dst) {
    if (!dst) return dst;
    char text[kMyStringSize];
    if (getXMLString(sStringTable, key, text) > 0) {
        // The 250-byte cut may have split the last character.
        trimPartialUTF8(text);
        copyText(dst, kMyStringSize, text);
    } else {
        copyText(dst, kMyStringSize, key);
    }
    return dst;
}

char* translateString(char* text, char* dst) {
    if (!dst) return dst;
    if (!text) {
        dst[0] = 0;
        return dst;
    }
    size_t len = strlen(text);
    size_t suffixLen = suffixLength(text, len);
    // Key and suffix are copied out first, so text may alias dst and is
    // never altered.
    std::string key(text, len - suffixLen);
    std::string suffix(text + len - suffixLen, suffixLen);
    getString(key.c_str(), dst);
    size_t room = static_cast<size_t>(kMyStringSize - 1) - suffixLen;
    dst[utf8CutLength(dst, strlen(dst), room)] = 0;
    appendText(dst, kMyStringSize, suffix.c_str());
    return dst;
}

std::string localizeString(const char* text) {
    if (!text || !*text) return std::string();
    size_t len = strlen(text);
    size_t suffixLen = suffixLength(text, len);
    std::string key(text, len - suffixLen);
    char* found = getXMLData(sStringTable, key.c_str());
    std::string result = (found && *found) ? std::string(found) : key;
    myfree(found);
    result.append(text + len - suffixLen, suffixLen);
    return result;
}
