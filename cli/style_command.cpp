// plexmoor style NAME [--medium eps|pdf] [--spreads on|off] [--base project|layout]
//                [--separator S] [--numbering x|0x|00x|000x|none] [--suffix S]
//                [--number-before-name on|off] [--frame on|off] [--cancel]
// An output style's naming options as a person edits them: Edit > Output
// Styles…, the style made with New when --medium is given and it does not
// exist yet, Edit… on it, the host's spreads option on the editor's own
// page, the rest in the plug-in's panel, then Save (or Cancel). The options
// are printed as a second look into the editor shows them afterwards.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/person.h"
#include "host/menus.h"
#include "host/panel_window.h"
#include "host/style_editor.h"

namespace plxcli {

namespace {

using plxhost::kEditStyleTitle;
using plxhost::kOutputStylesTitle;

// The plug-in's panel: its tab title and the ids of template 25052.
constexpr const char* kPanelTab = "Plexmoor";
enum PanelControl {
    kLabel = 1,
    kBase = 2,
    kSeparator = 4,
    kNumbering = 6,
    kSuffix = 8,
    kNumberFirst = 9,
    kFrame = 10
};

const char* const kBases[] = {"project", "layout"};
const char* const kNumberings[] = {"x", "0x", "00x", "000x", "none"};

// The 1-based place of `value` among `names`, 0 when it is none of them.
template <size_t N> int placeOf(const std::string& value, const char* const (&names)[N]) {
    for (size_t i = 0; i < N; ++i)
        if (value == names[i]) return static_cast<int>(i) + 1;
    return 0;
}

struct StyleEdit {
    std::string name;
    uint32_t medium = 0; // 0: not given
    int spreads = -1;    // -1 not given, else 0/1
    int base = 0;        // 1-based entry, 0 not given
    int numbering = 0;
    bool hasSeparator = false, hasSuffix = false;
    std::string separator, suffix;
    int numberFirst = -1, frame = -1;
    bool cancel = false;
    bool touchesPanel() const {
        return base || numbering || hasSeparator || hasSuffix || numberFirst >= 0 || frame >= 0;
    }
};

// Reads the options; a usage error's text into *error.
bool readOptions(const Arguments& args, StyleEdit* e, std::string* error) {
    auto value = [&args](const char* name, std::string* out) {
        auto it = args.options.find(name);
        if (it == args.options.end()) return false;
        *out = it->second;
        return true;
    };
    auto onOffOption = [&](const char* name, int* out) {
        std::string v;
        bool on = false;
        if (!value(name, &v)) return true;
        if (!parseOnOff(v, &on)) {
            *error = say("%1 is on or off, not %2", {name, v});
            return false;
        }
        *out = on ? 1 : 0;
        return true;
    };
    std::string v;
    if (value("--medium", &v)) {
        e->medium = v == "eps" ? kXTMediumEPS : v == "pdf" ? kXTMediumPDF : 0;
        if (!e->medium) {
            *error = say("--medium is eps or pdf, not %1", {v});
            return false;
        }
    }
    if (value("--base", &v) && !(e->base = placeOf(v, kBases))) {
        *error = say("--base is project or layout, not %1", {v});
        return false;
    }
    if (value("--numbering", &v) && !(e->numbering = placeOf(v, kNumberings))) {
        *error = say("--numbering is x, 0x, 00x, 000x or none, not %1", {v});
        return false;
    }
    e->hasSeparator = value("--separator", &e->separator);
    e->hasSuffix = value("--suffix", &e->suffix);
    e->cancel = args.options.count("--cancel") != 0;
    return onOffOption("--spreads", &e->spreads) &&
           onOffOption("--number-before-name", &e->numberFirst) &&
           onOffOption("--frame", &e->frame);
}

// Makes the style with New in the list of styles. The host tells in a box
// what it refuses (a name in use, too long, with control characters).
bool createStyle(plxhost::Host& host, Person& person, const StyleEdit& e) {
    person.type(kOutputStylesTitle, plxhost::kStylesNameId, e.name);
    person.chooseText(kOutputStylesTitle, plxhost::kStylesMediumId,
                      e.medium == kXTMediumEPS ? "EPS" : "PDF");
    person.click(kOutputStylesTitle, plxhost::kStylesNewId);
    person.answerMessage(1);
    person.clickTitled(kOutputStylesTitle, "Done");
    person.act();
    host.menus().choose(plxhost::kCmdOutputStyles);
    ui::clearScript();
    return host.styles().find(e.name) != nullptr;
}

// The person's work in the two windows, from the list to Save or Cancel.
void scriptEdit(Person& person, const StyleEdit& e, bool panel) {
    person.chooseText(kOutputStylesTitle, plxhost::kStylesListId, e.name);
    person.click(kOutputStylesTitle, plxhost::kStylesEditId);
    if (e.spreads >= 0) person.check(kEditStyleTitle, plxhost::kStyleSpreadsId, e.spreads == 1);
    if (panel) {
        person.chooseText(kEditStyleTitle, plxhost::PanelWindow::kTabsId, kPanelTab);
        if (e.base) person.choose(kEditStyleTitle, kBase, e.base);
        if (e.hasSeparator) person.type(kEditStyleTitle, kSeparator, e.separator);
        if (e.numbering) person.choose(kEditStyleTitle, kNumbering, e.numbering);
        if (e.hasSuffix) person.type(kEditStyleTitle, kSuffix, e.suffix);
        if (e.numberFirst >= 0) person.check(kEditStyleTitle, kNumberFirst, e.numberFirst == 1);
        if (e.frame >= 0) person.check(kEditStyleTitle, kFrame, e.frame == 1);
    }
    person.clickTitled(kEditStyleTitle, e.cancel ? "Cancel" : "Save");
    person.clickTitled(kOutputStylesTitle, "Done");
}

void printStyle(const StyleEdit& e, const ui::ControlInfo& editor, OutputStyleRef style,
                bool saved) {
    std::string medium = style->medium == kXTMediumEPS   ? std::string("EPS")
                         : style->medium == kXTMediumPDF ? std::string("PDF")
                                                         : say("no medium");
    std::printf("%s\n", say(saved ? "Output style \"%1\" (%2): saved"
                                  : "Output style \"%1\" (%2): not saved",
                             {e.name, medium})
                             .c_str());
    ui::ControlInfo spreads = controlIn(editor, plxhost::kStyleSpreadsId);
    if (spreads.handle) std::printf("  %s: %s\n", spreads.text.c_str(), onOff(spreads.value).c_str());
    if (!controlIn(editor, kBase).handle) {
        std::printf("  %s\n", say("no %1 panel", {kPanelTab}).c_str());
        return;
    }
    std::printf("  %s %s + \"%s\" + %s + \"%s\"\n", controlIn(editor, kLabel).text.c_str(),
                controlIn(editor, kBase).text.c_str(), controlIn(editor, kSeparator).text.c_str(),
                controlIn(editor, kNumbering).text.c_str(),
                controlIn(editor, kSuffix).text.c_str());
    for (int id : {kNumberFirst, kFrame}) {
        ui::ControlInfo box = controlIn(editor, id);
        std::printf("  %s: %s\n", box.text.c_str(), onOff(box.value).c_str());
    }
}

// The second look: the style opened again and left with Cancel.
const Person::Seen* lookAgain(plxhost::Host& host, Person& person, const StyleEdit& e) {
    person.chooseText(kOutputStylesTitle, plxhost::kStylesListId, e.name);
    person.click(kOutputStylesTitle, plxhost::kStylesEditId);
    person.clickTitled(kEditStyleTitle, "Cancel");
    person.clickTitled(kOutputStylesTitle, "Done");
    person.act();
    host.menus().choose(plxhost::kCmdOutputStyles);
    return person.last(kEditStyleTitle);
}

} // namespace

int runStyle(const Arguments& args) {
    if (args.positional.size() != 1) return usageError(say("style needs one NAME"));
    StyleEdit e;
    e.name = args.positional[0];
    std::string error;
    if (!readOptions(args, &e, &error)) return usageError(error);

    Session session(sessionOptions(args));
    if (!session.start(&error)) return failure(error);
    plxhost::Host& host = session.host();
    OutputStyleRef style = host.styles().find(e.name);
    bool create = !style;
    if (create && !e.medium)
        return failure(say("there is no output style \"%1\" (--medium makes one)", {e.name}));
    if (style && e.medium && style->medium != e.medium)
        return failure(say("the output style \"%1\" exists with another medium", {e.name}));
    uint32_t medium = style ? style->medium : e.medium;
    bool panel = medium == kXTMediumEPS || medium == kXTMediumPDF;
    if (e.touchesPanel() && !panel)
        return failure(say("the output style \"%1\" is neither EPS nor PDF: it has no %2 panel",
                           {e.name, kPanelTab}));

    Person person;
    // Made first, on its own: a style that could not be made must not leave
    // the list's first style to be edited in its place.
    if (create && !createStyle(host, person, e))
        return failure(say("the output style \"%1\" could not be made", {e.name}));
    scriptEdit(person, e, panel);
    person.act();
    host.menus().choose(plxhost::kCmdOutputStyles);
    std::string trouble = person.trouble();
    style = host.styles().find(e.name);
    if (!trouble.empty() || !style) return failure(say("the style could not be edited:") + "\n" + trouble);
    const Person::Seen* edited = person.last(kEditStyleTitle);
    bool saved = edited && edited->result == 1;
    // The host tells when its styles file cannot be written.
    for (const plxhost::HostError& shown : host.errors())
        std::fprintf(stderr, "Plexhost: %s\n", shown.text.c_str());
    if (!host.errors().empty())
        return failure(say("the host could not keep its output styles as they were edited"));

    const Person::Seen* shown = lookAgain(host, person, e);
    if (!shown) return failure(say("the output-style editor did not open again"));
    printStyle(e, shown->opened, style, saved);
    return kExitOk;
}

} // namespace plxcli
