// Named properties of the toolkit's windows: window properties whose names
// are a prefix and a four-character code. String properties hold a heap
// copy of the text, freed when it is replaced or the window goes away.
#include "plugin/platform/win/dialogs/dlg_win.h"

#include "plugin/support/bounded.h"
#include "plugin/support/mymemory.h"
#include "xt/xttypes.h"

#include <cstring>
#include <vector>

namespace {

std::wstring propName(const wchar_t* prefix, uint32_t code) {
    char chars[4];
    std::memcpy(chars, &code, 4);
    std::wstring name(prefix);
    for (char c : chars) name += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return name;
}

void freeOwnStrings(HWND window) {
    std::vector<std::wstring> names;
    EnumPropsExW(
        window,
        [](HWND, LPWSTR name, HANDLE, ULONG_PTR list) -> BOOL {
            // Atoms have no name to read; the toolkit's names are strings.
            if (reinterpret_cast<ULONG_PTR>(name) > 0xFFFF && std::wcsncmp(name, L"KRVS", 4) == 0)
                reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(name);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&names));
    for (const std::wstring& name : names) myfree(RemovePropW(window, name.c_str()));
}

} // namespace

std::wstring valuePropName(uint32_t code) {
    return propName(L"KRVV", code);
}
std::wstring stringPropName(uint32_t code) {
    return propName(L"KRVS", code);
}
uint32_t codeOf(const char* text) {
    return xtFourCharCode(text);
}

intptr_t valueProp(HWND window, const char* code) {
    if (!window) return 0;
    return reinterpret_cast<intptr_t>(GetPropW(window, valuePropName(codeOf(code)).c_str()));
}

void setValueProp(HWND window, const char* code, intptr_t value) {
    setValueProperty(plxOf(window), codeOf(code), value);
}

void freeStringProps(HWND window) {
    if (!window) return;
    freeOwnStrings(window);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM) -> BOOL {
            freeOwnStrings(child);
            return TRUE;
        },
        0);
}

bool setValueProperty(PlxWindow window, uint32_t code, intptr_t value) {
    HWND h = hwndOf(window);
    if (!h) return false;
    std::wstring name = valuePropName(code);
    if (!value) {
        RemovePropW(h, name.c_str());
        return true;
    }
    return SetPropW(h, name.c_str(), reinterpret_cast<HANDLE>(value)) != 0;
}

intptr_t getValueProperty(PlxWindow window, uint32_t code, intptr_t fallback) {
    HWND h = hwndOf(window);
    if (!h) return fallback;
    std::wstring name = valuePropName(code);
    HANDLE value = GetPropW(h, name.c_str());
    return value ? reinterpret_cast<intptr_t>(value) : fallback;
}

bool setStringProperty(PlxWindow window, uint32_t code, const char* text) {
    HWND h = hwndOf(window);
    if (!h) return false;
    const char* value = text ? text : "";
    size_t size = std::strlen(value) + 1;
    auto* copy = static_cast<char*>(myalloc(size, 1));
    if (!copy) return false;
    std::memcpy(copy, value, size);
    std::wstring name = stringPropName(code);
    void* old = RemovePropW(h, name.c_str());
    if (!SetPropW(h, name.c_str(), copy)) {
        myfree(copy);
        if (old) SetPropW(h, name.c_str(), old);
        return false;
    }
    myfree(old);
    return true;
}

bool getStringProperty(PlxWindow window, uint32_t code, char* dst, int32_t capacity) {
    if (!dst || capacity <= 0) return false;
    HWND h = hwndOf(window);
    auto* value = h ? static_cast<const char*>(GetPropW(h, stringPropName(code).c_str())) : nullptr;
    copyText(dst, static_cast<size_t>(capacity), value ? value : "");
    return value != nullptr;
}
