// The export dialog of Plexmoor.xnt itself — the system's save dialog with
// the panel of template 25051 — loaded by a stand-in host and worked by the
// runner from scripts, as plexmoor.exe works it.
#include "tests/win32/export_dialog_check.h"

#include "host/host.h"
#include "ui/platform/win/win32_runner.h"
#include "ui/ui.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int sFailures = 0;

void check(bool ok, const std::string& what) {
    if (ok) return;
    ++sFailures;
    std::printf("FAILED: export dialog: %s\n", what.c_str());
}

struct Seen {
    ui::ControlInfo opened, closed;
    int result = 0;
    std::vector<std::string> boxes;
};

void observe(const ui::Event& event, void* user) {
    auto* seen = static_cast<Seen*>(user);
    if (!event.record) return;
    const ui::Record& r = *event.record;
    if (r.kind == ui::RecordKind::MessageBox) seen->boxes.push_back(r.text);
    if (!event.window || event.window->kind != ui::Kind::SaveDialog) return;
    if (r.kind == ui::RecordKind::Opened) seen->opened = *event.window;
    if (r.kind == ui::RecordKind::Closed) {
        seen->closed = *event.window;
        seen->result = r.result;
    }
}

const ui::ControlInfo* find(const ui::ControlInfo& root, int id) {
    for (const ui::ControlInfo& child : root.children) {
        if (child.id == id) return &child;
        if (const ui::ControlInfo* inner = find(child, id)) return inner;
    }
    return nullptr;
}

// The pane the panel's controls live in.
const ui::ControlInfo* panelOf(const ui::ControlInfo& root) {
    for (const ui::ControlInfo& child : root.children) {
        if (child.kind == ui::Kind::Pane && find(child, 9)) return &child;
        if (const ui::ControlInfo* inner = panelOf(child)) return inner;
    }
    return nullptr;
}

std::string besideProgram(const wchar_t* relative) {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    folder.resize(folder.find_last_of(L"\\/") + 1);
    std::wstring whole = folder + relative;
    char out[MAX_PATH * 3];
    int m = WideCharToMultiByte(CP_UTF8, 0, whole.c_str(), -1, out, sizeof out, nullptr, nullptr);
    return m > 0 ? std::string(out) : std::string();
}

int16_t pluginCommand(plxhost::Host& host, size_t which) {
    XTMenu_* utilities = host.menus().menuTitled("Utilities");
    if (!utilities) return 0;
    for (const plxhost::MenuItem& item : utilities->items) {
        if (!item.submenu || item.text != "Plexmoor") continue;
        std::vector<int16_t> commands;
        for (const plxhost::MenuItem& inner : item.submenu->items)
            if (!inner.separator()) commands.push_back(inner.command);
        return which < commands.size() ? commands[which] : 0;
    }
    return 0;
}

// Runs the command with the script and tells what the dialog showed.
Seen run(plxhost::Host& host, size_t which, const char* text) {
    Seen seen;
    ui::setObserver(observe, &seen);
    std::vector<ui::Action> actions;
    std::string error;
    check(ui::parseScript(text, &actions, &error), "the script reads: " + error);
    ui::setScript(actions);
    check(host.menus().choose(pluginCommand(host, which)), "the command can be chosen");
    ui::clearScript();
    ui::setObserver(nullptr);
    return seen;
}

void checkDialog(plxhost::Host& host) {
    // Opened as the export command proposes, centred, told to the host;
    // the separator entry chosen selects the first style.
    size_t told = host.pluginDialogs().size();
    Seen seen = run(host, 0, "[@save] choose #9 \"-\"\n[@save] click #2\n");
    check(seen.result == 2, "Cancel ends the dialog with 2");
    check(host.pluginDialogs().size() == told + 1, "the host is told of the dialog once");
    const ui::ControlInfo* panel = panelOf(seen.opened);
    check(panel != nullptr, "the panel is inside the save dialog");
    const ui::ControlInfo* absolute = panel ? find(*panel, 5) : nullptr;
    const ui::ControlInfo* all = panel ? find(*panel, 4) : nullptr;
    if (absolute && all) {
        // Rectangles in the panel's coordinates, the panel's in the dialog's
        // client area, which is the dialog's own rectangle here.
        int left = panel->rect.x + absolute->rect.x;
        int right = seen.opened.rect.w - (panel->rect.x + all->rect.x + all->rect.w);
        check(left - right >= -2 && left - right <= 2,
              "the rows are centred: " + std::to_string(left) + " px left, " +
                  std::to_string(right) + " px right");
    }
    const ui::ControlInfo* pages = find(seen.opened, 3);
    check(pages && pages->text == "1" && pages->enabled, "the page field proposes the current page");
    const ui::ControlInfo* styles = find(seen.closed, 9);
    check(styles && styles->text == "Default EPS", "the separator entry selects the first style");

    // An invalid range keeps the dialog open with its message.
    seen = run(host, 0, "[@save] type #3 \"zz\"\n[@save] click #1\n[@message] answer 1\n"
                        "[@save] click #2\n");
    check(seen.boxes.size() == 1 && seen.boxes[0] == "Invalid page range!",
          "an invalid range is told in a box");
    check(seen.result == 2, "the dialog stays open after the box until cancelled");

    // A box: only the file part, the base name, the styles and Edit work.
    seen = run(host, 1, "[@save] click #2\n");
    for (int id : {3, 4, 5, 6, 8}) {
        const ui::ControlInfo* c = find(seen.opened, id);
        check(c && !c->enabled, "a box export disables control " + std::to_string(id));
    }
    for (int id : {7, 9, 10}) {
        const ui::ControlInfo* c = find(seen.opened, id);
        check(c && c->enabled, "a box export leaves control " + std::to_string(id) + " usable");
    }
}

} // namespace

int checkExportDialog() {
    plxhost::Host host;
    host.openMainWindow();
    std::string error;
    std::string plugin = besideProgram(L"..\\lib\\Plexmoor.xnt");
    check(host.loadPlugin(plugin, &error) == 0, "Plexmoor.xnt loads: " + error);
    host.sendLanguage(0);
    int32_t project =
        host.documents().openProject(std::string(PLX_SOURCE_DIR) + "/examples/Catalog.proj", &error);
    check(project != -1, "the example opens: " + error);
    plxhost::Layout* front = host.documents().front();
    if (front && !front->selectedBox && !front->boxes.empty())
        host.documents().selectBox(front->docRef, front->boxes[0]->id);
    if (project == -1 || sFailures) return sFailures;

    check(win32person::startRunner(), "the runner starts");
    checkDialog(host);
    win32person::stopRunner();
    return sFailures;
}
