#include "plugin/dialogs/window_desc.h"

#include "plugin/support/bounded.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/xmlread.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <strings.h>

const char* const kDescExtraCodes[kDescExtraCount] = {"sap ", "empt", "amnt", "date",
                                                      "data", "pref", "dval", "comb"};

namespace {

constexpr const char* kControlStart = "<control>";
constexpr const char* kControlEnd = "</control>";

// The content of the first element `name`, cut to dst's 255 bytes; empty
// when the element is missing.
void readText(const char* element, const char* name, char* dst) {
    char* content = getXMLData(element, name);
    copyText(dst, kDescTextSize, content);
    myfree(content);
}

// A four-character code: the first four bytes of the element's content.
void readCode(const char* element, const char* name, char* dst) {
    char text[kDescTextSize];
    readText(element, name, text);
    std::memcpy(dst, text, 4);
    dst[4] = 0;
}

void localizeInto(char* dst, const char* key) {
    copyText(dst, kDescTextSize, localizeString(key).c_str());
}

bool flag(const char* element, const char* name) {
    return getXMLValue(element, name, 0) == 1;
}

size_t findCaseless(const std::string& text, const char* tag, size_t from) {
    size_t n = std::strlen(tag);
    for (size_t i = from; i + n <= text.size(); ++i)
        if (strncasecmp(text.c_str() + i, tag, n) == 0) return i;
    return std::string::npos;
}

// The description with every control element blanked out, so that the
// window's own `name` and `rect` are found wherever they stand and never
// taken from a control.
std::string windowHead(const char* text) {
    std::string head = text;
    size_t at = 0;
    while ((at = findCaseless(head, kControlStart, at)) != std::string::npos) {
        size_t end = findCaseless(head, kControlEnd, at);
        end = end == std::string::npos ? head.size() : end + std::strlen(kControlEnd);
        head.replace(at, end - at, end - at, ' ');
        at = end;
    }
    return head;
}

struct MenuContext {
    std::vector<std::string>* items;
    bool failed;
};

uint8_t addMenuItem(char* element, int32_t, void* context) {
    auto* ctx = static_cast<MenuContext*>(context);
    char item[kDescTextSize];
    readText(element, "menu", item);
    char localized[kDescTextSize];
    localizeInto(localized, item);
    try {
        ctx->items->push_back(localized);
    } catch (...) {
        ctx->failed = true;
        return 0;
    }
    return 1;
}

void readTabs(const char* element, std::vector<std::string>* tabs) {
    for (int n = 1;; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "text%d", n);
        char* content = getXMLData(element, name);
        if (!content) return;
        char title[kDescTextSize];
        copyText(title, sizeof title, content);
        myfree(content);
        tabs->push_back(title);
    }
}

struct ParseContext {
    WindowDesc* desc;
    bool failed;
};

bool readControl(const char* element, DescControl* c) {
    readCode(element, "type", c->type);
    c->id = getXMLValue(element, "id", -1);
    char text[kDescTextSize];
    readText(element, "rect", text);
    c->rect = parseDescRect(text);
    readText(element, "text", text);
    localizeInto(c->text, text);
    readText(element, "just", text);
    c->just = std::strcmp(text, "center") == 0  ? kJustCenter
              : std::strcmp(text, "right") == 0 ? kJustRight
                                                : kJustLeft;
    readCode(element, "cmd", c->cmd);
    c->pass = flag(element, "pass");
    c->multi = flag(element, "multi");
    c->readonly = flag(element, "readonly");
    c->border = flag(element, "border");
    for (int i = 0; i < kDescExtraCount; ++i)
        readText(element, kDescExtraCodes[i], c->extras[i]);
    MenuContext menu{&c->menu, false};
    EnumXMLData(element, "menu", addMenuItem, &menu);
    readTabs(element, &c->tabs);
    return !menu.failed;
}

uint8_t addControl(char* element, int32_t, void* context) {
    auto* ctx = static_cast<ParseContext*>(context);
    try {
        ctx->desc->controls.emplace_back();
        if (!readControl(element, &ctx->desc->controls.back())) ctx->failed = true;
    } catch (...) {
        ctx->failed = true;
    }
    return ctx->failed ? 0 : 1;
}

} // namespace

DescRect parseDescRect(const char* text) {
    DescRect r;
    if (text) std::sscanf(text, "%d %d %d %d", &r.x, &r.y, &r.w, &r.h);
    return r;
}

bool parseWindowDescription(const char* text, WindowDesc* out) {
    if (!text || !out) return false;
    try {
        *out = WindowDesc();
        std::string head = windowHead(text);
        char value[kDescTextSize];
        readText(head.c_str(), "name", value);
        localizeInto(out->name, value);
        readText(head.c_str(), "rect", value);
        out->rect = parseDescRect(value);
        ParseContext ctx{out, false};
        EnumXMLData(text, "control", addControl, &ctx);
        return !ctx.failed;
    } catch (...) {
        return false;
    }
}

bool loadWindowDescription(const char* name, WindowDesc* out) {
    char* text = getResourceData(name, "XML", gLanguage);
    if (!text) return false;
    bool ok = parseWindowDescription(text, out);
    myfree(text);
    return ok;
}
