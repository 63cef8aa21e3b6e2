// plexmoor styles: every output style with its medium and the naming
// options the plug-in keeps in it, read the way a person reads them: the
// host's style editor is opened on each style and the plug-in's panel in
// it is looked at, then the editor is closed without saving.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/person.h"
#include "cli/style_names.h"
#include "host/style_editor.h"
#include "host/window_watch.h"
#include "ui/ui.h"

namespace plxcli {

namespace {

struct PanelView {
    bool seen = false;
    std::string base, separator, numbering, suffix;
    bool numberBeforeName = false, frame = false;
};

// The plug-in's panel is the part of the editor that holds its naming
// controls (ids 2 to 10), as the editor showed them when it opened.
PanelView readPanel(const ui::ControlInfo& editor) {
    PanelView view;
    ui::ControlInfo base = plxhost::controlIn(editor, 2);
    ui::ControlInfo separator = plxhost::controlIn(editor, 4);
    ui::ControlInfo numbering = plxhost::controlIn(editor, 6);
    ui::ControlInfo suffix = plxhost::controlIn(editor, 8);
    ui::ControlInfo before = plxhost::controlIn(editor, 9);
    ui::ControlInfo frame = plxhost::controlIn(editor, 10);
    for (const ui::ControlInfo* c : {&base, &separator, &numbering, &suffix, &before, &frame})
        if (!c->handle) return view;
    view.seen = true;
    view.base = base.text;
    view.separator = separator.text;
    view.numbering = numbering.text;
    view.suffix = suffix.text;
    view.numberBeforeName = before.value != 0;
    view.frame = frame.value != 0;
    return view;
}

} // namespace

int runStyles(const Arguments& args) {
    if (!args.positional.empty()) return usageError(say("styles takes no PROJECT"));
    Session session(sessionOptions(args));
    std::string error;
    if (!session.start(&error)) return failure(error);
    plxhost::Host& host = session.host();

    std::vector<OutputStyleRef> styles = host.styles().styles();
    // What the host told the user on the way, such as a styles file it
    // could not read and set aside.
    for (const plxhost::HostError& e : host.errors()) std::fprintf(stderr, "plexmoor: %s\n", e.text.c_str());
    // Nobody edits, but a person is there to close the editor each time
    // (where the editor is a window with a loop of its own, nothing else
    // would).
    Person person;
    plxhost::WindowWatch watch;
    for (OutputStyleRef style : styles) {
        ui::clearScript(); // nothing to do in the editor: it is closed unsaved
        size_t before = watch.seen().size();
        plxhost::editOutputStyle(host, style);
        const plxhost::WindowWatch::Seen* editor = watch.last(plxhost::kEditStyleTitle);
        bool opened = watch.seen().size() > before && editor;
        PanelView view = opened ? readPanel(editor->opened) : PanelView();
        std::string medium = style->medium == kXTMediumNone ? say("none") : mediumName(style->medium);
        std::printf("%s\n  %s %s%s\n", style->name.c_str(), say("medium:").c_str(), medium.c_str(),
                    host.styles().spreads(style) ? say(", spreads").c_str() : "");
        if (!view.seen) continue;
        std::printf("  %s [%s] + \"%s\" + [%s] + \"%s\"%s\n", say("file name:").c_str(),
                    view.base.c_str(), view.separator.c_str(), view.numbering.c_str(),
                    view.suffix.c_str(),
                    view.numberBeforeName ? say(", page number before the name").c_str() : "");
        std::printf("  %s %s\n", say("page frame:").c_str(), onOff(view.frame).c_str());
    }
    return kExitOk;
}

} // namespace plxcli
