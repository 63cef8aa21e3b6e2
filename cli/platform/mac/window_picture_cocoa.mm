// Pictures of the plug-in's Cocoa windows: the window is brought up as a
// person brings it up (its menu command, or the host's window that shows
// the panel, on the plug-in's page), and drawn when the person has nothing
// more to do in it, just before it closes.
#include "cli/window_picture.h"

#import <AppKit/AppKit.h>

#include <strings.h>

#include "cli/messages.h"
#include "cli/person.h"
#include "cli/plugin_menu.h"
#include "host/menus.h"
#include "host/panel_window.h"
#include "host/preferences_window.h"
#include "host/style_editor.h"
#include "ui/platform/mac/cocoa_person.h"

namespace plxcli {

namespace {

bool named(const std::string& name, const char* window) {
    return strcasecmp(name.c_str(), window) == 0;
}

} // namespace

bool writeWindowPicture(Session& session, const std::string& name, const std::string& path,
                        std::string* error) {
    plxhost::Host& host = session.host();
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    Person person;
    std::string title;
    bool alert = false;
    bool drawn = false;
    std::string drawError;
    person.onEvent([&](const ui::Event& event) {
        if (drawn || event.kind != ui::EventKind::Recorded || !event.record) return;
        if (event.record->kind != ui::RecordKind::Fallback) return;
        // A message box is the alert at hand, whatever its title reads
        // while it is being set up.
        NSWindow* window = alert ? [NSApp modalWindow] : cocoaperson::findWindow(title);
        if (alert ? !cocoaperson::isAlert(window) : event.record->window != title) return;
        if (!window) return;
        drawn = cocoaperson::writePng(window, path, &drawError);
        if (!drawn && drawError.empty()) drawError = say("%1: cannot write the picture", {path});
    });
    bool opened = true;
    std::string openError;
    if (named(name, "25053") || named(name, "PlxPrefs")) {
        title = plxhost::kPreferencesTitle;
        opened = host.menus().choose(plxhost::kCmdPreferences);
    } else if (named(name, "25052") || named(name, "PlxStyles")) {
        title = plxhost::kEditStyleTitle;
        std::vector<ui::Action> show = {ui::Action::chooseText(
            ui::WindowRef::titled(title), ui::ControlRef::byId(plxhost::PanelWindow::kTabsId),
            "Plexmoor")};
        ui::setScript(show);
        OutputStyleRef style = host.styles().defaultStyle(kXTMediumEPS);
        opened = style != nullptr;
        if (style) plxhost::editOutputStyle(host, style);
    } else if (named(name, "Prefs")) {
        title = "Plexmoor";
        opened = choosePluginCommand(host, kPrefsItem, &openError);
    } else if (named(name, "MSGBOX") || named(name, "About")) {
        alert = true;
        opened = choosePluginCommand(host, kAboutItem, &openError);
    } else {
        opened = false;
        openError = say("%1 is not drawn as PNG in this build yet (draw it as SVG)", {name});
    }
    ui::clearScript();
    [pool drain];
    if (drawn) return true;
    if (error)
        *error = !drawError.empty() ? drawError
                 : !openError.empty() ? openError
                 : opened ? say("%1 is not a Cocoa window in this build yet (draw it as SVG)", {name})
                          : say("the window %1 could not be opened", {name});
    return false;
}

} // namespace plxcli
