#include "ui/platform/win/win32_runner.h"

#include "ui/dialogs.h"
#include "ui/modal.h"
#include "ui/native_dialogs.h"
#include "ui/platform/win/win32_person.h"
#include "ui/script.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <string>
#include <vector>

namespace win32person {

namespace {

constexpr UINT kTickMs = USER_TIMER_MINIMUM;

struct Runner {
    HHOOK before = nullptr;
    HHOOK after = nullptr;
    HHOOK retrieved = nullptr;
    UINT_PTR timer = 0;
    ui::NativeDialogs dialogs;
    DWORD waitUntil = 0; // a scripted wait lasts until then
    int progress[3] = {-1, -1, -1}; // position, minimum, maximum last told
};

Runner* sRunner = nullptr;

using Tracked = ui::NativeDialog;

std::uintptr_t key(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

HWND hwndOf(const Tracked& t) {
    return reinterpret_cast<HWND>(t.handle);
}

Tracked* trackedOf(HWND window) {
    return sRunner ? sRunner->dialogs.find(key(window)) : nullptr;
}

std::uint64_t nowMs() {
    return GetTickCount64();
}

std::wstring wide(const std::string& utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(n > 0 ? static_cast<size_t>(n) : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string className(HWND window) {
    wchar_t cls[64] = {0};
    int n = GetClassNameW(window, cls, 64);
    std::string out;
    for (int i = 0; i < n; ++i) out += cls[i] < 0x80 ? static_cast<char>(cls[i]) : '?';
    return out;
}

bool classIs(HWND window, const wchar_t* name) {
    wchar_t cls[64] = {0};
    return GetClassNameW(window, cls, 64) && lstrcmpiW(cls, name) == 0;
}

// The host's preferences window, output-style editor and styles list are
// windows of their own classes, not dialogs, but a person works in them as
// in one.
ui::NativeClass nativeClass(HWND window) {
    if (classIs(window, L"PlexhostPanelWindow")) return ui::NativeClass::PanelWindow;
    if (classIs(window, L"PlexhostStylesWindow")) return ui::NativeClass::StylesWindow;
    return ui::NativeClass::Dialog;
}

void addChildren(HWND window, bool direct, std::vector<ui::NativeChild>* out) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        out->push_back({className(child), GetDlgCtrlID(child), direct});
        addChildren(child, false, out);
    }
}

ui::Kind kindOf(HWND dialog) {
    std::vector<ui::NativeChild> children;
    addChildren(dialog, true, &children);
    return ui::NativeDialogs::kindOf(children);
}

HWND messageText(HWND box) {
    HWND text = findControl(box, 10);
    return text ? text : findControl(box, 0xFFFF);
}

std::string boxText(HWND box) {
    return ui::NativeDialogs::boxText(text(messageText(box)));
}

void record(ui::RecordKind kind, const Tracked& t, const std::string& text, int result = 0,
            const ui::ControlInfo* tree = nullptr) {
    ui::Record r;
    r.kind = kind;
    r.window = t.title;
    r.text = text;
    r.result = result;
    if (kind == ui::RecordKind::MessageBox) {
        for (int id = 1; id <= 2; ++id) {
            HWND button = findControl(hwndOf(t), id);
            if (button && IsWindowVisible(button)) r.items.push_back(win32person::text(button));
        }
    }
    ui::recordForeign(r, tree);
}

void opened(Tracked& t) {
    HWND window = hwndOf(t);
    t.opened = true;
    t.title = text(window);
    t.kind = kindOf(window);
    t.lastActivity = nowMs();
    if (t.kind == ui::Kind::MessageBox) {
        record(ui::RecordKind::MessageBox, t, boxText(window));
        return;
    }
    ui::ControlInfo tree = observe(window);
    tree.kind = t.kind;
    record(ui::RecordKind::Opened, t, "opened", 0, &tree);
}

// Records the window as closed, with its tree as it is now.
void closed(const Tracked& t) {
    int result = ui::NativeDialogs::result(t);
    if (t.kind == ui::Kind::MessageBox) {
        record(ui::RecordKind::Answer, t, "answered", result);
        return;
    }
    ui::ControlInfo tree = observe(hwndOf(t));
    tree.kind = t.kind;
    record(ui::RecordKind::Closed, t, "closed", result, &tree);
}

void progressMoved(HWND bar) {
    sRunner->dialogs.progressed(key(GetAncestor(bar, GA_ROOT)), nowMs());
    int now[3] = {static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)),
                  static_cast<int>(SendMessageW(bar, PBM_GETRANGE, TRUE, 0)),
                  static_cast<int>(SendMessageW(bar, PBM_GETRANGE, FALSE, 0))};
    if (now[0] == sRunner->progress[0] && now[1] == sRunner->progress[1] &&
        now[2] == sRunner->progress[2])
        return;
    for (int i = 0; i < 3; ++i) sRunner->progress[i] = now[i];
    ui::progressForeign(now[0], now[1], now[2]);
}

bool isTopLevel(HWND window) {
    return window && !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

// Tells the decisions what a message means for the window it is sent to.
void seen(HWND window, ui::NativeEvent event, int id = 0, bool clicked = false) {
    ui::NativeDialog ended;
    if (sRunner->dialogs.seen(key(window), nativeClass(window), isTopLevel(window), event, id,
                              clicked, nowMs(), &ended))
        closed(ended);
}

LRESULT CALLBACK beforeProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && sRunner) {
        const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
        if (trackedOf(m->hwnd)) {
            if (m->message == WM_COMMAND)
                seen(m->hwnd, ui::NativeEvent::Command, LOWORD(m->wParam),
                     HIWORD(m->wParam) == BN_CLICKED);
            else if (m->message == WM_CLOSE ||
                     (m->message == WM_SYSCOMMAND && (m->wParam & 0xFFF0) == SC_CLOSE))
                seen(m->hwnd, ui::NativeEvent::Close);
            else if (m->message == WM_DESTROY)
                seen(m->hwnd, ui::NativeEvent::Destroyed);
            else if (m->message == WM_SHOWWINDOW && !m->wParam)
                seen(m->hwnd, ui::NativeEvent::Hidden);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK afterProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && sRunner) {
        const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lp);
        if (m->message == WM_INITDIALOG)
            seen(m->hwnd, ui::NativeEvent::Initialised);
        else if (m->message == WM_SHOWWINDOW && m->wParam)
            seen(m->hwnd, ui::NativeEvent::Shown);
        else if (m->message >= PBM_SETRANGE && m->message <= PBM_SETRANGE32 &&
                 classIs(m->hwnd, PROGRESS_CLASSW))
            progressMoved(m->hwnd);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

// Timer messages are posted, not sent: they are seen as the window's loop
// takes them. Only a timer of the followed window itself counts as its
// work; the system's controls inside it run timers of their own (scrolling,
// tool tips) that are not.
LRESULT CALLBACK retrievedProc(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && sRunner && wp == PM_REMOVE) {
        const auto* m = reinterpret_cast<const MSG*>(lp);
        if (m->message == WM_TIMER && m->hwnd && trackedOf(m->hwnd))
            seen(m->hwnd, ui::NativeEvent::Timer);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

bool usable(std::uintptr_t handle) {
    HWND window = reinterpret_cast<HWND>(handle);
    return IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window);
}

Tracked* innermost() {
    return sRunner->dialogs.innermost(usable);
}

// The control an action names, depth-first as findControl goes.
HWND controlNamed(HWND window, const ui::ControlRef& ref) {
    // The save dialog's own buttons are its direct children; the controls of
    // the plug-in's dialogs live in panes.
    if (ref.by == ui::ControlRef::By::Id) {
        HWND direct = GetDlgItem(window, ref.id);
        return direct ? direct : findControl(window, ref.id);
    }
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ref.by == ui::ControlRef::By::Command &&
            reinterpret_cast<uintptr_t>(GetPropW(child, L"KRVVccmd")) == ref.command)
            return child;
        if (ref.by == ui::ControlRef::By::Text && ui::NativeDialogs::titled(text(child), ref.text))
            return child;
        if (HWND found = controlNamed(child, ref)) return found;
    }
    return nullptr;
}

HWND nameField(HWND saveDialog) {
    HWND field = findControl(saveDialog, cmb13);
    return field ? field : findControl(saveDialog, edt1);
}

// Types the path into the file-name field and presses Save.
bool saveAs(HWND dialog, const std::string& path) {
    HWND field = nameField(dialog);
    if (!field) return false;
    std::wstring w = wide(ui::NativeDialogs::fieldPath(path));
    SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
    return click(GetDlgItem(dialog, IDOK));
}

bool pressKey(HWND dialog, ui::Key key) {
    switch (key) {
    case ui::Key::Return:
        return click(controlNamed(dialog, ui::ControlRef::byId(IDOK)));
    case ui::Key::Escape:
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    case ui::Key::Space:
        return click(GetFocus());
    case ui::Key::Tab:
    case ui::Key::ShiftTab: {
        HWND focus = GetFocus();
        if (!focus) return false;
        BYTE keys[256];
        GetKeyboardState(keys);
        BYTE shift = keys[VK_SHIFT];
        keys[VK_SHIFT] = key == ui::Key::ShiftTab ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(focus, WM_KEYDOWN, VK_TAB, 0);
        keys[VK_SHIFT] = shift;
        SetKeyboardState(keys);
        return true;
    }
    }
    return false;
}

// Performs one action on the dialog; an empty reason when it was done.
std::string perform(const ui::Action& a, Tracked& t) {
    HWND dialog = hwndOf(t);
    bool save = t.kind == ui::Kind::SaveDialog;
    HWND control = controlNamed(dialog, a.control);
    bool needsControl = a.verb == ui::Verb::Type || a.verb == ui::Verb::Click ||
                        a.verb == ui::Verb::Toggle || a.verb == ui::Verb::Check ||
                        a.verb == ui::Verb::Choose || a.verb == ui::Verb::Focus;
    bool saveField = save && a.control.by == ui::ControlRef::By::Id &&
                     (a.control.id == ui::kSaveFolderId || a.control.id == ui::kSaveNameId);
    if (needsControl && !control && !saveField) return "no such control";
    bool done = false;
    switch (a.verb) {
    case ui::Verb::Type:
        if (saveField && a.control.id == ui::kSaveFolderId) {
            t.folder = a.text;
            done = true;
        } else {
            done = type(saveField ? nameField(dialog) : control, a.text);
        }
        break;
    case ui::Verb::Click:
        if (save && a.control.by == ui::ControlRef::By::Id && a.control.id == IDOK &&
            !t.folder.empty()) {
            std::string path = ui::NativeDialogs::savePath(t.folder, text(nameField(dialog)));
            t.folder.clear();
            done = saveAs(dialog, path);
        } else {
            done = click(control);
        }
        break;
    case ui::Verb::Toggle:
        done = click(control);
        break;
    case ui::Verb::Check:
        done = check(control, a.number != 0);
        break;
    case ui::Verb::Choose:
        done = a.number > 0 ? choose(control, a.number - 1) : chooseText(control, a.text);
        break;
    case ui::Verb::Focus:
        if (IsWindowEnabled(control) && IsWindowVisible(control)) SetFocus(control);
        done = GetFocus() == control;
        break;
    case ui::Verb::Key:
        done = pressKey(dialog, a.key);
        break;
    case ui::Verb::Path:
        if (!save) return "not a save dialog";
        done = saveAs(dialog, a.text);
        break;
    case ui::Verb::Answer:
        if (t.kind != ui::Kind::MessageBox) return "not a message box";
        if (a.number > 0) {
            done = answer(dialog, a.number);
        } else {
            ui::ControlRef byTitle = ui::ControlRef::byText(a.text);
            done = click(controlNamed(dialog, byTitle));
        }
        break;
    case ui::Verb::Close:
        SendMessageW(dialog, WM_CLOSE, 0, 0);
        done = true;
        break;
    case ui::Verb::Wait:
        sRunner->waitUntil = GetTickCount() + static_cast<DWORD>(a.number > 0 ? a.number : 0);
        done = true;
        break;
    }
    return done ? std::string() : "the control cannot be used so";
}

// The dialog toolkit's mark of a running timer of the dialog's own.
bool markedTimer(HWND window) {
    return GetPropW(window, L"KRVVtimp") != nullptr;
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    // Each pass looks afresh: an action may open a dialog (whose modal loop
    // ticks inside this one) or end the one it was done in.
    while (sRunner) {
        if (sRunner->waitUntil && static_cast<LONG>(GetTickCount() - sRunner->waitUntil) < 0) return;
        sRunner->waitUntil = 0;
        Tracked* current = innermost();
        if (!current) return;
        HWND window = hwndOf(*current);
        current->markedTimer = markedTimer(window);
        std::vector<ui::Action> queue = ui::pendingActions();
        ui::NativeStep step =
            ui::NativeDialogs::next(*current, text(window), queue, nowMs(), ui::idleLimit());
        switch (step) {
        case ui::NativeStep::Open:
            opened(*current);
            continue;
        case ui::NativeStep::Wait:
            return;
        case ui::NativeStep::Close:
        case ui::NativeStep::CloseIdle:
            record(ui::RecordKind::Fallback, *current,
                   step == ui::NativeStep::CloseIdle ? "idle limit reached; closing"
                                                     : "nothing more in the script; closing");
            SendMessageW(window, WM_CLOSE, 0, 0);
            return;
        case ui::NativeStep::Perform:
            break;
        }
        ui::Action action = queue.front();
        queue.erase(queue.begin());
        ui::setScript(queue);
        std::string line = ui::formatAction(action);
        line = line.substr(line.find("] ") == std::string::npos ? 0 : line.find("] ") + 2);
        current->lastActivity = nowMs();
        Tracked before = *current;
        std::string refusal = perform(action, *current);
        record(refusal.empty() ? ui::RecordKind::Action : ui::RecordKind::Refused, before,
               refusal.empty() ? line : line + " -- refused: " + refusal);
    }
}

} // namespace

bool startRunner() {
    if (sRunner) return false;
    auto* runner = new Runner;
    DWORD thread = GetCurrentThreadId();
    runner->before = SetWindowsHookExW(WH_CALLWNDPROC, beforeProc, nullptr, thread);
    runner->after = SetWindowsHookExW(WH_CALLWNDPROCRET, afterProc, nullptr, thread);
    runner->retrieved = SetWindowsHookExW(WH_GETMESSAGE, retrievedProc, nullptr, thread);
    runner->timer = SetTimer(nullptr, 0, kTickMs, tick);
    if (!runner->before || !runner->after || !runner->retrieved || !runner->timer) {
        if (runner->before) UnhookWindowsHookEx(runner->before);
        if (runner->after) UnhookWindowsHookEx(runner->after);
        if (runner->retrieved) UnhookWindowsHookEx(runner->retrieved);
        if (runner->timer) KillTimer(nullptr, runner->timer);
        delete runner;
        return false;
    }
    sRunner = runner;
    return true;
}

void stopRunner() {
    if (!sRunner) return;
    UnhookWindowsHookEx(sRunner->before);
    UnhookWindowsHookEx(sRunner->after);
    UnhookWindowsHookEx(sRunner->retrieved);
    KillTimer(nullptr, sRunner->timer);
    delete sRunner;
    sRunner = nullptr;
}

} // namespace win32person
