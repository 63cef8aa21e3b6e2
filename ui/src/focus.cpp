// Keyboard focus, activation and the z-order.
#include "system.h"
#include "window_internal.h"

#include "ui/focus.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {

using detail::find;

namespace {

void raise(Handle top) {
    auto& z = detail::sys().zorder;
    auto it = std::find(z.begin(), z.end(), top);
    if (it != z.end()) std::rotate(z.begin(), it, it + 1);
}

bool isInside(Handle window, Handle top) {
    return window && detail::topLevelOf(window) == top;
}

} // namespace

Handle focus() {
    return detail::sys().focus;
}

bool setFocus(Handle window) {
    auto& s = detail::sys();
    if (window == kNoWindow) {
        s.focus = kNoWindow;
        return true;
    }
    if (!find(window)) return false;
    Handle top = detail::topLevelOf(window);
    if (s.active != top) {
        raise(top);
        s.active = top;
    }
    s.focus = window;
    find(top)->lastFocus = window;
    return true;
}

Handle activeWindow() {
    return detail::sys().active;
}

bool setActiveWindow(Handle window) {
    auto& s = detail::sys();
    if (window == kNoWindow) {
        s.active = kNoWindow;
        s.focus = kNoWindow;
        return true;
    }
    detail::Window* w = find(window);
    if (!w || w->parent != kNoWindow) return false;
    raise(window);
    s.active = window;
    s.focus = isInside(w->lastFocus, window) ? w->lastFocus : kNoWindow;
    return true;
}

Handle rememberedFocus(Handle topLevelWindow) {
    detail::Window* w = find(topLevelWindow);
    if (!w || !isInside(w->lastFocus, topLevelWindow)) return kNoWindow;
    return w->lastFocus;
}

std::vector<Handle> topLevelWindows() {
    return detail::sys().zorder;
}

std::vector<Handle> tabOrder(Handle topLevelWindow) {
    std::vector<Handle> order;
    for (Handle h : descendants(topLevelWindow))
        if (hasStyle(h, style::TabStop) && isUsable(h)) order.push_back(h);
    return order;
}

namespace detail {

void forgetFocus(Handle window) {
    auto& s = sys();
    if (s.focus == window) s.focus = kNoWindow;
    Handle top = topLevelOf(window);
    if (Window* t = find(top))
        if (t->lastFocus == window) t->lastFocus = kNoWindow;
    if (s.active != window) return;
    // Activation goes to the owner, else to the topmost other window still shown.
    Handle next = kNoWindow;
    Window* w = find(window);
    Window* o = find(w->owner);
    if (o && o->visible && !o->destroying) {
        next = o->handle;
    } else {
        for (Handle h : s.zorder) {
            Window* c = find(h);
            if (h != window && c && c->visible && !c->destroying) {
                next = h;
                break;
            }
        }
    }
    setActiveWindow(next);
}

void focusAndSelect(Handle control) {
    setFocus(control);
    if (Window* w = find(control))
        if (hasEditText(w->kind)) setTextSelection(control, 0, -1);
}

} // namespace detail
} // namespace ui
