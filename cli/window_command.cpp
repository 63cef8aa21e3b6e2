// plexmoor window NAME [-o FILE.svg]: the picture of one of the plug-in's
// windows, built by the plug-in itself through the host's window request
// (xt/xtwindows.h) and drawn by the window system; where the plug-in's
// windows are the platform's, the SVG outlines the platform's window
// (cli/window_outline.h), and -o FILE.png draws it as the platform does
// (cli/window_picture.h).
#include <cstdio>
#include <string>
#include <strings.h>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/window_outline.h"
#include "cli/window_picture.h"
#include "ui/ui.h"
#include "xt/xtwindows.h"

namespace plxcli {

int runWindow(const Arguments& args) {
    if (args.positional.size() != 1)
        return usageError(say("window needs one NAME (plexmoor --help lists them)"));
    const std::string& name = args.positional[0];

    Session session(sessionOptions(args));
    std::string error;
    if (!session.start(&error)) return failure(error);

    // A PNG is the platform's own window as drawn (the macOS build's
    // Cocoa windows); the window system draws SVG.
    auto out = args.options.find("-o");
    const std::string png = ".png";
    if (out != args.options.end() && out->second.size() > png.size() &&
        strcasecmp(out->second.c_str() + out->second.size() - png.size(), png.c_str()) == 0) {
        if (!writeWindowPicture(session, name, out->second, &error)) return failure(error);
        std::printf("%s\n", out->second.c_str());
        return kExitOk;
    }

    XTWindowRequestRec rec{};
    // Addressed to the plug-in by the identifier it gave when it was loaded.
    rec.xtId = session.host().plugins().back().id;
    rec.result = kXTWindowNotAnswered;
    rec.name = name.c_str();
    session.host().sendCallback(kXTCBWindowRequest, &rec);
    if (rec.result == kXTWindowNotAnswered)
        return failure(say("the plug-in does not answer window requests"));
    if (rec.result != kXTWindowBuilt || rec.window == ui::kNoWindow)
        return failure(
            say("the plug-in has no window named %1 (plexmoor --help lists them)", {name}));
    // A plug-in whose windows are the platform's own (the Win32 and Cocoa
    // builds) hands over one of those: its outline is drawn, as the system
    // shows it.
    ui::WindowOutline outline;
    if (outlineNativeWindow(rec.window, &outline)) {
        if (out == args.options.end()) {
            std::string svg = ui::outlineSvg(outline);
            std::fwrite(svg.data(), 1, svg.size(), stdout);
        } else if (!ui::writeOutlineSvg(outline, out->second, &error)) {
            return failure(error);
        } else {
            std::printf("%s\n", out->second.c_str());
        }
        return kExitOk;
    }
    if (!ui::isWindow(rec.window))
        return failure(say("the plug-in's window %1 is not one this program can draw", {name}));

    // A text cut to fit its control is a fault of the window's layout; it
    // is told, the picture is still drawn.
    for (const ui::ClippedText& cut : ui::clippedTexts(rec.window)) {
        std::string where =
            cut.control == rec.window
                ? say("the title")
                : say("the %1 #%2", {ui::kindName(cut.kind), std::to_string(cut.id)});
        std::fprintf(
            stderr, "plexmoor: %s\n",
            say("%1: %2 \"%3\" does not fit: it needs %4 pixels, has %5",
                {name, where, cut.text, std::to_string(cut.needed), std::to_string(cut.available)})
                .c_str());
    }

    int status = kExitOk;
    if (out == args.options.end()) {
        std::string svg = ui::drawSvg(rec.window);
        std::fwrite(svg.data(), 1, svg.size(), stdout);
    } else if (!ui::writeSvg(rec.window, out->second, &error)) {
        status = failure(error);
    } else {
        std::printf("%s\n", out->second.c_str());
    }
    ui::destroyWindow(rec.window);
    return status;
}

} // namespace plxcli
