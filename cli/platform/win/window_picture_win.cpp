// Pictures of the plug-in's Win32 windows: the window the plug-in builds for
// the host's window request (xt/xtwindows.h), grabbed as the screen shows
// it (ui/platform/win/win32_picture.h). A plug-in whose windows are the
// window system's hands over none of these; they are drawn as SVG.
#include "cli/window_picture.h"

#include <windows.h>

#include "cli/messages.h"
#include "ui/platform/win/win32_picture.h"
#include "ui/ui.h"
#include "xt/xtwindows.h"

namespace plxcli {

bool writeWindowPicture(Session& session, const std::string& name, const std::string& path,
                        std::string* error) {
    XTWindowRequestRec rec{};
    rec.xtId = session.host().plugins().back().id;
    rec.result = kXTWindowNotAnswered;
    rec.name = name.c_str();
    session.host().sendCallback(kXTCBWindowRequest, &rec);
    if (rec.result != kXTWindowBuilt || rec.window == 0) {
        if (error)
            *error = say("the plug-in has no window named %1 (plexmoor --help lists them)", {name});
        return false;
    }
    auto window = reinterpret_cast<HWND>(rec.window);
    if (!IsWindow(window)) {
        ui::destroyWindow(static_cast<ui::Handle>(rec.window));
        if (error) *error = say("%1: this build draws its windows as SVG only", {path});
        return false;
    }
    bool drawn = win32picture::writePng(window, path);
    DestroyWindow(window);
    if (!drawn && error) *error = say("%1: cannot write the picture", {path});
    return drawn;
}

} // namespace plxcli
