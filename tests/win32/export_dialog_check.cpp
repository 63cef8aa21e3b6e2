// The export dialog of Plexmoor.xnt itself — the system's save dialog with
// the panel of template 25051 — loaded by a stand-in host and worked by the
// runner from scripts, as plexmoor.exe works it.
#include "tests/win32/export_dialog_check.h"

#include "host/host.h"
#include "tests/win32/text_fit.h"
#include "ui/platform/win/win32_person.h"
#include "ui/platform/win/win32_picture.h"
#include "ui/platform/win/win32_runner.h"
#include "ui/ui.h"

#include <windows.h>

#include <cstdio>
#include <filesystem>
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
    std::vector<std::string> records;
    // Where a picture of the save dialog goes as it opens (none: empty).
    std::string picture;
};

// The shown save dialog of this thread: its file-name field tells it.
HWND shownSaveDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM out) -> BOOL {
            if (!IsWindowVisible(w) || !win32person::findControl(w, 0x47c)) return TRUE;
            *reinterpret_cast<HWND*>(out) = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The save dialog as a person sees it, with the panel: its picture, and
// what would be wrong in the panel. The dialog's own controls are the
// system's, laid out by it (Wine's "Look in" label reaches under its
// list, for one).
void lookAtSaveDialog(const std::string& path) {
    HWND dialog = shownSaveDialog();
    check(dialog != nullptr, "the save dialog is on the screen as it opens");
    if (!dialog) return;
    HWND styles = win32person::findControl(dialog, 9);
    HWND panel = styles ? GetParent(styles) : nullptr;
    std::string name = std::filesystem::path(path).stem().string();
    check(panel != nullptr, name + ": the panel is inside the save dialog");
    check(win32picture::writePng(dialog, path), "a picture of " + name);
    if (!panel) return;
    for (const std::string& line : textsNotFitting(panel, name)) check(false, line);
    for (const std::string& line : overlappingControls(panel, name)) check(false, line);
}

void observe(const ui::Event& event, void* user) {
    auto* seen = static_cast<Seen*>(user);
    if (!event.record) return;
    const ui::Record& r = *event.record;
    seen->records.push_back(ui::formatRecord(r));
    if (r.kind == ui::RecordKind::MessageBox) seen->boxes.push_back(r.text);
    if (!event.window || event.window->kind != ui::Kind::SaveDialog) return;
    if (r.kind == ui::RecordKind::Opened && !seen->picture.empty()) {
        lookAtSaveDialog(seen->picture);
        seen->picture.clear();
    }
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

// Runs the command with the script and tells what the dialog showed; with
// `picture`, a picture of the save dialog is taken there as it opens.
Seen run(plxhost::Host& host, size_t which, const std::string& text,
         const std::string& picture = std::string()) {
    Seen seen;
    seen.picture = picture;
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

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

// The files in the folder, by name.
std::vector<std::string> filesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    return names;
}

// A path in the folder as the script writes it ("\\" escapes there).
std::string scripted(const std::filesystem::path& folder, const std::string& name) {
    std::string escaped;
    for (char c : (folder / name).string()) {
        if (c == '\\') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

void clearFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder, error);
}

// Whole exports through the dialog: Edit opens the host's output styles,
// where the style's editor with the plug-in's panel changes it, and the
// export goes on with the style as edited; a box is exported as one file
// without a number; Cancel in the progress window stops a run under way.
void checkExports(plxhost::Host& host, const std::filesystem::path& out) {
    clearFolder(out);
    ui::clearTranscript();
    Seen seen = run(host, 0,
                    "[@save] click #10\n"
                    "[Output Styles] choose #100 \"Default EPS\"\n"
                    "[Output Styles] click #101\n"
                    "[Edit Output Style] choose #102 \"Plexmoor\"\n"
                    "[Edit Output Style] type #4 \"-\"\n"
                    "[Edit Output Style] click \"Save\"\n"
                    "[Output Styles] click #1\n"
                    "[@save] type #3 \"2\"\n"
                    "[@save] path \"" + scripted(out, "Edited.eps") + "\"\n");
    std::string told = joined(seen.records);
    check(told.find("[Edit Output Style] opened\n") != std::string::npos &&
              told.find("[Edit Output Style] closed: 1\n") != std::string::npos,
          "Edit opens the style's editor, Save closes it:\n" + told);
    check(seen.result == 1, "the dialog goes on after the editor and saves:\n" + told);
    std::vector<std::string> files = filesIn(out);
    check(files == std::vector<std::string>{"Edited-002.eps"},
          "the page is named with the separator set in the editor: " +
              (files.empty() ? std::string("no file") : files[0]) + "\n" + told);
    check(ui::refusedCount() == 0, "nothing of the script is refused:\n" + told);

    clearFolder(out);
    seen = run(host, 1, "[@save] path \"" + scripted(out, "Chair.eps") + "\"\n");
    files = filesIn(out);
    check(files == std::vector<std::string>{"Chair.eps"},
          "a box is one file without a number: " + joined(files) + joined(seen.records));

    // Cancel in the progress window after a tenth of a second, in a layout
    // of 1000 pages, so that the run is surely under way and far from done.
    std::filesystem::path long_ = out.parent_path() / "Long.proj";
    std::FILE* file = _wfopen(long_.wstring().c_str(), L"wb");
    if (file) {
        std::fputs("layout \"Long\"\n  pages 1000\n", file);
        std::fclose(file);
    }
    std::string error;
    check(host.documents().openProject(long_.string(), &error) != -1, "a long layout opens: " + error);
    clearFolder(out);
    seen = run(host, 0,
               "[@save] click #4\n[@save] path \"" + scripted(out, "Run.eps") +
                   "\"\n[@window] wait 100\n[@window] click #2\n");
    std::string told2 = joined(seen.records);
    size_t written = filesIn(out).size();
    size_t clicked = told2.find("] click #2\n");
    check(clicked != std::string::npos && told2.find("closed: 2\n", clicked) != std::string::npos,
          "Cancel ends the progress window with 2:\n" + told2);
    check(written < 1000, "Cancel stops the run under way: " + std::to_string(written) +
                              " of 1000 pages written");
    std::printf("cancelled export: %zu of 1000 pages written\n", written);
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

// The export dialog in the host's language, as a person sees it.
void lookAtDialog(plxhost::Host& host, const std::string& pictures, const std::string& language) {
    Seen seen = run(host, 0, "[@save] click #2\n", pictures + "\\export-dialog-" + language + ".png");
    check(seen.result == 2, "the dialog in " + language + " is cancelled");
}

} // namespace

int checkExportDialog(const std::string& pictures) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::filesystem::path folder = std::filesystem::path(temp) / L"plexmoor-export-check";
    clearFolder(folder);
    // The host's own windows, as plexmoor.exe shows them, and a styles file
    // of its own, so that what the editor stores stays here.
    plxhost::HostOptions options;
    options.nativeWindows = true;
    options.stylesFile = (folder / "styles.xml").string();
    plxhost::Host host(options);
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
        host.documents().selectBox(front->docRef, front->boxes[0].id);
    if (project == -1 || sFailures) return sFailures;

    check(win32person::startRunner(), "the runner starts");
    checkDialog(host);
    if (!pictures.empty()) {
        lookAtDialog(host, pictures, "en");
        host.sendLanguage(3);
        lookAtDialog(host, pictures, "de");
        host.sendLanguage(0);
    }
    checkExports(host, folder / "out");
    win32person::stopRunner();
    std::error_code gone;
    std::filesystem::remove_all(folder, gone);
    return sFailures;
}
