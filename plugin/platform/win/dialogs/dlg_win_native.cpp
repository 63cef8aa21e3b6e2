// Making the native Win32 control for one control of a window description,
// and telling what a control is.
#include "plugin/platform/win/dialogs/dlg_win.h"

#include "plugin/platform/win/wide_text.h"

#include <commctrl.h>

#include <cstring>

namespace {

bool is(const DescControl& c, const char* type) {
    return std::strcmp(c.type, type) == 0;
}

DWORD justStyle(const DescControl& c, DWORD center, DWORD right) {
    if (c.just == kJustCenter) return center;
    if (c.just == kJustRight) return right;
    return 0;
}

struct Made {
    const wchar_t* cls = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    bool subclass = false;
};

// Class and styles for a type; false for a type the builder does not know.
bool describeKind(const DescControl& c, Made* m) {
    if (is(c, "push")) {
        m->cls = L"Button";
        m->style = WS_TABSTOP | (c.id == 1 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        m->subclass = true;
    } else if (is(c, "cbox")) {
        m->cls = L"Button";
        m->style = WS_TABSTOP | BS_AUTOCHECKBOX;
        m->subclass = true;
    } else if (is(c, "rdio")) {
        m->cls = L"Button";
        m->style = WS_TABSTOP | BS_AUTORADIOBUTTON;
        m->subclass = true;
    } else if (is(c, "comb")) {
        m->cls = L"ComboBox";
        m->style = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_TABSTOP | WS_VSCROLL;
    } else if (is(c, "etxt") || is(c, "eutx")) {
        m->cls = L"Edit";
        m->style = WS_TABSTOP | ES_AUTOHSCROLL | ES_AUTOVSCROLL |
                   justStyle(c, ES_CENTER, ES_RIGHT);
        if (c.multi) m->style |= ES_MULTILINE | ES_WANTRETURN;
        if (c.pass) m->style |= ES_PASSWORD;
        // A read-only field has a plain border instead of the sunken edge.
        if (c.readonly)
            m->style |= ES_READONLY | WS_BORDER;
        else
            m->exStyle = WS_EX_CLIENTEDGE;
        m->subclass = true;
    } else if (is(c, "stxt")) {
        if (c.extras[kDescExtraSap][0]) {
            // Selectable text: a read-only field without a border.
            m->cls = L"Edit";
            m->style = ES_READONLY | ES_AUTOHSCROLL | justStyle(c, ES_CENTER, ES_RIGHT);
        } else {
            m->cls = L"Static";
            m->style = c.just == kJustLeft ? static_cast<DWORD>(SS_LEFTNOWORDWRAP)
                                            : justStyle(c, SS_CENTER, SS_RIGHT);
            if (c.border || c.multi) m->style |= WS_BORDER;
        }
    } else if (is(c, "grpb")) {
        m->cls = L"Button";
        m->style = BS_GROUPBOX;
        m->subclass = true;
    } else if (is(c, "lbox")) {
        m->cls = L"ListBox";
        m->style = WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
        m->exStyle = WS_EX_CLIENTEDGE;
        m->subclass = true;
    } else if (is(c, "popb")) {
        m->cls = L"ComboBox";
        m->style = CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL;
    } else if (is(c, "prgb")) {
        m->cls = PROGRESS_CLASSW;
        m->style = PBS_SMOOTH;
    } else if (is(c, "rgrp")) {
        m->cls = kClassRadioGroup;
        m->style = WS_CLIPSIBLINGS;
    } else if (is(c, "sepa")) {
        m->cls = kClassSeparator;
    } else if (is(c, "tabs")) {
        m->cls = WC_TABCONTROLW;
        m->style = TCS_BUTTONS | WS_CLIPSIBLINGS;
        m->exStyle = WS_EX_CLIENTEDGE;
        m->subclass = true;
    } else if (is(c, "upan")) {
        m->cls = kClassUserPane;
        m->style = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        m->exStyle = WS_EX_CONTROLPARENT;
    } else {
        return false;
    }
    return true;
}

void addItems(HWND combo, const std::vector<std::string>& items) {
    for (const std::string& item : items) {
        std::wstring wide;
        widen(item.c_str(), &wide);
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

void addTabs(HWND tabs, const std::vector<std::string>& titles) {
    int index = 0;
    for (const std::string& title : titles) {
        std::wstring wide;
        widen(title.c_str(), &wide);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = &wide[0];
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&item));
    }
}

bool hasClass(HWND window, const wchar_t* name) {
    wchar_t cls[64];
    if (!GetClassNameW(window, cls, 64)) return false;
    return lstrcmpiW(cls, name) == 0;
}

} // namespace

PlxWindow createNativeControl(PlxWindow container, const DescControl& c, const DescRect& r,
                              int32_t listHeight) {
    HWND parent = hwndOf(container);
    if (!parent) return 0;
    Made m;
    if (!describeKind(c, &m)) return 0;
    std::wstring title;
    widen(c.text, &title);
    // A combo box's window is as tall as its open list.
    int height = listHeight > 0 ? r.h + listHeight : r.h;
    HWND h = CreateWindowExW(m.exStyle, m.cls, title.c_str(), WS_CHILD | WS_VISIBLE | m.style, r.x,
                             r.y, r.w, height, parent,
                             reinterpret_cast<HMENU>(static_cast<intptr_t>(c.id)),
                             toolkitInstance(), nullptr);
    if (!h) return 0;
    if (is(c, "comb") || is(c, "popb")) {
        addItems(h, c.menu);
        if (is(c, "popb")) {
            // A popup shows the item that matches its title, else its first.
            LRESULT found = title.empty() ? CB_ERR
                                          : SendMessageW(h, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                         reinterpret_cast<LPARAM>(title.c_str()));
            SendMessageW(h, CB_SETCURSEL, found == CB_ERR ? 0 : static_cast<WPARAM>(found), 0);
        }
    } else if (is(c, "tabs")) {
        addTabs(h, c.tabs);
    }
    if (m.subclass) subclassControl(h);
    return plxOf(h);
}

void setWindowFrame(PlxWindow window, const DescRect& client) {
    HWND h = hwndOf(window);
    if (!h) return;
    if (GetWindowLongW(h, GWL_STYLE) & WS_CHILD) {
        // A container a host hands over for a panel keeps its place.
        SetWindowPos(h, nullptr, 0, 0, client.w, client.h, SWP_NOMOVE | SWP_NOZORDER);
        return;
    }
    RECT r{0, 0, client.w, client.h};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)));
    SetWindowPos(h, nullptr, client.x, client.y, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
}

PlxWindow containerParent(PlxWindow container) {
    HWND h = hwndOf(container);
    if (!h || !(GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) return container;
    HWND parent = GetParent(h);
    return parent ? plxOf(parent) : container;
}

Ctl controlKind(HWND h) {
    if (!h) return Ctl::None;
    LONG style = GetWindowLongW(h, GWL_STYLE);
    if (hasClass(h, L"Button")) {
        switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return Ctl::CheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return Ctl::RadioButton;
        case BS_GROUPBOX:
            return Ctl::GroupBox;
        default:
            return Ctl::PushButton;
        }
    }
    if (hasClass(h, L"ComboBox"))
        return (style & 3) == CBS_DROPDOWNLIST ? Ctl::Popup : Ctl::ComboBox;
    if (hasClass(h, L"Edit")) return Ctl::Edit;
    if (hasClass(h, L"Static")) return Ctl::Static;
    if (hasClass(h, L"ListBox")) return Ctl::ListBox;
    if (hasClass(h, PROGRESS_CLASSW)) return Ctl::ProgressBar;
    if (hasClass(h, WC_TABCONTROLW)) return Ctl::TabControl;
    if (hasClass(h, kClassRadioGroup)) return Ctl::RadioGroup;
    if (hasClass(h, kClassSeparator)) return Ctl::Separator;
    if (hasClass(h, kClassUserPane)) return Ctl::UserPane;
    return Ctl::Other;
}

HWND dialogOf(HWND control) {
    HWND h = control;
    while (h && (GetWindowLongW(h, GWL_STYLE) & WS_CHILD)) {
        HWND parent = GetParent(h);
        if (!parent) break;
        h = parent;
    }
    return h;
}
