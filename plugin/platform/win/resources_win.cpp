// Resources of the plug-in's DLL (resources.rc), found through the module
// handle DllMain kept. A program that links the plug-in statically (the
// test programs) carries the same resources in itself.
#include "plugin/support/resources.h"

#include "plugin/platform/win/module_instance.h"
#include "plugin/platform/win/wide_text.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

// One record per resource found, kept for the module's lifetime so that
// the pointer handed out stays valid; there are as many as the module has
// resources at most.
struct Found {
    std::string name;
    std::string type;
    PlxResource record{};
};
std::vector<std::unique_ptr<Found>>& foundResources() {
    static std::vector<std::unique_ptr<Found>> found;
    return found;
}

// A name of decimal digits only is a numbered resource ("25051"), as the
// resource compiler stores it; any other is a name.
bool isNumber(const char* text, WORD* number) {
    if (!*text || std::strlen(text) > 5) return false;
    for (const char* c = text; *c; ++c)
        if (*c < '0' || *c > '9') return false;
    unsigned long value = std::strtoul(text, nullptr, 10);
    if (value == 0 || value > 0xFFFF) return false;
    *number = static_cast<WORD>(value);
    return true;
}

HMODULE resourceModule() {
    return gModuleInstance ? gModuleInstance : GetModuleHandleW(nullptr);
}

} // namespace

const PlxResource* findPlxResource(const char* name, const char* type) {
    if (!name || !type) return nullptr;
    std::wstring wideName, wideType;
    WORD number = 0;
    bool numbered = isNumber(name, &number);
    if (!numbered && !widen(name, &wideName)) return nullptr;
    if (!widen(type, &wideType)) return nullptr;
    HMODULE module = resourceModule();
    // Names and types compare without regard to case: the system looks
    // them up in capitals, as the resource compiler stored them.
    HRSRC info = FindResourceW(module, numbered ? MAKEINTRESOURCEW(number) : wideName.c_str(),
                               wideType.c_str());
    if (!info) return nullptr;
    HGLOBAL loaded = LoadResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return nullptr;
    auto bytes = static_cast<const unsigned char*>(data);
    for (const auto& f : foundResources())
        if (f->record.data == bytes) return &f->record;
    auto entry = std::make_unique<Found>();
    entry->name = name;
    entry->type = type;
    entry->record = {entry->name.c_str(), entry->type.c_str(), bytes, SizeofResource(module, info)};
    foundResources().push_back(std::move(entry));
    return &foundResources().back()->record;
}
