// The toolkit's own window classes ("Separator", "UserPane", "RadioGroup")
// and its two fonts.
#include "plugin/platform/win/dialogs/dlg_win.h"

#include <commctrl.h>

namespace {

HFONT sFonts[2] = {nullptr, nullptr};

LRESULT CALLBACK separatorProc(HWND self, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        // A 1-pixel grey line from the top-left corner: across when wider
        // than tall, else down.
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(self, &ps);
        RECT r;
        GetClientRect(self, &r);
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 0, 0, nullptr);
        if (r.right > r.bottom)
            LineTo(dc, r.right, 0);
        else
            LineTo(dc, 0, r.bottom);
        SelectObject(dc, old);
        DeleteObject(pen);
        EndPaint(self, &ps);
        return 0;
    }
    return DefWindowProcW(self, msg, wp, lp);
}

// A pane hands what its children tell on to the dialog, so that controls
// inside panes and tabs behave as if they sat on the dialog itself.
LRESULT CALLBACK userPaneProc(HWND self, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (HWND dialog = dialogOf(self); dialog != self) return SendMessageW(dialog, msg, wp, lp);
        break;
    case WM_NOTIFY:
        // Of the tab control's notifications only the change of tab.
        if (reinterpret_cast<NMHDR*>(lp)->code == static_cast<UINT>(TCN_SELCHANGE)) {
            if (HWND dialog = dialogOf(self); dialog != self)
                return SendMessageW(dialog, msg, wp, lp);
        }
        break;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(self, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    default:
        break;
    }
    return DefWindowProcW(self, msg, wp, lp);
}

bool isOn(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Turns the n-th child (1-based) on and every other child off.
void selectChild(HWND group, intptr_t n) {
    intptr_t position = 0;
    for (HWND child = GetWindow(group, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        SendMessageW(child, BM_SETCHECK, ++position == n ? BST_CHECKED : BST_UNCHECKED, 0);
}

} // namespace

// Messages a radio group answers: the value is the position of the button
// that is on.
constexpr UINT kRadioGroupGetValue = WM_USER + 1;
constexpr UINT kRadioGroupSetValue = WM_USER + 2;

namespace {

LRESULT CALLBACK radioGroupProc(HWND self, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND: {
        // A click on one of its buttons is the group's own choice: only that
        // button stays on, and the dialog hears of the group, by its id.
        HWND source = reinterpret_cast<HWND>(lp);
        if (source && GetParent(source) == self && HIWORD(wp) == BN_CLICKED) {
            intptr_t position = 0;
            for (HWND child = GetWindow(self, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                ++position;
                if (child == source) selectChild(self, position);
            }
            SendMessageW(GetParent(self), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(self), BN_CLICKED), reinterpret_cast<LPARAM>(self));
            return 0;
        }
        break;
    }
    case kRadioGroupGetValue: {
        intptr_t position = 0;
        for (HWND child = GetWindow(self, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            ++position;
            if (isOn(child)) return position;
        }
        return 0;
    }
    case kRadioGroupSetValue:
        selectChild(self, static_cast<intptr_t>(wp));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(self, msg, wp, lp);
}

void registerOne(const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(toolkitInstance(), name, &wc)) return;
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = toolkitInstance();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = nullptr;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

HFONT makeFont(int weight) {
    return CreateFontW(12, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"MS Shell Dlg");
}

} // namespace

int32_t radioGroupValue(HWND group) {
    return static_cast<int32_t>(SendMessageW(group, kRadioGroupGetValue, 0, 0));
}

void setRadioGroupValue(HWND group, int32_t value) {
    SendMessageW(group, kRadioGroupSetValue, static_cast<WPARAM>(value), 0);
}

void registerDialogClasses() {
    INITCOMMONCONTROLSEX controls{static_cast<DWORD>(sizeof(INITCOMMONCONTROLSEX)),
                                  ICC_PROGRESS_CLASS | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    registerOne(kClassSeparator, separatorProc);
    registerOne(kClassUserPane, userPaneProc);
    registerOne(kClassRadioGroup, radioGroupProc);
    if (!sFonts[kDlgFontNormal]) sFonts[kDlgFontNormal] = makeFont(FW_NORMAL);
    if (!sFonts[kDlgFontBold]) sFonts[kDlgFontBold] = makeFont(FW_BOLD);
}

HFONT dialogFont(DlgFont font) {
    if (font != kDlgFontNormal && font != kDlgFontBold) return nullptr;
    return sFonts[font];
}

void setDialogFont(PlxWindow control, DlgFont font) {
    HWND h = hwndOf(control);
    HFONT f = dialogFont(font);
    if (h && f) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(f), TRUE);
}
