// Running dialogs modally on the empty dialog template MYDIALOG: the dialog
// procedure, its commands and its timer.
#include "plugin/platform/win/dialogs/dlg_win.h"

#include "plugin/dialogs/dialog_builder.h"
#include "plugin/platform/win/module_instance.h"
#include "plugin/platform/win/wide_text.h"
#include "plugin/support/mystrings.h"

#include <commctrl.h>

PlxWindow gHostMainWindow = 0;

namespace {

constexpr UINT_PTR kDialogTimerId = 1;
// The system raises a timer's interval to about 10 ms (Wine too); a tick of
// a timer asked for less runs its procedure again and again for up to that
// long, so that quick steps (a progress run's pages) are not held to one
// per 10 ms. It stops as soon as input waits, so Cancel is seen between
// steps as before.
constexpr ULONGLONG kTickBudgetMs = USER_TIMER_MINIMUM;
constexpr const char* kPropShortTimer = "tims";
constexpr const wchar_t* kEmptyDialog = L"MYDIALOG";

// What the dialog procedure needs when the dialog is initialised.
struct DialogStart {
    const char* name;
    DlgSetupProc setup;
    void* user;
    bool described;
};

// An editable combo box remembers the text last chosen (string property
// "comb") and offers it again when its list opens.
void trackComboChoice(HWND combo, WORD notify) {
    uint32_t comb = codeOf("comb");
    if (notify == CBN_DROPDOWN) {
        char stored[kControlTextSize];
        if (getStringProperty(plxOf(combo), comb, stored, sizeof stored)) {
            std::wstring wide;
            widen(stored, &wide);
            LRESULT found = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(wide.c_str()));
            if (found != CB_ERR) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        }
    } else if (notify == CBN_SELENDOK) {
        LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
        if (index >= 0) {
            LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
            std::wstring wide(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&wide[0]));
            setStringProperty(plxOf(combo), comb, narrowed(wide.c_str()).c_str());
        }
    }
}

// A popup answers a change of its choice, an edit field a change of its
// text; every other control every notification.
bool reacts(Ctl kind, WORD notify) {
    if (kind == Ctl::Popup) return notify == CBN_SELCHANGE;
    if (kind == Ctl::Edit) return notify == EN_CHANGE;
    return true;
}

void dispatchCommand(HWND dialog, int id, WORD notify, HWND source) {
    // A menu command or a key the dialog manager turned into IDOK or
    // IDCANCEL goes to the control with that id.
    HWND control = source ? source : hwndOf(getControl(plxOf(dialog), id));
    if (control) {
        if (notificationsSuppressed()) return;
        Ctl kind = controlKind(control);
        if (kind == Ctl::ComboBox) trackComboChoice(control, notify);
        if (!reacts(kind, notify)) return;
        auto handler = reinterpret_cast<DlgControlProc>(valueProp(control, kPropHandler));
        void* user = reinterpret_cast<void*>(valueProp(control, kPropUser));
        if (handler && handler(plxOf(control), plxOf(dialog), user)) return;
    }
    if (id == 1 || id == 2) quitModalDialog(plxOf(dialog), id);
}

// An owner-drawn list item: white, its text, inverted when selected.
void drawItem(const DRAWITEMSTRUCT* item) {
    if (item->itemID == static_cast<UINT>(-1)) return;
    RECT r = item->rcItem;
    FillRect(item->hDC, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    LRESULT length = SendMessageW(item->hwndItem, LB_GETTEXTLEN, item->itemID, 0);
    if (length > 0) {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(item->hwndItem, LB_GETTEXT, item->itemID, reinterpret_cast<LPARAM>(&text[0]));
        SetBkMode(item->hDC, TRANSPARENT);
        DrawTextW(item->hDC, text.c_str(), static_cast<int>(length), &r,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (item->itemState & ODS_SELECTED) InvertRect(item->hDC, &r);
}

void runTimer(HWND dialog) {
    ULONGLONG start = GetTickCount64();
    for (;;) {
        auto proc = reinterpret_cast<DlgTimerProc>(valueProp(dialog, kPropTimer));
        if (!proc) return;
        proc(plxOf(dialog), reinterpret_cast<void*>(valueProp(dialog, kPropUser)));
        // Stopped (the dialog ends), a timer of the normal kind, time up, or
        // a person doing something: the next step waits for the next tick.
        if (!IsWindow(dialog) || !valueProp(dialog, kPropShortTimer)) return;
        if (GetTickCount64() - start >= kTickBudgetMs) return;
        if (HIWORD(GetQueueStatus(QS_INPUT))) return;
    }
}

void centre(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - h) / 4;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void initialise(HWND dialog, DialogStart* start) {
    setValueProp(dialog, kPropUser, reinterpret_cast<intptr_t>(start->user));
    start->described = start->name && buildWindowFromDescription(plxOf(dialog), start->name);
    if (!start->described) setWindowTitle(plxOf(dialog), localizeString(start->name).c_str());
    centre(dialog);
    if (start->setup) start->setup(plxOf(dialog), start->user);
}

INT_PTR CALLBACK dialogProc(HWND self, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG:
        initialise(self, reinterpret_cast<DialogStart*>(lp));
        return TRUE;
    case WM_COMMAND:
        dispatchCommand(self, LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
        return TRUE;
    case WM_NOTIFY: {
        // The change of tab reaches the tab control's handler.
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        if (header->code != static_cast<UINT>(TCN_SELCHANGE)) return FALSE;
        dispatchCommand(self, static_cast<int>(header->idFrom), 0, header->hwndFrom);
        return TRUE;
    }
    case WM_DRAWITEM:
        drawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_CLOSE:
        quitModalDialog(plxOf(self), 2);
        return TRUE;
    case WM_TIMER:
        if (wp == kDialogTimerId) runTimer(self);
        return TRUE;
    case WM_DESTROY:
        KillTimer(self, kDialogTimerId);
        freeStringProps(self);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

HINSTANCE toolkitInstance() {
    return gModuleInstance ? gModuleInstance : GetModuleHandleW(nullptr);
}

MainWindowLock disableMainWindow() {
    MainWindowLock lock;
    lock.window = hwndOf(gHostMainWindow);
    if (!lock.window) lock.window = GetWindow(GetActiveWindow(), GW_OWNER);
    // EnableWindow tells whether the window was disabled before.
    if (lock.window) lock.wasEnabled = !EnableWindow(lock.window, FALSE);
    return lock;
}

void restoreMainWindow(const MainWindowLock& lock) {
    if (lock.window && IsWindow(lock.window)) EnableWindow(lock.window, lock.wasEnabled);
}

PlxWindow createDialogWindow(const char* name, void* user, bool* described) {
    if (described) *described = false;
    registerDialogClasses();
    DialogStart start{name, nullptr, user, false};
    HWND dialog = CreateDialogParamW(toolkitInstance(), kEmptyDialog, GetActiveWindow(), dialogProc,
                                     reinterpret_cast<LPARAM>(&start));
    if (!dialog) return 0;
    if (described) *described = start.described;
    return plxOf(dialog);
}

void destroyDialogWindow(PlxWindow dialog) {
    if (HWND h = hwndOf(dialog)) DestroyWindow(h);
}

int32_t doModalDialog(const char* name, DlgSetupProc setup, void* user) {
    HWND active = GetActiveWindow();
    HWND focused = GetFocus();
    MainWindowLock lock = disableMainWindow();

    DialogStart start{name, setup, user, false};
    INT_PTR result = DialogBoxParamW(toolkitInstance(), kEmptyDialog, active, dialogProc,
                                     reinterpret_cast<LPARAM>(&start));

    restoreMainWindow(lock);
    if (active && IsWindow(active)) SetActiveWindow(active);
    if (focused && IsWindow(focused)) SetFocus(focused);
    return result < 0 ? 0 : static_cast<int32_t>(result);
}

void quitModalDialog(PlxWindow dialog, int32_t result) {
    HWND h = hwndOf(dialog);
    if (!h) return;
    stopDialogTimer(dialog);
    EndDialog(h, result);
}

bool startDialogTimer(PlxWindow dialog, uint32_t intervalMs, DlgTimerProc proc) {
    HWND h = hwndOf(dialog);
    if (!h || !proc) return false;
    setValueProp(h, kPropTimer, reinterpret_cast<intptr_t>(proc));
    setValueProp(h, kPropShortTimer, intervalMs < USER_TIMER_MINIMUM ? 1 : 0);
    return SetTimer(h, kDialogTimerId, intervalMs, nullptr) != 0;
}

void stopDialogTimer(PlxWindow dialog) {
    HWND h = hwndOf(dialog);
    if (!h) return;
    KillTimer(h, kDialogTimerId);
    setValueProp(h, kPropTimer, 0);
    setValueProp(h, kPropShortTimer, 0);
}

void setToolWindowStyle(PlxWindow dialog) {
    HWND h = hwndOf(dialog);
    if (!h) return;
    SetWindowLongW(h, GWL_EXSTYLE, GetWindowLongW(h, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
