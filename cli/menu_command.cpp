// plexmoor menu [PROJECT] [--box [ID]]: the plug-in's submenu and its
// context-menu entry as a person sees them, each command enabled or not.
// plexmoor about: the plug-in's about box, through its menu.
#include <cstdio>
#include <string>

#include "cli/columns.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "cli/person.h"
#include "cli/plugin_menu.h"

namespace plxcli {

namespace {

void printMenu(const XTMenu_* menu) {
    constexpr size_t kTextColumns = 34;
    for (const plxhost::MenuItem& item : menu->items) {
        if (item.separator()) {
            std::printf("  ----\n");
            continue;
        }
        std::printf("  %s%s\n", padded(item.text, kTextColumns).c_str(),
                    item.enabled ? say("enabled").c_str() : say("disabled").c_str());
    }
}

// --box: the box ID of the front layout, or without an ID the layout's
// selected box, else the first box of its current page, else its first box.
bool selectBox(plxhost::Host& host, const std::string& id, std::string* error) {
    plxhost::Layout* layout = host.documents().front();
    if (!layout) {
        *error = say("--box needs a PROJECT");
        return false;
    }
    if (!id.empty()) {
        if (host.documents().selectBox(layout->docRef, std::stoi(id))) return true;
        *error = say("--box: layout \"%1\" has no box %2", {layout->name, id});
        return false;
    }
    if (layout->selectedBox) return true;
    const plxhost::Box* chosen = nullptr;
    for (const plxhost::Box& box : layout->boxes)
        if (!chosen || (box.page == layout->currentPage && chosen->page != layout->currentPage))
            chosen = &box;
    if (!chosen) {
        *error = say("layout \"%1\" has no box to select", {layout->name});
        return false;
    }
    return host.documents().selectBox(layout->docRef, chosen->id);
}

} // namespace

int runMenu(const Arguments& args) {
    if (args.positional.size() > 1) return usageError(say("menu takes at most one PROJECT file"));
    auto box = args.options.find("--box");
    if (box != args.options.end() && args.positional.empty())
        return usageError(say("--box needs a PROJECT"));
    if (box != args.options.end() && box->second.size() > 6)
        return usageError(say("--box takes a box number, not %1", {box->second}));

    Session session(sessionOptions(args));
    std::string error;
    if (!session.start(&error)) return failure(error);
    plxhost::Host& host = session.host();
    if (!args.positional.empty() && host.documents().openProject(args.positional[0], &error) == -1)
        return failure(error);
    if (box != args.options.end() && !selectBox(host, box->second, &error)) return failure(error);

    // The menus are looked at as they are when they open.
    host.menus().update();
    XTMenu_* submenu = pluginSubmenu(host, &error);
    if (!submenu) return failure(error);
    std::printf("Utilities > %s\n", submenu->title.c_str());
    printMenu(submenu);

    XTMenu_* context = contextMenuShown(host);
    if (!context) {
        std::printf("%s\n", say("Context menu: no layout open").c_str());
        return kExitOk;
    }
    std::printf("%s\n",
                say("Context menu of layout \"%1\"", {host.documents().front()->name}).c_str());
    printMenu(context);
    return kExitOk;
}

int runAbout(const Arguments& args) {
    if (!args.positional.empty()) return usageError(say("about takes no arguments"));
    Session session(sessionOptions(args));
    std::string error;
    if (!session.start(&error)) return failure(error);
    Person person;
    // The box is read, then closed with its button.
    person.answerMessage(1);
    person.act();
    if (!choosePluginCommand(session.host(), kAboutItem, &error)) return failure(error);
    return kExitOk;
}

} // namespace plxcli
