// Modal loops, timers and the virtual clock.
//
// Nothing here waits for real time. The clock is a virtual millisecond counter
// that advances only when a modal loop has nothing else to do but wait for a timer
// (or when advanceTime is called), so a 1 ms timer runs as fast as the work it
// does and every run is repeatable.
//
// One turn of a modal loop for window W, repeated until W's loop ends:
//  1. the earliest timer that is due now fires (any window's timer);
//  2. while a scripted wait for W lasts, the clock moves on to the next due timer
//     or the end of the wait;
//  3. else the script's next action, when it is addressed to W, is performed;
//  4. else, while W (or a window inside it) has timers, the clock moves on to the
//     next due timer — until W has gone a whole idle limit without a scripted
//     action;
//  5. else nothing more can happen to W: it gets Msg::Close as from a person
//     (and is ended with 2 if its procedure keeps it open).
// So a run never hangs: a modal window either ends by itself, by the script, or
// by that final close. See ui/script.h for how actions address windows.
#pragma once

#include "ui/types.h"

#include <cstdint>

namespace ui {

// Runs a modal loop for a top-level window: shows and activates it, focuses its
// first tab stop unless a control in it already has the focus, loops as above,
// then hides it and activates the window that was active before (with its
// focus). The window is not destroyed and its owner is not touched: disabling the
// owner while the loop runs is the caller's choice (setEnabled). Loops nest. Returns the result given to
// endModal, 2 when the window was destroyed during the loop, 0 when the window is
// invalid, not top-level or already in a loop.
UI_API int runModal(Handle window);
// Ends the window's loop with a result; the loop returns once control is back in
// it (an outer loop ended while an inner one runs returns after the inner one).
// Also stops the window's timers. False when the window is not in a modal loop.
UI_API bool endModal(Handle window, int result);
UI_API bool isModal(Handle window);
UI_API int modalDepth();
// The innermost running modal window, or 0.
UI_API Handle currentModal();

// Timer procedure; without one a due timer sends Msg::Timer to the window.
using TimerProc = void (*)(Handle window, int timerId, void* user);

// Starts (or restarts) timer `timerId` of a window: first due `intervalMs` after
// now (at least 1 ms), then every interval. A timer whose procedure is still
// running is not fired again inside it (e.g. from a message box its tick opened).
UI_API bool setTimer(Handle window, int timerId, std::uint32_t intervalMs, TimerProc proc = nullptr,
                     void* user = nullptr);
UI_API bool killTimer(Handle window, int timerId);
UI_API bool hasTimer(Handle window, int timerId);

// Virtual milliseconds since start (or reset).
UI_API std::uint64_t now();
// Moves the clock on by ms, firing every timer that comes due on the way, in
// order. For work outside modal loops (tests, non-modal windows).
UI_API void advanceTime(std::uint64_t ms);
// How long (virtual ms) a modal window with running timers may go without a
// scripted action before it is closed; default 600000 (ten minutes).
UI_API void setIdleLimit(std::uint64_t ms);
UI_API std::uint64_t idleLimit();

// The screen, for centring windows; default 1280 x 1024.
UI_API Size screenSize();
UI_API void setScreenSize(Size size);

// Puts the whole window system back to its starting state: destroys every window,
// forgets classes, timers, the script, the transcript, the observer and the beep
// count, and sets the clock to 0. Refused (false) while a modal loop runs or a
// window is being destroyed.
UI_API bool reset();

} // namespace ui
