// The toolkit's table of handles and the named properties kept with them.
#include "dlg_cocoa.h"

#include <map>
#include <string>
#include <unordered_map>

#include "plugin/support/bounded.h"

namespace {

struct HandleRecord {
    id object = nil;
    PlxWindow parent = 0;
    PlxDlgController* controller = nil; // not retained: it owns the window
    std::map<uint32_t, intptr_t> values;
    std::map<uint32_t, std::string> strings;
};

// Ordered by handle, which is the order of creation.
std::map<PlxWindow, HandleRecord> sHandles;
std::unordered_map<const void*, PlxWindow> sByObject;
PlxWindow sNextHandle = 1;

HandleRecord* recordOf(PlxWindow handle) {
    auto it = sHandles.find(handle);
    return it == sHandles.end() ? nullptr : &it->second;
}

void collectBelow(PlxWindow handle, std::vector<PlxWindow>* out) {
    for (const auto& entry : sHandles) {
        if (entry.second.parent != handle || entry.first == handle) continue;
        out->push_back(entry.first);
        collectBelow(entry.first, out);
    }
}

} // namespace

PlxWindow registerHandle(id object, PlxWindow parent) {
    if (!object) return 0;
    auto known = sByObject.find(object);
    if (known != sByObject.end()) return known->second;
    PlxWindow handle = sNextHandle++;
    HandleRecord& rec = sHandles[handle];
    rec.object = [object retain];
    rec.parent = recordOf(parent) ? parent : 0;
    sByObject[object] = handle;
    return handle;
}

id objectOf(PlxWindow handle) {
    HandleRecord* rec = recordOf(handle);
    return rec ? rec->object : nil;
}

PlxWindow handleOf(id object) {
    auto it = object ? sByObject.find(object) : sByObject.end();
    return it == sByObject.end() ? 0 : it->second;
}

PlxWindow parentOf(PlxWindow handle) {
    HandleRecord* rec = recordOf(handle);
    return rec ? rec->parent : 0;
}

std::vector<PlxWindow> descendantsOf(PlxWindow handle) {
    std::vector<PlxWindow> out;
    if (recordOf(handle)) collectBelow(handle, &out);
    return out;
}

void forgetHandles(PlxWindow handle) {
    if (!recordOf(handle)) return;
    std::vector<PlxWindow> all = descendantsOf(handle);
    all.insert(all.begin(), handle);
    // Children go before their parents, so no view outlives its record's
    // window while the table still names it.
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        HandleRecord* rec = recordOf(*it);
        if (!rec) continue;
        id object = rec->object;
        sByObject.erase(object);
        sHandles.erase(*it);
        [object release];
    }
}

NSView* viewOf(PlxWindow handle) {
    id object = objectOf(handle);
    if ([object isKindOfClass:[NSView class]]) return object;
    if ([object isKindOfClass:[NSWindow class]]) return [object contentView];
    return nil;
}

PlxWindow topOf(PlxWindow handle) {
    HandleRecord* rec = recordOf(handle);
    while (rec && rec->parent) {
        handle = rec->parent;
        rec = recordOf(handle);
    }
    return rec ? handle : 0;
}

PlxDlgController* controllerOf(PlxWindow handle) {
    HandleRecord* rec = recordOf(topOf(handle));
    return rec ? rec->controller : nil;
}

void setControllerOf(PlxWindow window, PlxDlgController* controller) {
    if (HandleRecord* rec = recordOf(window)) rec->controller = controller;
}

NSString* nsText(const char* text) {
    NSString* s = text ? [NSString stringWithUTF8String:text] : nil;
    return s ? s : @"";
}

bool setValueProperty(PlxWindow window, uint32_t code, intptr_t value) {
    HandleRecord* rec = recordOf(window);
    if (!rec) return false;
    if (value)
        rec->values[code] = value;
    else
        rec->values.erase(code);
    return true;
}

intptr_t getValueProperty(PlxWindow window, uint32_t code, intptr_t fallback) {
    HandleRecord* rec = recordOf(window);
    if (!rec) return fallback;
    auto it = rec->values.find(code);
    return it == rec->values.end() ? fallback : it->second;
}

bool setStringProperty(PlxWindow window, uint32_t code, const char* text) {
    HandleRecord* rec = recordOf(window);
    if (!rec) return false;
    try {
        rec->strings[code] = text ? text : "";
    } catch (...) {
        return false;
    }
    return true;
}

bool getStringProperty(PlxWindow window, uint32_t code, char* dst, int32_t capacity) {
    if (!dst || capacity <= 0) return false;
    HandleRecord* rec = recordOf(window);
    auto it = rec ? rec->strings.find(code) : std::map<uint32_t, std::string>::iterator();
    bool found = rec && it != rec->strings.end();
    copyText(dst, static_cast<size_t>(capacity), found ? it->second.c_str() : "");
    return found;
}
