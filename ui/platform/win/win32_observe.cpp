// Win32 windows as the headless window system's ControlInfo: what the
// runner records of each dialog as it opens and closes.
#include "ui/platform/win/win32_runner.h"

#include "ui/platform/win/win32_person.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace win32person {

namespace {

std::wstring className(HWND window) {
    wchar_t name[64] = {0};
    GetClassNameW(window, name, 64);
    return name;
}

ui::Kind buttonKind(LONG style) {
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return ui::Kind::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return ui::Kind::RadioButton;
    case BS_GROUPBOX:
        return ui::Kind::GroupBox;
    default:
        return ui::Kind::PushButton;
    }
}

ui::Kind controlKind(HWND window, LONG style) {
    std::wstring cls = className(window);
    if (lstrcmpiW(cls.c_str(), L"Button") == 0) return buttonKind(style);
    if (lstrcmpiW(cls.c_str(), L"Edit") == 0) return ui::Kind::Edit;
    if (lstrcmpiW(cls.c_str(), L"Static") == 0) return ui::Kind::Static;
    if (lstrcmpiW(cls.c_str(), L"ComboBox") == 0)
        return (style & 3) == CBS_DROPDOWNLIST ? ui::Kind::Popup : ui::Kind::ComboBox;
    if (lstrcmpiW(cls.c_str(), L"ListBox") == 0) return ui::Kind::ListBox;
    if (lstrcmpiW(cls.c_str(), PROGRESS_CLASSW) == 0) return ui::Kind::ProgressBar;
    if (lstrcmpiW(cls.c_str(), WC_TABCONTROLW) == 0) return ui::Kind::TabControl;
    if (cls == L"#32770") return ui::Kind::Pane;
    return ui::Kind::Custom;
}

std::string itemText(HWND control, UINT lenMsg, UINT textMsg, WPARAM index) {
    LRESULT length = SendMessageW(control, lenMsg, index, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(control, textMsg, index, reinterpret_cast<LPARAM>(&wide[0]));
    wide.resize(static_cast<size_t>(length));
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n,
                            nullptr, nullptr);
    return out;
}

void fillItems(HWND control, ui::ControlInfo* info) {
    bool combo = info->kind == ui::Kind::Popup || info->kind == ui::Kind::ComboBox;
    UINT countMsg = combo ? CB_GETCOUNT : LB_GETCOUNT;
    UINT lenMsg = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    UINT textMsg = combo ? CB_GETLBTEXT : LB_GETTEXT;
    LRESULT count = SendMessageW(control, countMsg, 0, 0);
    for (LRESULT i = 0; i < count && i < 10000; ++i)
        info->items.push_back(itemText(control, lenMsg, textMsg, static_cast<WPARAM>(i)));
    LRESULT selected = SendMessageW(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0);
    info->selection = selected < 0 ? -1 : static_cast<int>(selected);
    info->value = info->selection;
    if (info->kind == ui::Kind::ListBox && info->selection >= 0)
        info->text = info->items[static_cast<size_t>(info->selection)];
}

uint32_t styleFlags(ui::Kind kind, LONG style, LONG exStyle) {
    uint32_t flags = 0;
    if (style & WS_TABSTOP) flags |= ui::style::TabStop;
    if (exStyle & WS_EX_CLIENTEDGE) flags |= ui::style::ClientEdge;
    if (kind == ui::Kind::PushButton && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        flags |= ui::style::DefaultButton;
    if (kind == ui::Kind::Edit) {
        if (style & ES_MULTILINE) flags |= ui::style::MultiLine;
        if (style & ES_WANTRETURN) flags |= ui::style::WantReturn;
        if (style & ES_PASSWORD) flags |= ui::style::Password;
        if (style & ES_READONLY) flags |= ui::style::ReadOnly;
        if (style & ES_CENTER) flags |= ui::style::AlignCenter;
        if (style & ES_RIGHT) flags |= ui::style::AlignRight;
    }
    if (exStyle & WS_EX_TOOLWINDOW) flags |= ui::style::ToolWindow;
    return flags;
}

void describeInto(HWND window, bool topLevel, ui::ControlInfo* info) {
    LONG style = GetWindowLongW(window, GWL_STYLE);
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    info->handle = static_cast<ui::Handle>(reinterpret_cast<uintptr_t>(window));
    info->kind = topLevel ? ui::Kind::Window : controlKind(window, style);
    if (info->kind == ui::Kind::Custom) {
        std::wstring cls = className(window);
        info->className = std::string(cls.begin(), cls.end());
    }
    info->id = topLevel ? -1 : GetDlgCtrlID(window);
    info->command = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(GetPropW(window, L"KRVVccmd")));
    // A top-level window is its client area on the screen, as the headless
    // system's windows have no frame; a control is where it lies in its
    // parent's client area.
    RECT r{};
    if (topLevel) {
        GetClientRect(window, &r);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    }
    info->rect = ui::Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    info->text = text(window);
    info->enabled = IsWindowEnabled(window) != 0;
    info->visible = IsWindowVisible(window) != 0;
    info->focused = GetFocus() == window;
    info->style = styleFlags(info->kind, style, exStyle);
    switch (info->kind) {
    case ui::Kind::CheckBox:
    case ui::Kind::RadioButton:
        info->value = SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        break;
    case ui::Kind::Popup:
    case ui::Kind::ComboBox:
    case ui::Kind::ListBox:
        fillItems(window, info);
        break;
    case ui::Kind::ProgressBar:
        info->value = SendMessageW(window, PBM_GETPOS, 0, 0);
        break;
    case ui::Kind::TabControl:
        info->value = SendMessageW(window, TCM_GETCURSEL, 0, 0);
        info->selection = static_cast<int>(info->value);
        break;
    default:
        break;
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        info->children.emplace_back();
        describeInto(child, false, &info->children.back());
    }
}

} // namespace

ui::ControlInfo observe(HWND window) {
    ui::ControlInfo info;
    if (window && IsWindow(window)) describeInto(window, true, &info);
    return info;
}

} // namespace win32person
