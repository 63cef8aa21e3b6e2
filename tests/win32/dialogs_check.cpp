// The dialog toolkit on the real Win32 controls, driven as a person would
// from a timer inside each modal loop: run under Wine by the Windows stage.
// Each check that fails prints a line; the exit status is the number of
// failures.
#include "plugin/core/about.h"
#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/dialogs/native_controls.h"
#include "plugin/dialogs/progress.h"
#include "plugin/platform/win/dialogs/dlg_win.h"
#include "plugin/support/mystrings.h"
#include "tests/win32/export_dialog_check.h"
#include "tests/win32/runner_check.h"
#include "tests/win32/text_fit.h"
#include "ui/platform/win/win32_person.h"
#include "ui/platform/win/win32_picture.h"
#include "xt/xttypes.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int sFailures = 0;

void check(bool ok, const char* what) {
    if (ok) return;
    ++sFailures;
    std::printf("FAILED: %s\n", what);
}

int controlHeight(PlxWindow control) {
    RECT r{};
    GetWindowRect(reinterpret_cast<HWND>(control), &r);
    return r.bottom - r.top;
}

// The preferences dialog: a click reaches the handler, a value set from
// code does not, OK ends the run with 1.
struct PrefsRun {
    int step = 0;
    int handlerCalls = 0;
};

uint8_t countClicks(PlxWindow, PlxWindow, void* user) {
    ++static_cast<PrefsRun*>(user)->handlerCalls;
    return 0;
}

// A person acts on a dialog once it is on the screen: the modal loop shows
// it when its queue first runs empty, and a tick may come before.
bool shown(PlxWindow dialog) {
    return IsWindowVisible(reinterpret_cast<HWND>(dialog)) != 0;
}

void prefsTick(PlxWindow dialog, void* user) {
    if (!shown(dialog)) return;
    auto* run = static_cast<PrefsRun*>(user);
    HWND logging = reinterpret_cast<HWND>(getControl(dialog, 4));
    switch (run->step++) {
    case 0:
        check(win32person::click(logging), "the check box can be clicked");
        break;
    case 1:
        check(run->handlerCalls == 1, "a click calls the check box's handler once");
        check(getControlValue(dialog, 4) == 1, "the clicked check box is on");
        check(win32person::click(win32person::findControl(reinterpret_cast<HWND>(dialog), 1)),
              "OK can be clicked");
        break;
    default:
        break;
    }
}

void prefsSetup(PlxWindow dialog, void* user) {
    check(getControl(dialog, 3) != 0, "the built dialog has control 3");
    check(controlHeight(getControl(dialog, 1)) == 24, "a push button is 24 pixels high");
    setControlHandler(dialog, 4, countClicks, user);
    setControlValue(dialog, 4, 0);
    setControlValue(dialog, 3, 1);
    check(getControlValue(dialog, 3) == 1, "a check box set from code is on");
    check(static_cast<PrefsRun*>(user)->handlerCalls == 0, "setting a value calls no handler");
    startDialogTimer(dialog, 1, prefsTick);
}

// Escape typed in a control closes the dialog with 2; a dialog without
// controls is closed by its window's close box.
void escapeTick(PlxWindow dialog, void*) {
    if (PlxWindow control = getControl(dialog, 3))
        SendMessageW(reinterpret_cast<HWND>(control), WM_KEYDOWN, VK_ESCAPE, 0);
    else
        SendMessageW(reinterpret_cast<HWND>(dialog), WM_CLOSE, 0, 0);
}
void escapeSetup(PlxWindow dialog, void*) {
    startDialogTimer(dialog, 1, escapeTick);
}

// The message box is answered from a thread timer while it runs; with a
// name in sBoxLooked, it is looked at first as the other windows are.
std::string sBoxText;
int sBoxTextHeight = 0;
int sAnswer = 2;
std::string sBoxLooked;
void reportTexts(HWND window, const std::string& name);

void CALLBACK answerBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = win32person::findWindow("Plexmoor", L"#32770");
    if (!box) return;
    KillTimer(nullptr, timer);
    HWND message = win32person::findControl(box, 10);
    sBoxText = win32person::text(message);
    RECT r;
    GetWindowRect(message, &r);
    sBoxTextHeight = r.bottom - r.top;
    if (!sBoxLooked.empty()) reportTexts(box, sBoxLooked);
    sBoxLooked.clear();
    check(win32person::answer(box, sAnswer), "the message box can be answered");
}

int32_t answered(int answer, int32_t (*show)(const char*, ...), const char* key) {
    sAnswer = answer;
    sBoxText.clear();
    SetTimer(nullptr, 0, 10, answerBox);
    return show(key);
}

// The export options as a dialog of their own: typing reaches the field's
// handler with the text typed, choosing reaches the popup's, a disabled
// control cannot be worked.
struct ExportRun {
    std::string typed;
    int chosen = 0;
    bool refused = false;
    int afterPages = 0;
    int afterAbsolute = 0;
};

uint8_t onPages(PlxWindow control, PlxWindow, void* user) {
    char text[kControlTextSize];
    getControlText(control, text);
    static_cast<ExportRun*>(user)->typed = text;
    return 1;
}

uint8_t onStyle(PlxWindow control, PlxWindow, void* user) {
    static_cast<ExportRun*>(user)->chosen = getControlValue(control);
    return 1;
}

void exportTick(PlxWindow dialog, void* user) {
    if (!shown(dialog)) return;
    stopDialogTimer(dialog);
    auto* run = static_cast<ExportRun*>(user);
    HWND window = reinterpret_cast<HWND>(dialog);
    check(win32person::type(win32person::findControl(window, 3), "ii-1"), "the page field takes typing");
    check(win32person::chooseText(win32person::findControl(window, 9), "PDF"),
          "the popup offers its items");
    run->refused = !win32person::type(win32person::findControl(window, 6), "3");
    // Tab goes from the page field to "All"; from "absolute" it passes the
    // disabled offset field by. Return in a field presses OK.
    HWND pages = win32person::findControl(window, 3);
    SetFocus(pages);
    SendMessageW(pages, WM_KEYDOWN, VK_TAB, 0);
    run->afterPages = GetDlgCtrlID(GetFocus());
    SendMessageW(win32person::findControl(window, 5), WM_KEYDOWN, VK_TAB, 0);
    run->afterAbsolute = GetDlgCtrlID(GetFocus());
    SendMessageW(pages, WM_KEYDOWN, VK_RETURN, 0);
}

void exportSetup(PlxWindow dialog, void* user) {
    setControlHandler(dialog, 3, onPages, user);
    setControlHandler(dialog, 9, onStyle, user);
    PlxWindow styles = getControl(dialog, 9);
    addControlItem(styles, "EPS");
    addControlItem(styles, "PDF");
    setControlValue(styles, 1);
    enableControl(getControl(dialog, 6), false);
    startDialogTimer(dialog, 1, exportTick);
}

// The about box, answered, and the text it showed; looked at as `name`.
std::string aboutBoxText(const std::string& name = std::string()) {
    sBoxLooked = name;
    sAnswer = 1;
    sBoxText.clear();
    SetTimer(nullptr, 0, 10, answerBox);
    doAbout1(nullptr);
    return sBoxText;
}

// The preferences dialog in the current language: the title of its first
// check box, then closed.
std::string sFirstTitle;
void titleSetup(PlxWindow dialog, void*) {
    sFirstTitle = win32person::text(reinterpret_cast<HWND>(getControl(dialog, 3)));
    quitModalDialog(dialog, 2);
}

INT_PTR CALLBACK templateProc(HWND, UINT msg, WPARAM, LPARAM) {
    return msg == WM_INITDIALOG;
}

// The folder the pictures go to (the program's argument), or none.
std::string sPictures;

// What a person would find wrong in a window, and its picture.
void reportTexts(HWND window, const std::string& name) {
    for (const std::string& line : textsNotFitting(window, name)) check(false, line.c_str());
    for (const std::string& line : overlappingControls(window, name))
        check(false, line.c_str());
    if (sPictures.empty()) return;
    std::string file = name;
    for (char& c : file)
        if (c == ' ') c = '-';
    check(win32picture::writePng(window, sPictures + "\\" + file + ".png"), file.c_str());
}

// A panel template shown in the empty dialog `holder`, the dialog sized to
// hold it, as a host's window would.
void reportPanel(HWND holder, HWND panel, const std::string& name) {
    RECT outer, inner, size;
    GetWindowRect(holder, &outer);
    GetClientRect(holder, &inner);
    GetWindowRect(panel, &size);
    SetWindowPos(holder, nullptr, 0, 0,
                 size.right - size.left + (outer.right - outer.left) - inner.right,
                 size.bottom - size.top + (outer.bottom - outer.top) - inner.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    wchar_t title[64];
    GetWindowTextW(panel, title, 64);
    SetWindowTextW(holder, title);
    reportTexts(holder, name);
}

// Every text of every window fits its control in the current language: the
// descriptions as the builder makes them, the panel templates localized as
// they are shown (inside an empty dialog, as a host would hold them), the
// message box laid out for its most frequent message.
void checkTextsFit(const std::string& language) {
    for (const char* name : {"Prefs", "Progress", "Export"}) {
        PlxWindow window = createDialogWindow(name, nullptr, nullptr);
        reportTexts(reinterpret_cast<HWND>(window), std::string(name) + " " + language);
        destroyDialogWindow(window);
    }
    PlxWindow holder = createDialogWindow("NoSuchWindow", nullptr, nullptr);
    for (int id : {25051, 25052, 25053}) {
        HWND panel = CreateDialogParamW(toolkitInstance(), MAKEINTRESOURCEW(id),
                                        reinterpret_cast<HWND>(holder), templateProc, 0);
        check(panel != nullptr, "a panel template makes a window");
        localizeWindowTexts(panel);
        reportPanel(reinterpret_cast<HWND>(holder), panel, std::to_string(id) + " " + language);
        DestroyWindow(panel);
    }
    destroyDialogWindow(holder);
    HWND box = CreateDialogParamW(toolkitInstance(), L"MSGBOX", nullptr, templateProc, 0);
    std::string ok = localizeString("ok");
    const char* buttons[] = {ok.c_str()};
    layOutMessageWindow(reinterpret_cast<PlxWindow>(box), localizeString("kNoValidPageNum").c_str(),
                        buttons, 1);
    reportTexts(box, "MSGBOX " + language);
    DestroyWindow(box);
}

std::vector<std::string> sSteps;
int32_t recordStep(PlxWindow, const void* item, const void* next, void*) {
    sSteps.push_back(std::string(item ? static_cast<const char*>(item) : "-") + ">" +
                     (next ? static_cast<const char*>(next) : "-"));
    return 1;
}

} // namespace

int main() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc > 1) {
        char folder[MAX_PATH * 3];
        WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, folder, sizeof folder, nullptr, nullptr);
        sPictures = folder;
        CreateDirectoryW(argv[1], nullptr);
    }
    LocalFree(argv);
    gLanguage = kLangEnglish;
    check(setupMyStrings() == 0, "the string table is a resource of the program");
    registerDialogClasses();

    PrefsRun prefs;
    check(doModalDialog("Prefs", prefsSetup, &prefs) == 1, "OK ends the preferences dialog with 1");
    check(doModalDialog("Prefs", escapeSetup, nullptr) == 2, "Escape ends a dialog with 2");
    check(doModalDialog("NoSuchWindow", escapeSetup, nullptr) == 2,
          "a dialog without a description still runs");

    ExportRun exportRun;
    check(doModalDialog("Export", exportSetup, &exportRun) == 1,
          "Return in a field ends the dialog with 1");
    check(exportRun.afterPages == 4, "Tab moves from the page field to the next control");
    check(exportRun.afterAbsolute == 7, "Tab passes a disabled control by");
    check(exportRun.typed == "ii-1", "the page field's handler sees the text typed");
    check(exportRun.chosen == 2, "the popup's handler sees the item chosen");
    check(exportRun.refused, "a disabled field takes no typing");

    check(answered(2, msgBoxYesNo, "kNoValidPageNum") == 2, "\"no\" in a yes/no box gives 2");
    check(!sBoxText.empty() && sBoxText == "Invalid page range!", "the box shows the localized text");
    int oneLine = sBoxTextHeight;
    std::string longText(600, 'w');
    for (size_t i = 10; i < longText.size(); i += 11) longText[i] = ' ';
    check(answered(1, msgBox, longText.c_str()) == 1, "OK in a message box gives 1");
    check(sBoxTextHeight > oneLine * 2, "the box grows with a long text");

    const char* pages[] = {"1", "2", "3"};
    check(doProgressDialog("saveAsEPS", recordStep, pages, 3, nullptr) == 1,
          "a progress run over all items ends with 1");
    std::string steps;
    for (const std::string& s : sSteps) steps += s + " ";
    check(steps == "->1 1>2 2>3 3>- ", "the progress steps go item by item");

    check(aboutBoxText() == "Plexmoor 6.72\n\nCopyright \xC2\xA9 2017 Korvane. All rights reserved.",
          "the about box shows the version and the copyright");
    checkTextsFit("en");
    aboutBoxText("about en");
    gLanguage = kLangGerman;
    check(setupMyStrings() == 0, "the German string table is a resource of the program");
    checkTextsFit("de");
    check(aboutBoxText("about de").find("Alle Rechte vorbehalten.") != std::string::npos,
          "the German about box");
    check(doModalDialog("Prefs", titleSetup, nullptr) == 2 &&
              sFirstTitle == "Letzten Ordner verwenden",
          "the German preferences dialog");
    gLanguage = kLangEnglish;
    setupMyStrings();

    // What a page costs the progress window beyond the page's own work
    // (told, not judged: the timer's resolution is the system's).
    std::vector<std::string> many(200, "p");
    std::vector<const char*> items;
    for (const std::string& p : many) items.push_back(p.c_str());
    sSteps.clear();
    ULONGLONG started = GetTickCount64();
    doProgressDialog("saveAsEPS", recordStep, items.data(), static_cast<int32_t>(items.size()),
                     nullptr);
    std::printf("progress window: %.1f ms an item over %zu items\n",
                static_cast<double>(GetTickCount64() - started) / static_cast<double>(items.size()),
                items.size());
    check(sSteps.size() == items.size() + 1, "a long progress run steps through every item");

    bool described = false;
    PlxWindow progress = createDialogWindow("Progress", nullptr, &described);
    check(described, "the progress window has a description");
    check(getControl(progress, static_cast<int32_t>(xtFourCharCode("prog"))) ==
              getControl(progress, 3),
          "a control is found by its command code");
    PlxWindow status = getControl(progress, 4);
    std::string tooLong(300, 'x');
    setControlLiteralText(status, tooLong.c_str());
    char buffer[kControlTextSize];
    check(!getControlText(status, buffer) && buffer[0] == 0,
          "a text longer than the buffer comes back empty");
    setControlLiteralText(status, "Seite 1 \xE2\x80\x93 \xC3\xBC");
    check(getControlText(status, buffer) && std::strcmp(buffer, "Seite 1 \xE2\x80\x93 \xC3\xBC") == 0,
          "UTF-8 text goes through the window and back");
    destroyDialogWindow(progress);

    sFailures += checkRunner();
    sFailures += checkExportDialog(sPictures);
    std::printf("%s: %d failure(s)\n", sFailures ? "FAILED" : "passed", sFailures);
    return sFailures;
}
