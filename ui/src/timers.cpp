// Timers on the virtual clock.
#include "system.h"

#include "ui/messages.h"
#include "ui/modal.h"

#include <algorithm>

namespace ui {

using detail::find;
using detail::sys;

namespace detail {

namespace {

// Index of the earliest timer that may fire (not running), or -1.
int earliest() {
    const auto& timers = sys().timers;
    int best = -1;
    for (std::size_t i = 0; i < timers.size(); ++i) {
        const Timer& t = timers[i];
        if (t.running) continue;
        if (best < 0 || t.due < timers[best].due ||
            (t.due == timers[best].due && t.order < timers[best].order))
            best = static_cast<int>(i);
    }
    return best;
}

Timer* byOrder(std::uint64_t order) {
    for (Timer& t : sys().timers)
        if (t.order == order) return &t;
    return nullptr;
}

bool within(Handle window, Handle ancestor) {
    for (Window* w = find(window); w; w = find(w->parent))
        if (w->handle == ancestor) return true;
    return false;
}

} // namespace

void removeTimers(Handle window) {
    auto& timers = sys().timers;
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [&](const Timer& t) { return t.window == window; }),
                 timers.end());
}

bool hasOwnTimers(Handle window) {
    for (const Timer& t : sys().timers)
        if (!t.running && within(t.window, window)) return true;
    return false;
}

bool nextDue(std::uint64_t* due) {
    int i = earliest();
    if (i < 0) return false;
    *due = sys().timers[i].due;
    return true;
}

bool fireDueTimer() {
    auto& s = sys();
    int i = earliest();
    if (i < 0 || s.timers[i].due > s.clock) return false;
    Timer& t = s.timers[i];
    t.running = true;
    t.due += t.interval;
    // Ticks missed while the procedure ran are not made up in a burst.
    if (t.due <= s.clock) t.due = s.clock + t.interval;
    Timer fired = t; // the vector may change during the call
    if (fired.proc) {
        fired.proc(fired.window, fired.id, fired.user);
    } else {
        Message tick;
        tick.msg = Msg::Timer;
        tick.id = fired.id;
        sendMessage(fired.window, tick);
    }
    if (Timer* still = byOrder(fired.order)) still->running = false;
    return true;
}

} // namespace detail

bool setTimer(Handle window, int timerId, std::uint32_t intervalMs, TimerProc proc, void* user) {
    if (!find(window)) return false;
    killTimer(window, timerId);
    auto& s = sys();
    detail::Timer t;
    t.window = window;
    t.id = timerId;
    t.interval = intervalMs == 0 ? 1 : intervalMs;
    t.due = s.clock + t.interval;
    t.order = ++s.timerOrder;
    t.proc = proc;
    t.user = user;
    s.timers.push_back(t);
    return true;
}

bool killTimer(Handle window, int timerId) {
    auto& timers = sys().timers;
    auto end = std::remove_if(timers.begin(), timers.end(), [&](const detail::Timer& t) {
        return t.window == window && t.id == timerId;
    });
    bool found = end != timers.end();
    timers.erase(end, timers.end());
    return found;
}

bool hasTimer(Handle window, int timerId) {
    for (const detail::Timer& t : sys().timers)
        if (t.window == window && t.id == timerId) return true;
    return false;
}

std::uint64_t now() {
    return sys().clock;
}

void advanceTime(std::uint64_t ms) {
    auto& s = sys();
    std::uint64_t target = s.clock + ms;
    std::uint64_t due = 0;
    while (detail::nextDue(&due) && due <= target) {
        if (due > s.clock) s.clock = due;
        detail::fireDueTimer();
    }
    if (s.clock < target) s.clock = target;
}

void setIdleLimit(std::uint64_t ms) {
    sys().idleLimit = ms;
}

std::uint64_t idleLimit() {
    return sys().idleLimit;
}

} // namespace ui
