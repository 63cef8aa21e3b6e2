// plexmoor export PROJECT …: opens the project, makes the layout, page and
// box current, chooses "Save page(s) as EPS/PDF" (or the box command) from
// the plug-in's menu and fills the export dialog as a person would.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/commands.h"
#include "cli/plugin_menu.h"
#include "cli/ui_reporter.h"
#include "ui/ui.h"

namespace plxcli {

namespace {

enum { kExitPageFailed = 3 };

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') out += "\\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out + "\"";
}

bool has(const Arguments& args, const char* option) { return args.options.count(option) > 0; }

std::string value(const Arguments& args, const char* option) {
    auto it = args.options.find(option);
    return it == args.options.end() ? std::string() : it->second;
}

// The dialog filled in the order a person goes through it: the style, the
// check boxes, the offset, the pages, the path, then OK.
bool dialogScript(const Arguments& args, std::string* script, std::string* error) {
    std::string& s = *script;
    if (has(args, "--style")) s += "[@save] choose #9 " + quoted(value(args, "--style")) + "\n";
    if (has(args, "--base")) {
        std::string base = value(args, "--base");
        if (base != "layout" && base != "project") {
            *error = "--base is layout or project, not " + base;
            return false;
        }
        s += std::string("[@save] check #7 ") + (base == "layout" ? "on" : "off") + "\n";
    }
    if (has(args, "--frame") && has(args, "--no-frame")) {
        *error = "--frame and --no-frame exclude each other";
        return false;
    }
    if (has(args, "--frame")) s += "[@save] check #8 on\n";
    if (has(args, "--no-frame")) s += "[@save] check #8 off\n";
    if (has(args, "--absolute")) s += "[@save] check #5 on\n";
    if (has(args, "--offset")) {
        if (!has(args, "--absolute")) {
            *error = "--offset needs --absolute";
            return false;
        }
        s += "[@save] type #6 " + quoted(value(args, "--offset")) + "\n";
    }
    if (has(args, "--all") && has(args, "--pages")) {
        *error = "--all and --pages exclude each other";
        return false;
    }
    if (has(args, "--all")) s += "[@save] click #4\n";
    if (has(args, "--pages")) s += "[@save] type #3 " + quoted(value(args, "--pages")) + "\n";
    std::string to = value(args, "--to");
    if (!to.empty() && to.back() == '/') {
        // A folder alone: the name the dialog proposes stays.
        s += "[@save] type #1001 " + quoted(to) + "\n[@save] click #1\n";
    } else if (!to.empty()) {
        s += "[@save] path " + quoted(to) + "\n";
    } else {
        s += "[@save] click #1\n";
    }
    return true;
}

// Makes the layout, page and box current as a person would by clicking.
bool prepareLayout(plxhost::Host& host, const Arguments& args, std::string* error) {
    plxhost::Documents& docs = host.documents();
    if (has(args, "--layout")) {
        plxhost::Layout* l = docs.findLayout(value(args, "--layout"));
        if (!l) {
            *error = "the project has no layout named \"" + value(args, "--layout") + "\"";
            return false;
        }
        docs.bringToFront(l->docRef);
    }
    plxhost::Layout* front = docs.front();
    if (!front) {
        *error = "no layout is open";
        return false;
    }
    if (has(args, "--page")) {
        int page = std::atoi(value(args, "--page").c_str());
        if (page < 1 || page > front->numPages) {
            *error = "--page must be from 1 to " + std::to_string(front->numPages);
            return false;
        }
        front->currentPage = page;
    }
    if (has(args, "--box") && !value(args, "--box").empty()) {
        if (!docs.selectBox(front->docRef, std::atoi(value(args, "--box").c_str()))) {
            *error = "layout \"" + front->name + "\" has no box " + value(args, "--box");
            return false;
        }
    } else if (has(args, "--box") && !front->selectedBox) {
        *error = "no box is selected in layout \"" + front->name + "\"; give its id: --box ID";
        return false;
    }
    // Clicking a box shows the page it lies on.
    if (has(args, "--box") && !has(args, "--page")) front->currentPage = front->selectedBox->page;
    return true;
}

// Whether the export dialog closed with its OK.
bool dialogConfirmed(const std::string& title) {
    for (const ui::Record& r : ui::transcript())
        if (r.kind == ui::RecordKind::Closed && r.window == title) return r.result == 1;
    return false;
}

} // namespace

int runExport(const Arguments& args) {
    if (args.positional.size() != 1) return usageError("export takes one PROJECT file");
    std::string script, error;
    if (!dialogScript(args, &script, &error)) return usageError(error);
    std::vector<ui::Action> actions;
    if (!ui::parseScript(script, &actions, &error)) return usageError(error);

    Session session(sessionOptions(args));
    if (!session.start(&error)) return failure(error);
    plxhost::Host& host = session.host();
    int32_t proj = host.documents().openProject(args.positional[0], &error);
    if (proj == -1 || !prepareLayout(host, args, &error)) return failure(error);

    PluginCommand which = has(args, "--box") ? kExportBoxItem : kExportPagesItem;
    const plxhost::MenuItem* command = pluginCommand(host, which, &error);
    if (!command) return failure(error);
    // The export dialog bears the command's name, without its ellipsis.
    std::string title = command->text;
    const std::string ellipsis = "\xE2\x80\xA6";
    if (title.size() >= ellipsis.size() &&
        title.compare(title.size() - ellipsis.size(), ellipsis.size(), ellipsis) == 0)
        title.erase(title.size() - ellipsis.size());

    UiReporter reporter;
    ui::clearTranscript();
    ui::setScript(actions);
    size_t errorsBefore = host.errors().size();
    if (!choosePluginCommand(host, which, &error)) return failure(error);
    ui::clearScript();

    if (!dialogConfirmed(title)) return failure("the export was cancelled");
    for (const std::string& file : host.printEngine().writtenFiles()) std::printf("%s\n", file.c_str());
    int status = kExitOk;
    for (size_t i = errorsBefore; i < host.errors().size(); ++i) {
        std::fprintf(stderr, "plexmoor: %s\n", host.errors()[i].text.c_str());
        status = kExitPageFailed;
    }
    if (has(args, "--save") && host.documents().project(proj)->changed &&
        !host.documents().saveProject(proj, &error))
        return failure(error);
    return status;
}

} // namespace plxcli
