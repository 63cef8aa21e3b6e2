// Pictures of the plug-in's Cocoa windows: the window is brought up as a
// person brings it up (its menu command, the host's window that shows the
// panel on the plug-in's page, an export of a small layout of the host's
// making for the export panel, the progress window and the message box of
// a refused page range), and drawn when
// the person has nothing more to do in it, just before it closes (the
// progress window: once its bar has moved). What is wrong with the
// window's layout (a text that does not fit its control, controls that
// overlap) is told on standard error; the picture is still drawn.
#include "cli/window_picture.h"

#import <AppKit/AppKit.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <strings.h>

#include "cli/messages.h"
#include "cli/person.h"
#include "cli/plugin_menu.h"
#include "host/menus.h"
#include "host/panel_window.h"
#include "host/preferences_window.h"
#include "host/project_file.h"
#include "host/style_editor.h"
#include "ui/platform/mac/cocoa_layout.h"
#include "ui/platform/mac/cocoa_person.h"

namespace plxcli {

namespace {

bool named(const std::string& name, const char* window) {
    return strcasecmp(name.c_str(), window) == 0;
}

// The layout the export windows are shown for: four pages of a project
// "Catalog.proj" in `folder`, made in memory (the file is never written).
bool openPictureLayout(plxhost::Host& host, const std::string& folder, std::string* error) {
    std::unique_ptr<plxhost::Project> project =
        plxhost::parseProject("layout \"Catalog\"\n  page-size 595 842\n  pages 4\n",
                              "Catalog.proj", error);
    if (!project) return false;
    project->path = folder + "/Catalog.proj";
    project->name = "Catalog.proj";
    host.documents().addProject(std::move(project));
    return true;
}

// A folder of its own for the export windows' project and the files the
// progress window's export writes; removed afterwards.
std::string scratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "plexmoor-picture.XXXXXX").string();
    return mkdtemp(&pattern[0]) ? pattern : std::string();
}

void tellLayout(const std::string& name, NSWindow* window) {
    std::vector<std::string> found = cocoaperson::textsNotFitting(window);
    for (const std::string& overlap : cocoaperson::overlappingControls(window))
        found.push_back(overlap);
    for (const std::string& fault : found)
        std::fprintf(stderr, "plexmoor: %s: %s\n", name.c_str(), fault.c_str());
}

} // namespace

bool writeWindowPicture(Session& session, const std::string& name, const std::string& path,
                        std::string* error) {
    plxhost::Host& host = session.host();
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    Person person;
    std::string title;
    enum class Found { ByTitle, Alert, SavePanel, Session } found = Found::ByTitle;
    bool drawn = false;
    std::string drawError;
    auto draw = [&](NSWindow* window) {
        if (!window) return;
        tellLayout(name, window);
        drawn = cocoaperson::writePng(window, path, &drawError);
        if (!drawn && drawError.empty()) drawError = say("%1: cannot write the picture", {path});
    };
    person.onEvent([&](const ui::Event& event) {
        if (drawn) return;
        if (found == Found::Session) {
            // The progress window goes on by itself: drawn once its bar
            // shows the first page done.
            NSWindow* window = [NSApp modalWindow];
            if (event.kind == ui::EventKind::ProgressChanged && event.value > event.minimum &&
                window && !cocoaperson::isSavePanel(window))
                draw(window);
            return;
        }
        if (event.kind != ui::EventKind::Recorded || !event.record) return;
        if (event.record->kind != ui::RecordKind::Fallback) return;
        // A message box is the alert at hand, whatever its title reads
        // while it is being set up; the export panel is the save panel at
        // hand, titled with the command.
        NSWindow* modal = [NSApp modalWindow];
        if (found == Found::Alert) {
            if (cocoaperson::isAlert(modal)) draw(modal);
        } else if (found == Found::SavePanel) {
            if (cocoaperson::isSavePanel(modal)) draw(modal);
        } else if (event.record->window == title) {
            draw(cocoaperson::findWindow(title));
        }
    });
    bool opened = true;
    std::string openError;
    std::string scratch;
    if (named(name, "25053")) {
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
    } else if (named(name, "PlxPrefs")) {
        // The preferences panel in a window of its own, as it runs by itself.
        title = "Plexmoor";
        Class panel = NSClassFromString(@"PlxPrefsController");
        opened = panel && [panel respondsToSelector:@selector(runModal)];
        if (opened) [panel performSelector:@selector(runModal)];
    } else if (named(name, "About")) {
        found = Found::Alert;
        opened = choosePluginCommand(host, kAboutItem, &openError);
    } else if (named(name, "MSGBOX")) {
        // The message box the plug-in shows most often: the export panel's
        // refusal of a page range.
        found = Found::Alert;
        scratch = scratchFolder();
        opened = !scratch.empty() && openPictureLayout(host, scratch, &openError);
        if (opened) {
            ui::setScript({ui::Action::type(ui::WindowRef::current(), ui::ControlRef::byId(3), "zz"),
                           ui::Action::path(ui::WindowRef::current(), scratch + "/Catalog.eps")});
            opened = choosePluginCommand(host, kExportPagesItem, &openError);
        }
    } else if (named(name, "25051") || named(name, "PlxExport")) {
        found = Found::SavePanel;
        scratch = scratchFolder();
        opened = !scratch.empty() && openPictureLayout(host, scratch, &openError) &&
                 choosePluginCommand(host, kExportPagesItem, &openError);
    } else if (named(name, "Progress") || named(name, "PlxProgress")) {
        found = Found::Session;
        scratch = scratchFolder();
        opened = !scratch.empty() && openPictureLayout(host, scratch, &openError);
        if (opened) {
            // The export panel confirmed with the layout's pages into the
            // scratch folder; the run shows its progress window.
            ui::setScript({ui::Action::click(ui::WindowRef::current(), ui::ControlRef::byId(4)),
                           ui::Action::path(ui::WindowRef::current(), scratch + "/Catalog.eps")});
            opened = choosePluginCommand(host, kExportPagesItem, &openError);
        }
    } else {
        opened = false;
        openError = say("%1 is not drawn as PNG in this build yet (draw it as SVG)", {name});
    }
    ui::clearScript();
    [pool drain];
    if (!scratch.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(scratch, ignored);
    }
    if (drawn) return true;
    if (error)
        *error = !drawError.empty() ? drawError
                 : !openError.empty() ? openError
                 : opened ? say("%1 is not a Cocoa window in this build yet (draw it as SVG)", {name})
                          : say("the window %1 could not be opened", {name});
    return false;
}

} // namespace plxcli
