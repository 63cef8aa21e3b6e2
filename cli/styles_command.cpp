// plexmoor styles: every output style with its medium and the naming
// options the plug-in keeps in it, read the way a person reads them: the
// host's style editor is opened on each style and the plug-in's panel in
// it is looked at, then the editor is closed without saving.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "host/style_editor.h"
#include "ui/ui.h"

namespace plxcli {

namespace {

struct PanelView {
    bool seen = false;
    std::string base, separator, numbering, suffix;
    bool numberBeforeName = false, frame = false;
};

PanelView* gView = nullptr;

const ui::ControlInfo* findId(const ui::ControlInfo& node, int id) {
    if (node.id == id && node.kind != ui::Kind::Pane) return &node;
    for (const ui::ControlInfo& child : node.children)
        if (const ui::ControlInfo* found = findId(child, id)) return found;
    return nullptr;
}

// The plug-in's panel is the part of the editor that holds its naming
// controls (ids 2 to 10).
void readPanel(ui::Handle editor, PanelView* view) {
    ui::ControlInfo tree = ui::observe(editor);
    const ui::ControlInfo* base = findId(tree, 2);
    const ui::ControlInfo* separator = findId(tree, 4);
    const ui::ControlInfo* numbering = findId(tree, 6);
    const ui::ControlInfo* suffix = findId(tree, 8);
    const ui::ControlInfo* before = findId(tree, 9);
    const ui::ControlInfo* frame = findId(tree, 10);
    if (!base || !separator || !numbering || !suffix || !before || !frame) return;
    view->seen = true;
    view->base = base->text;
    view->separator = separator->text;
    view->numbering = numbering->text;
    view->suffix = suffix->text;
    view->numberBeforeName = before->value != 0;
    view->frame = frame->value != 0;
}

void observe(const ui::Event& event, void*) {
    if (event.kind != ui::EventKind::Recorded || !event.record || !gView) return;
    if (event.record->kind == ui::RecordKind::Opened && event.record->window == plxhost::kEditStyleTitle)
        readPanel(ui::currentModal(), gView);
}

const char* mediumName(uint32_t medium) {
    if (medium == kXTMediumEPS) return "EPS";
    if (medium == kXTMediumPDF) return "PDF";
    return "none";
}

} // namespace

int runStyles(const Arguments& args) {
    if (!args.positional.empty()) return usageError("styles takes no PROJECT");
    Session session(sessionOptions(args));
    std::string error;
    if (!session.start(&error)) return failure(error);
    plxhost::Host& host = session.host();

    std::vector<OutputStyleRef> styles = host.styles().styles();
    ui::setObserver(observe, nullptr);
    for (OutputStyleRef style : styles) {
        PanelView view;
        gView = &view;
        ui::clearScript(); // nothing to do in the editor: it is closed unsaved
        plxhost::editOutputStyle(host, style);
        gView = nullptr;
        std::printf("%s\n  medium: %s%s\n", style->name.c_str(), mediumName(style->medium),
                    host.styles().spreads(style) ? ", spreads" : "");
        if (!view.seen) continue;
        std::printf("  file name: [%s] + \"%s\" + [%s] + \"%s\"%s\n", view.base.c_str(),
                    view.separator.c_str(), view.numbering.c_str(), view.suffix.c_str(),
                    view.numberBeforeName ? ", page number before the name" : "");
        std::printf("  page frame: %s\n", view.frame ? "on" : "off");
    }
    ui::setObserver(nullptr, nullptr);
    return kExitOk;
}

} // namespace plxcli
