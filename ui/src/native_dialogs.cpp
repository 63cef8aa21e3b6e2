#include "ui/native_dialogs.h"

#include <algorithm>
#include <cctype>

namespace ui {

namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;
constexpr int kSaveNameCombo = 0x47c; // cmb13
constexpr int kSaveNameEdit = 0x480;  // edt1
constexpr int kBoxTextId = 10;
constexpr int kStaticNoId = 0xFFFF;

bool sameClass(const std::string& a, const char* b) {
    std::size_t n = 0;
    for (; b[n]; ++n)
        if (n >= a.size() ||
            std::tolower(static_cast<unsigned char>(a[n])) != std::tolower(static_cast<unsigned char>(b[n])))
            return false;
    return n == a.size();
}

bool hostWindow(NativeClass cls) {
    return cls == NativeClass::PanelWindow || cls == NativeClass::StylesWindow;
}

} // namespace

NativeDialog* NativeDialogs::find(std::uintptr_t handle) {
    for (NativeDialog& d : dialogs_)
        if (d.handle == handle) return &d;
    return nullptr;
}

bool NativeDialogs::seen(std::uintptr_t handle, NativeClass cls, bool topLevel, NativeEvent event,
                         int id, bool clicked, std::uint64_t now, NativeDialog* ended) {
    NativeDialog* d = find(handle);
    if (!d) {
        bool starts = topLevel && (event == NativeEvent::Initialised ||
                                   (event == NativeEvent::Shown && hostWindow(cls)));
        if (starts) {
            NativeDialog fresh;
            fresh.handle = handle;
            fresh.cls = cls;
            fresh.lastActivity = now;
            dialogs_.push_back(fresh);
        }
        return false;
    }
    switch (event) {
    case NativeEvent::Command:
        if (id == kOk || id == kCancel)
            d->command = id;
        else if (clicked && d->cls == NativeClass::PanelWindow &&
                 (id == kPanelOkId || id == kPanelCancelId))
            d->command = id == kPanelOkId ? kOk : kCancel;
        return false;
    case NativeEvent::Close:
        d->command = kCancel;
        return false;
    case NativeEvent::Timer:
        if (d->ticked && now - d->lastTick > d->tickGap) d->tickGap = now - d->lastTick;
        d->ticked = true;
        d->lastTick = now;
        return false;
    case NativeEvent::Hidden:
        // The host hides its windows when their loop ends and keeps them
        // for a while: hidden, they are closed. A dialog is hidden on its
        // way to being destroyed, or for a while by its own code.
        if (!hostWindow(d->cls)) return false;
        break;
    case NativeEvent::Destroyed:
        break;
    case NativeEvent::Initialised:
    case NativeEvent::Shown:
        return false;
    }
    NativeDialog gone = *d;
    dialogs_.erase(dialogs_.begin() + (d - dialogs_.data()));
    if (!gone.opened) return false;
    if (ended) *ended = gone;
    return true;
}

void NativeDialogs::progressed(std::uintptr_t handle, std::uint64_t now) {
    if (NativeDialog* d = find(handle)) d->lastActivity = now;
}

NativeDialog* NativeDialogs::innermost(const std::function<bool(std::uintptr_t)>& usable) {
    for (std::size_t i = dialogs_.size(); i-- > 0;) {
        NativeDialog& d = dialogs_[i];
        if (d.command && d.cls == NativeClass::PanelWindow) continue;
        if (usable(d.handle)) return &d;
    }
    return nullptr;
}

bool NativeDialogs::timerRunning(const NativeDialog& dialog, std::uint64_t now) {
    if (dialog.markedTimer) return true;
    if (!dialog.ticked) return false;
    std::uint64_t allowed = std::max(kTimerGraceMs, 2 * dialog.tickGap);
    return now <= dialog.lastTick || now - dialog.lastTick <= allowed;
}

NativeStep NativeDialogs::next(const NativeDialog& dialog, const std::string& title,
                               const std::vector<Action>& queue, std::uint64_t now,
                               std::uint64_t idleLimit) {
    if (!dialog.opened) return NativeStep::Open;
    if (!queue.empty() && addresses(queue.front(), title, dialog.kind)) return NativeStep::Perform;
    if (!timerRunning(dialog, now)) return NativeStep::Close;
    bool idle = now > dialog.lastActivity && now - dialog.lastActivity >= idleLimit;
    return idle ? NativeStep::CloseIdle : NativeStep::Wait;
}

bool NativeDialogs::addresses(const Action& action, const std::string& title, Kind kind) {
    switch (action.window.by) {
    case WindowRef::By::Current:
        return true;
    case WindowRef::By::Title:
        return action.window.title == title;
    case WindowRef::By::Kind:
        return action.window.kind == kind;
    }
    return false;
}

Kind NativeDialogs::kindOf(const std::vector<NativeChild>& children) {
    for (const NativeChild& c : children)
        if (c.id == kSaveNameCombo || c.id == kSaveNameEdit) return Kind::SaveDialog;
    bool text = false, button = false;
    for (const NativeChild& c : children) {
        if (!c.direct) continue;
        if (sameClass(c.className, "Static") && (c.id == kBoxTextId || c.id == kStaticNoId))
            text = true;
        else if (sameClass(c.className, "Button") && c.id >= 1 && c.id <= 7)
            button = true;
        else if (!sameClass(c.className, "Static") && !sameClass(c.className, "Button"))
            return Kind::Window;
    }
    return text && button ? Kind::MessageBox : Kind::Window;
}

int NativeDialogs::result(const NativeDialog& dialog) {
    if (dialog.command) return dialog.command;
    return dialog.kind == Kind::MessageBox ? kCancel : kOk;
}

bool NativeDialogs::titled(const std::string& shown, const std::string& wanted) {
    if (shown == wanted) return true;
    std::string read;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] == '&' && i + 1 < shown.size()) ++i;
        read += shown[i];
    }
    return read == wanted;
}

std::string NativeDialogs::fieldPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string NativeDialogs::savePath(const std::string& folder, const std::string& name) {
    std::string path = fieldPath(folder);
    if (path.empty() || path.back() != '\\') path += '\\';
    return path + name;
}

std::string NativeDialogs::boxText(const std::string& shown) {
    std::string out;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (!(shown[i] == '\r' && i + 1 < shown.size() && shown[i + 1] == '\n')) out += shown[i];
    return out;
}

} // namespace ui
