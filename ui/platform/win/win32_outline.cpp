// Win32 windows as outlines: the controls as the runner observes them
// (win32_runner.h), placed by their screen rectangles.
#include "ui/platform/win/win32_outline.h"

#include "ui/platform/win/win32_runner.h"

#include <cstdint>

namespace win32picture {

namespace {

HWND windowOf(const ui::ControlInfo& info) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(info.handle));
}

// The window's screen rectangle, with `frame`'s top-left corner as origin.
ui::Rect placed(HWND window, const RECT& frame) {
    RECT r{};
    GetWindowRect(window, &r);
    return ui::Rect{static_cast<int>(r.left - frame.left), static_cast<int>(r.top - frame.top),
                    static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top)};
}

void addControls(const ui::ControlInfo& parent, const RECT& frame, ui::WindowOutline* out) {
    for (const ui::ControlInfo& child : parent.children) {
        HWND window = windowOf(child);
        // IsWindowVisible would count every control of a window not shown
        // as hidden; the control's own style says whether it shows with it.
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE)) continue;
        // A pane only holds controls; what it holds is drawn.
        if (child.kind != ui::Kind::Pane)
            out->controls.push_back(ui::outlineControl(child, placed(window, frame)));
        addControls(child, frame, out);
    }
}

} // namespace

bool outline(HWND window, ui::WindowOutline* out) {
    if (!window || !IsWindow(window)) return false;
    ui::ControlInfo info = win32person::observe(window);
    RECT frame{};
    GetWindowRect(window, &frame);
    *out = ui::WindowOutline{};
    out->title = info.text;
    out->frame = ui::Rect{static_cast<int>(frame.left), static_cast<int>(frame.top),
                          static_cast<int>(frame.right - frame.left),
                          static_cast<int>(frame.bottom - frame.top)};
    RECT client{};
    GetClientRect(window, &client);
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    out->content = ui::Rect{static_cast<int>(corner.x - frame.left),
                            static_cast<int>(corner.y - frame.top),
                            static_cast<int>(client.right), static_cast<int>(client.bottom)};
    addControls(info, frame, out);
    return true;
}

} // namespace win32picture
