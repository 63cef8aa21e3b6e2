// plexmoor export PROJECT …: opens the project, makes the layout, page and
// box current, chooses "Save page(s) as EPS/PDF" (or the box command) from
// the plug-in's menu and fills the export dialog as a person would. What
// can be known wrong before the dialog opens is refused with exit 2.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/export_target.h"
#include "cli/export_watch.h"
#include "cli/messages.h"
#include "cli/person.h"
#include "cli/plugin_menu.h"
#include "cli/style_names.h"
#include "host/font_encoding.h"
#include "ui/ui.h"

namespace plxcli {

namespace {

enum { kExitPageFailed = 3, kExitInterrupted = 130 };

// The export panel's controls.
enum { kPagesField = 3, kAllButton = 4, kAbsoluteBox = 5, kOffsetField = 6, kBaseBox = 7,
       kFrameBox = 8, kStyleList = 9 };

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

bool isWholeNumber(const std::string& text, bool sign) {
    size_t start = sign && !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    if (text.size() <= start || text.size() - start > 9) return false;
    return text.find_first_not_of("0123456789", start) == std::string::npos;
}

// The options alone, before anything is opened.
bool checkOptions(const Arguments& args, std::string* error) {
    if (has(args, "--base") && value(args, "--base") != "layout" &&
        value(args, "--base") != "project") {
        *error = say("--base is layout or project, not %1", {value(args, "--base")});
        return false;
    }
    if (has(args, "--frame") && has(args, "--no-frame")) {
        *error = say("--frame and --no-frame exclude each other");
        return false;
    }
    if (has(args, "--offset")) {
        if (!has(args, "--absolute")) {
            *error = say("--offset needs --absolute");
            return false;
        }
        if (!isWholeNumber(value(args, "--offset"), true)) {
            *error = say("--offset takes a whole number, not %1", {value(args, "--offset")});
            return false;
        }
    }
    if (has(args, "--all") && has(args, "--pages")) {
        *error = say("--all and --pages exclude each other");
        return false;
    }
    if (has(args, "--box")) {
        for (const char* pageOption : {"--pages", "--all", "--absolute", "--offset"})
            if (has(args, pageOption)) {
                *error = say("--box exports one box: %1 is for pages", {pageOption});
                return false;
            }
    }
    if (has(args, "--page") && !isWholeNumber(value(args, "--page"), false)) {
        *error = say("--page takes a page number, not %1", {value(args, "--page")});
        return false;
    }
    return true;
}

std::string nameList(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "\"" : ", \"") + n + "\"";
    return out;
}

// --style among the styles the dialog offers, and its medium against the
// extension of --to.
bool checkStyle(plxhost::Host& host, const Arguments& args, const ExportTarget& target,
                std::string* error) {
    if (!has(args, "--style")) return true;
    std::string wanted = value(args, "--style");
    std::vector<std::string> names;
    OutputStyleRef chosen = nullptr;
    for (OutputStyleRef style : offeredStyles(host)) {
        names.push_back(style->name);
        if (style->name == wanted) chosen = style;
    }
    if (!chosen) {
        *error = say("--style: the export dialog offers no style \"%1\"; it offers %2",
                     {wanted, nameList(names)});
        std::string near = closestName(wanted, names);
        if (!near.empty()) *error += "\n" + say("Did you mean \"%1\"?", {near});
        return false;
    }
    uint32_t medium = mediumOfExtension(target.name);
    if (medium != kXTMediumNone && medium != chosen->medium) {
        *error = say("--style \"%1\" writes %2 files, but --to names a %3 file",
                     {wanted, mediumName(chosen->medium), mediumName(medium)});
        return false;
    }
    return true;
}

// Makes the layout, page and box current as a person would by clicking.
bool prepareLayout(plxhost::Host& host, const Arguments& args, std::string* error) {
    plxhost::Documents& docs = host.documents();
    if (has(args, "--layout")) {
        plxhost::Layout* l = docs.findLayout(value(args, "--layout"));
        if (!l) {
            std::vector<std::string> names;
            for (const auto& p : docs.projects())
                for (const auto& layout : p->layouts) names.push_back(layout->name);
            *error = say("--layout: the project has no layout \"%1\"; it has %2",
                         {value(args, "--layout"), nameList(names)});
            return false;
        }
        docs.bringToFront(l->docRef);
    }
    plxhost::Layout* front = docs.front();
    if (!front) {
        *error = say("the project has no layout");
        return false;
    }
    if (has(args, "--page")) {
        int page = std::stoi(value(args, "--page"));
        if (page < 1 || page > front->numPages) {
            *error = say("--page: layout \"%1\" has the pages 1 to %2",
                         {front->name, std::to_string(front->numPages)});
            return false;
        }
        front->currentPage = page;
    }
    if (has(args, "--box") && !value(args, "--box").empty()) {
        std::string id = value(args, "--box");
        if (id.size() > 9 || !docs.selectBox(front->docRef, std::stoi(id))) {
            *error = say("--box: layout \"%1\" has no box %2", {front->name, id});
            return false;
        }
    } else if (has(args, "--box") && !front->selectedBox) {
        *error = say("--box: no box is selected in layout \"%1\"; give its id: --box ID",
                     {front->name});
        return false;
    }
    // Clicking a box shows the page it lies on.
    if (has(args, "--box") && !has(args, "--page")) front->currentPage = front->selectedBox->page;
    return true;
}

// The dialog filled in the order a person goes through it: the style, the
// check boxes, the offset, the pages, the path, then OK. `style` empty:
// the style the dialog shows stays.
std::string dialogScript(const Arguments& args, const std::string& style,
                         const ExportTarget& target) {
    std::string s;
    auto line = [&s](const std::string& action) { s += "[@save] " + action + "\n"; };
    if (!style.empty()) line("choose #" + std::to_string(kStyleList) + " " + quoted(style));
    if (has(args, "--base"))
        line("check #" + std::to_string(kBaseBox) +
             (value(args, "--base") == "layout" ? " on" : " off"));
    if (has(args, "--frame")) line("check #" + std::to_string(kFrameBox) + " on");
    if (has(args, "--no-frame")) line("check #" + std::to_string(kFrameBox) + " off");
    if (has(args, "--absolute")) line("check #" + std::to_string(kAbsoluteBox) + " on");
    if (has(args, "--offset"))
        line("type #" + std::to_string(kOffsetField) + " " + quoted(value(args, "--offset")));
    if (has(args, "--all")) line("click #" + std::to_string(kAllButton));
    if (has(args, "--pages"))
        line("type #" + std::to_string(kPagesField) + " " + quoted(value(args, "--pages")));
    if (target.folder.empty()) {
        line("click #1");
    } else if (target.name.empty()) {
        // A folder alone: the name the dialog proposes stays.
        line("type #" + std::to_string(ui::kSaveFolderId) + " " + quoted(target.folder));
        line("click #1");
    } else {
        line("path " + quoted(target.folder + (target.folder == "/" ? "" : "/") + target.name));
    }
    return s;
}

// The style the extension of --to asks for, when --style does not say:
// the one the dialog shows when it is of that medium, else the host's
// default style of the medium. Empty: leave the dialog's choice.
std::string styleForExtension(plxhost::Host& host, const ExportTarget& target,
                              const std::string& shown) {
    uint32_t medium = mediumOfExtension(target.name);
    if (medium == kXTMediumNone) return std::string();
    OutputStyleRef style = host.styles().find(shown);
    if (!style || style->medium != medium) style = host.styles().defaultStyle(medium);
    return style ? style->name : std::string();
}

// The labels of a layout's pages, the first and last of each section.
std::string pageLabelsHint(const plxhost::Layout& layout) {
    std::string ranges;
    for (size_t i = 0; i < layout.sections.size() || (i == 0 && layout.sections.empty()); ++i) {
        int first = layout.sections.empty() ? 1 : layout.sections[i].firstPage;
        int last = i + 1 < layout.sections.size() ? layout.sections[i + 1].firstPage - 1
                                                  : layout.numPages;
        if (first > last) continue;
        std::string range = plxhost::pageLabel(layout, first);
        if (last > first) range += "-" + plxhost::pageLabel(layout, last);
        ranges += (ranges.empty() ? "" : ", ") + range;
    }
    return say("plexmoor: the pages of layout \"%1\" are labelled %2; with --absolute they are 1-%3",
               {layout.name, ranges, std::to_string(layout.numPages)});
}

// Whether the export dialog closed with its OK.
bool dialogConfirmed(const Person& person, const std::string& title) {
    const Person::Seen* seen = person.last(title);
    return seen && seen->result == 1;
}

} // namespace

int runExport(const Arguments& args) {
    if (args.positional.size() != 1) return usageError(say("export takes one PROJECT file"));
    std::string error;
    if (!checkOptions(args, &error)) return usageError(error);
    ExportTarget target;
    if (has(args, "--to") && !resolveTarget(value(args, "--to"), &target, &error))
        return usageError(error);

    Session session(sessionOptions(args));
    if (!session.start(&error)) return failure(error);
    plxhost::Host& host = session.host();
    // A run of pages reads no file it has output before the run ends, so
    // its PDF jobs may overlap in two Ghostscript processes. A box is one
    // job, whose PDF the macOS run rewrites (its trim box) as soon as the
    // job returns: that job keeps the file-on-return promise.
    if (!has(args, "--box"))
        host.printEngine().options().ghostscriptProcesses =
            plxhost::defaultGhostscriptProcesses();
    // What the host says from here on (a styles file set aside while the
    // styles are looked at, say) is told with the run.
    size_t firstMessage = host.errors().size();
    int32_t proj = host.documents().openProject(args.positional[0], &error);
    if (proj == -1) return failure(error);
    if (!prepareLayout(host, args, &error) || !checkStyle(host, args, target, &error))
        return usageError(error);

    PluginCommand which = has(args, "--box") ? kExportBoxItem : kExportPagesItem;
    const plxhost::MenuItem* command = pluginCommand(host, which, &error);
    if (!command) return failure(error);
    // The export dialog bears the command's name, without its ellipsis.
    std::string title = command->text;
    const std::string ellipsis = "\xE2\x80\xA6";
    if (title.size() >= ellipsis.size() &&
        title.compare(title.size() - ellipsis.size(), ellipsis.size(), ellipsis) == 0)
        title.erase(title.size() - ellipsis.size());

    Person person;
    ExportWatch watch(host, person, has(args, "--absolute"), firstMessage);
    std::string scriptError;
    person.onEvent([&](const ui::Event& event) {
        if (event.kind == ui::EventKind::ProgressChanged) {
            watch.update();
            return;
        }
        if (event.kind != ui::EventKind::Recorded || !event.record) return;
        if (event.record->kind == ui::RecordKind::Closed) watch.update();
        if (event.record->kind != ui::RecordKind::Opened || event.record->window != title)
            return;
        // The dialog is filled once it shows what it proposes.
        const Person::Seen* seen = person.last(title);
        std::string style = value(args, "--style");
        if (style.empty() && seen) {
            std::string shown = controlIn(seen->opened, kStyleList).text;
            style = styleForExtension(host, target, shown);
            if (!style.empty())
                person.printLine(stderr, say("plexmoor: output style \"%1\" (for the .%2 of --to)",
                                             {style, mediumOfExtension(target.name) == kXTMediumEPS
                                                         ? "eps"
                                                         : "pdf"}));
        }
        std::vector<ui::Action> actions;
        if (!ui::parseScript(dialogScript(args, style, target), &actions, &scriptError)) return;
        ui::setScript(actions);
    });
    if (!choosePluginCommand(host, which, &error)) return failure(error);
    ui::clearScript();
    if (!scriptError.empty()) return failure(scriptError);

    if (!dialogConfirmed(person, title)) {
        // The dialog told why in its message box; nobody pressed Cancel.
        if (person.messageBoxes() == 0) {
            std::string trouble = person.trouble();
            return failure(say("the export dialog did not take the options") +
                           (trouble.empty() ? std::string() : "\n" + trouble));
        }
        if (has(args, "--pages") || has(args, "--all") || has(args, "--offset"))
            person.printLine(stderr, pageLabelsHint(*host.documents().front()));
        return kExitFailed;
    }
    watch.finish();
    if (!host.printEngine().undrawnCharacters().empty())
        person.printLine(stderr, say("plexmoor: the host's font cannot draw %1; each is shown as a box",
                                     {plxhost::undrawnList(host.printEngine().undrawnCharacters())}));
    int status = kExitOk;
    if (watch.pagesNotWritten() > 0) status = kExitPageFailed;
    if (watch.interrupted()) status = kExitInterrupted;
    if (has(args, "--save") && host.documents().project(proj)->changed &&
        !host.documents().saveProject(proj, &error))
        return failure(error);
    return status;
}

} // namespace plxcli
