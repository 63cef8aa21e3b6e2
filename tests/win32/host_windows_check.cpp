// The host's own windows on Win32 with the plug-in's panels in them, driven
// as a person would from a timer inside each window's modal loop: run under
// Wine by the Windows stage. The plug-in is linked in with its Win32
// dialogs. Arguments: the folder the pictures go to, and the project to
// open for the menus (both as Windows paths). Each check that fails prints
// a line; the exit status is the number of failures.
#include "host/host.h"
#include "host/platform/win/win32_main_window.h"
#include "host/preferences_window.h"
#include "host/style_editor.h"
#include "plugin/core/panel_support.h"
#include "plugin/settings/prefs.h"
#include "plugin/styles/style_data.h"
#include "tests/win32/text_fit.h"
#include "ui/platform/win/win32_person.h"
#include "ui/platform/win/win32_picture.h"
#include "xt/xtsetup.h"

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

extern "C" int32_t XTActivateCallback(XTSetupRec* setup);

namespace {

int sFailures = 0;
std::string sPictures;

void check(bool ok, const std::string& what) {
    if (ok) return;
    ++sFailures;
    std::printf("FAILED: %s\n", what.c_str());
}

using win32person::findControl;

bool checked(HWND window, int id) {
    return SendMessageW(findControl(window, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The picture of a window and what a person would find wrong in it.
void lookAt(HWND window, const std::string& name) {
    if (!sPictures.empty())
        check(win32picture::writePng(window, sPictures + "\\" + name + ".png"),
              "a picture of " + name);
    for (const std::string& line : textsNotFitting(window, name))
        check(false, line);
    for (const std::string& line : overlappingControls(window, name))
        check(false, line);
}

// The window titled `title` is driven by `person` once it is on the screen.
// A window the person left open after five seconds is closed as failed, as
// it would wait for ever.
std::string sTitle;
const wchar_t* sClass = L"PlexhostPanelWindow";
std::function<void(HWND)> sPerson;
UINT_PTR sWatchdog = 0;

void CALLBACK closeLeftOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    sWatchdog = 0;
    HWND window = win32person::findWindow(sTitle, sClass);
    check(window == nullptr, "the window " + sTitle + " ended as the person drove it");
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
}

void CALLBACK act(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND window = win32person::findWindow(sTitle, sClass);
    if (!window) return;
    KillTimer(nullptr, timer);
    sWatchdog = SetTimer(nullptr, 0, 5000, closeLeftOpen);
    sPerson(window);
}

int drive(const std::string& title, std::function<void(HWND)> person,
          const std::function<int()>& open, const wchar_t* className = L"PlexhostPanelWindow") {
    sTitle = title;
    sClass = className;
    sPerson = std::move(person);
    SetTimer(nullptr, 0, 10, act);
    int result = open();
    if (sWatchdog) KillTimer(nullptr, sWatchdog);
    sWatchdog = 0;
    return result;
}

// Opens the panel's tab: the panel's controls are shown, the host's hidden.
void choosePanel(HWND window) {
    check(win32person::chooseText(findControl(window, 102), "Plexmoor"), "the Plexmoor tab");
    check(IsWindowVisible(findControl(window, 200)) && !IsWindowVisible(findControl(window, 103)),
          "the chosen tab shows the panel's page only");
}

void preferences(plxhost::Host& host, const std::string& language) {
    setLogging(0);
    setAddAlways(1);
    setUseLastFolder(0, nullptr);
    savePrefs();
    int result = drive(
        "Preferences",
        [&](HWND w) {
            choosePanel(w);
            check(!checked(w, 4) && checked(w, 5) && !checked(w, 3),
                  "the panel shows the settings");
            check(win32person::check(findControl(w, 4), true), "Logfile can be checked");
            check(win32person::check(findControl(w, 5), false),
                  "Always add page number can be unchecked");
            // The panel's own buttons 1 and 2 close nothing.
            check(win32person::click(findControl(w, 2)) && IsWindowVisible(w),
                  "a panel's button 2 leaves the window open");
            lookAt(w, "preferences-" + language);
            check(win32person::click(findControl(w, 100)), "OK can be clicked");
        },
        [&] { return plxhost::runPreferencesWindow(host); });
    check(result == 1, "OK ends the preferences window with 1");
    check(getLogging() == 1 && getAddAlways() == 0, "OK stores what the panel shows");

    result = drive(
        "Preferences",
        [&](HWND w) {
            choosePanel(w);
            check(checked(w, 4) && !checked(w, 5), "the panel shows what was stored");
            check(win32person::check(findControl(w, 3), true), "Use last folder can be checked");
            SetFocus(findControl(w, 3));
            PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        },
        [&] { return plxhost::runPreferencesWindow(host); });
    check(result == 2, "Escape ends the preferences window with 2");
    check(getUseLastFolder(nullptr) == 0, "Escape stores nothing");
}

std::string stored(OutputStyleRef s) {
    PlxStyleData d = styleDataForStyle(s);
    return std::to_string(d.base) + "|" + d.separator + "|" + std::to_string(d.numbering) + "|" +
           d.suffix + "|" + std::to_string(d.numberBeforeName) + std::to_string(d.pageMargins);
}

void styleEditor(plxhost::Host& host, const std::string& language) {
    OutputStyleRef style = nullptr;
    std::string error;
    host.styles().create("Proof " + language, kXTMediumPDF, &style, &error);
    check(style != nullptr, "a PDF style is made: " + error);
    auto edits = [&](const char* ending, bool look) {
        return [&, ending, look](HWND w) {
            choosePanel(w);
            std::string shown = win32person::text(findControl(w, 2)) + "+" +
                                win32person::text(findControl(w, 4)) + "+" +
                                win32person::text(findControl(w, 6)) + "+" +
                                win32person::text(findControl(w, 8));
            bool en = language == "en";
            check(shown == std::string(en ? "Project" : "Projekt") + "+_+00x+.pdf",
                  "a new PDF style shows " + shown);
            check(win32person::choose(findControl(w, 2), 1), "the base name list takes a choice");
            check(win32person::choose(findControl(w, 6), 4), "the number list takes a choice");
            check(win32person::text(findControl(w, 6)) == (en ? "None" : "Keine"),
                  "the number list's last entry is the localized none");
            check(win32person::type(findControl(w, 8), ".x"), "the suffix takes typing");
            check(win32person::check(findControl(w, 10), true), "Page margins can be checked");
            if (look) lookAt(w, "style-editor-" + language);
            check(win32person::click(win32person::findControl(w, ending[0] == 'S' ? 100 : 101)),
                  std::string(ending) + " can be clicked");
        };
    };
    auto open = [&] { return plxhost::editOutputStyle(host, style); };
    check(drive("Edit Output Style", edits("Cancel", true), open) == 2, "Cancel ends with 2");
    check(stored(style) == "0|_|2|.pdf|00", "Cancel stores nothing: " + stored(style));
    check(drive("Edit Output Style", edits("Save", false), open) == 1, "Save ends with 1");
    // The second entry of each list is the second value: the layout's name,
    // no page number.
    check(stored(style) == "1|_|4|.x|01", "Save stores what the panel shows: " + stored(style));
    // Texts longer than an option holds are stored empty, not cut: 32
    // bytes for the separator, and more than a control's text buffer for
    // the suffix.
    auto tooLong = [&](HWND w) {
        choosePanel(w);
        check(win32person::type(findControl(w, 4), std::string(32, 's')) &&
                  win32person::type(findControl(w, 8), std::string(300, 'x')),
              "the fields take long texts");
        check(win32person::click(findControl(w, 100)), "Save can be clicked");
    };
    check(drive("Edit Output Style", tooLong, open) == 1, "Save ends with 1");
    check(stored(style) == "1||4||01", "over-long texts are stored empty: " + stored(style));
}

// The editor opened from "Output Styles" is cancelled once it shows.
int sEditorsCancelled = 0;
void CALLBACK cancelEditor(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND editor = win32person::findWindow("Edit Output Style", L"PlexhostPanelWindow");
    if (!editor) return;
    KillTimer(nullptr, timer);
    sEditorsCancelled += win32person::click(findControl(editor, 101)) ? 1 : 0;
}

// "Output Styles": a style made from a name and a medium, edited from the
// list; Done ends it.
void stylesList(plxhost::Host& host, const std::string& language) {
    std::string name = "Brochure " + language;
    int result = drive(
        "Output Styles",
        [&](HWND w) {
            check(win32person::type(findControl(w, 103), name), "the name field takes typing");
            check(win32person::chooseText(findControl(w, 104), "EPS"),
                  "the medium list offers EPS");
            check(win32person::click(findControl(w, 102)), "New can be clicked");
            HWND list = findControl(w, 100);
            LRESULT at = SendMessageW(list, LB_GETCURSEL, 0, 0);
            wchar_t chosen[64] = L"";
            if (at >= 0)
                SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(at),
                             reinterpret_cast<LPARAM>(chosen));
            char shown[192];
            WideCharToMultiByte(CP_UTF8, 0, chosen, -1, shown, sizeof shown, nullptr, nullptr);
            check(name == shown, "the new style is listed and selected");
            lookAt(w, "output-styles-" + language);
            SetTimer(nullptr, 0, 10, cancelEditor);
            check(win32person::click(findControl(w, 101)), "Edit can be clicked");
            check(win32person::click(findControl(w, 1)), "Done can be clicked");
        },
        [&] { return plxhost::runOutputStylesWindow(host); }, L"PlexhostStylesWindow");
    check(result == 1, "Done ends Output Styles with 1");
    check(sEditorsCancelled == 1, "Edit opens the selected style");
    OutputStyleRef made = host.styles().find(name);
    check(made && made->medium == kXTMediumEPS, "New makes an EPS style of the name");
    sEditorsCancelled = 0;
}

// The state of the items of the plug-in's submenu in the menu bar, as text:
// "+" enabled, "-" greyed, "|" a separator; the texts on request.
std::string submenuStates(HWND main, std::string* texts) {
    HMENU bar = GetMenu(main);
    HMENU utilities = nullptr;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        wchar_t name[64];
        GetMenuStringW(bar, static_cast<UINT>(i), name, 64, MF_BYPOSITION);
        if (lstrcmpW(name, L"Utilities") == 0) utilities = GetSubMenu(bar, i);
    }
    HMENU plugin = utilities ? GetSubMenu(utilities, GetMenuItemCount(utilities) - 1) : nullptr;
    if (!plugin) return "no submenu";
    SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(plugin), 0);
    std::string states;
    for (int i = 0; i < GetMenuItemCount(plugin); ++i) {
        UINT state = GetMenuState(plugin, static_cast<UINT>(i), MF_BYPOSITION);
        states += (state & MF_SEPARATOR) ? "|" : (state & MF_GRAYED) ? "-" : "+";
        wchar_t text[128];
        GetMenuStringW(plugin, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        char utf8[256];
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
        if (texts && !(state & MF_SEPARATOR)) *texts += std::string(utf8) + ";";
    }
    return states;
}

std::string lastContextItem(plxhost::Host& host) {
    HMENU popup = plxhost::makeWin32Menu(host.menus().contextMenu(), false);
    int last = GetMenuItemCount(popup) - 1;
    wchar_t text[128] = L"";
    GetMenuStringW(popup, static_cast<UINT>(last), text, 128, MF_BYPOSITION);
    char utf8[256];
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    DestroyMenu(popup);
    return utf8;
}

// Keys typed into the context menu once it shows; a menu still open after
// two seconds is ended.
std::vector<WPARAM> sMenuKeys;
void CALLBACK typeIntoMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    for (WPARAM key : sMenuKeys)
        PostMessageW(reinterpret_cast<HWND>(plxhost::Host::current()->mainWindowRef()), WM_KEYDOWN,
                     key, 0);
}
void CALLBACK endMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    check(false, "the context menu ended as the keys said");
    EndMenu();
}

bool contextMenuChoice(plxhost::Host& host, std::vector<WPARAM> keys) {
    sMenuKeys = std::move(keys);
    SetTimer(nullptr, 0, 50, typeIntoMenu);
    UINT_PTR watchdog = SetTimer(nullptr, 0, 2000, endMenu);
    bool chosen = plxhost::runWin32ContextMenu(host, POINT{200, 200});
    KillTimer(nullptr, watchdog);
    return chosen;
}

void menus(plxhost::Host& host, const std::string& project, const std::string& language) {
    auto main = reinterpret_cast<HWND>(host.mainWindowRef());
    host.menus().mainMenu();
    std::string texts;
    std::string states = submenuStates(main, &texts);
    check(states == "--|++", "no layout: both exports greyed: " + states);
    if (language == "de")
        check(texts == "Seiten als EPS/PDF\xE2\x80\xA6;Rahmen als EPS/PDF\xE2\x80\xA6;"
                       "Voreinstellungen\xE2\x80\xA6;\xC3\x9C"
                       "ber\xE2\x80\xA6;",
              "the German submenu: " + texts);
    std::string error;
    check(host.documents().openProject(project, &error) >= 0, "the project opens: " + error);
    // The project keeps a box selected; the layout alone comes first.
    host.documents().selectBox(host.documents().front()->docRef, 0);
    states = submenuStates(main, nullptr);
    check(states == "+-|++", "a layout open: the pages command enabled: " + states);
    // The main window with the plug-in's submenu in its menu bar, at a size
    // that shows the bar without a screen of empty desktop.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(main, &placement);
    ShowWindow(main, SW_RESTORE);
    SetWindowPos(main, nullptr, 0, 0, 480, 160, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    lookAt(main, "main-window-" + language);
    SetWindowPlacement(main, &placement);
    if (language == "en")
        check(lastContextItem(host) == "Save page(s) as EPS/PDF\xE2\x80\xA6",
              "no box selected: the context menu offers the pages: " + lastContextItem(host));
    host.documents().selectBox(host.documents().front()->docRef, 1);
    states = submenuStates(main, nullptr);
    check(states == "++|++", "a box selected: both exports enabled: " + states);
    if (language == "en")
        check(lastContextItem(host) == "Save current box as EPS/PDF\xE2\x80\xA6",
              "a box selected: the context menu offers the box");
    // The context menu as shown: Escape chooses nothing; the last item,
    // chosen with the keys, is carried out (the export, cancelled here).
    check(!contextMenuChoice(host, {VK_ESCAPE}), "Escape in the context menu chooses nothing");
    check(contextMenuChoice(host, {VK_UP, VK_RETURN}),
          "the context menu's last item is carried out");
}

// A Win32 host builds a panel from the template the plug-in names, found
// through the module handle handed over with it.
void templateAnswers() {
    for (int32_t id : {kPrefsPanelTemplate, kStylesPanelTemplate}) {
        XTPanelTemplate answer{};
        XTPanelMsgRec rec{};
        rec.message = kXTPanelTemplateRequest;
        rec.param = &answer;
        answerPanelTemplate(&rec, id);
        auto module = static_cast<HMODULE>(answer.module);
        check(rec.result == 1 && answer.templateId == id, "the template request is answered");
        check(module == GetModuleHandleW(nullptr),
              "the template answer carries the module handle of the program the plug-in is "
              "linked into");
        check(module == GetModuleHandleW(nullptr) &&
                  FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)) != nullptr,
              "the template " + std::to_string(id) + " is found through the module handed over");
    }
}

// One host after the other, each with the plug-in linked in and its own
// styles file, in one language.
void runHost(uint16_t languageCode, const std::string& language, const std::string& project) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    char folder[MAX_PATH * 3];
    WideCharToMultiByte(CP_UTF8, 0, temp, -1, folder, sizeof folder, nullptr, nullptr);
    plxhost::HostOptions options;
    options.nativeWindows = true;
    options.stylesFile = std::string(folder) + "plexhost-check-styles-" + language + ".xml";
    DeleteFileA(options.stylesFile.c_str());
    {
        plxhost::Host host(options);
        host.openMainWindow();
        check(host.mainWindowRef() != 0, "the host has a main window");
        check(host.attachPlugin(XTActivateCallback) == 0, "the plug-in is activated");
        host.sendLanguage(languageCode);
        preferences(host, language);
        styleEditor(host, language);
        stylesList(host, language);
        if (!project.empty()) menus(host, project, language);
    }
    DeleteFileA(options.stylesFile.c_str());
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    auto arg = [&](int i) {
        char text[MAX_PATH * 3] = "";
        if (i < argc)
            WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, text, sizeof text, nullptr, nullptr);
        return std::string(text);
    };
    sPictures = arg(1);
    std::string project = arg(2);
    if (!sPictures.empty()) CreateDirectoryW(argv[1], nullptr);
    templateAnswers();
    runHost(0, "en", project);
    runHost(3, "de", project);
    LocalFree(argv);
    std::printf("%s: %d failure(s)\n", sFailures ? "FAILED" : "passed", sFailures);
    return sFailures;
}
