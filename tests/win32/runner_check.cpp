// The runner plays a script on the plug-in's Win32 dialogs and tells the
// window system's observer what happened, as the command line relies on.
#include "tests/win32/runner_check.h"

#include "plugin/dialogs/dialogs.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/dialogs/progress.h"
#include "ui/platform/win/win32_runner.h"
#include "ui/ui.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int sFailures = 0;

void check(bool ok, const std::string& what) {
    if (ok) return;
    ++sFailures;
    std::printf("FAILED: runner: %s\n", what.c_str());
}

struct Seen {
    std::vector<std::string> records;
    ui::ControlInfo opened, closed;
    int progressEvents = 0;
    int lastProgress = -1, progressMax = 0;
};

void observe(const ui::Event& event, void* user) {
    auto* seen = static_cast<Seen*>(user);
    if (event.kind == ui::EventKind::ProgressChanged) {
        ++seen->progressEvents;
        seen->lastProgress = event.value;
        seen->progressMax = event.maximum;
        return;
    }
    if (!event.record) return;
    seen->records.push_back(ui::formatRecord(*event.record));
    if (event.window && event.record->kind == ui::RecordKind::Opened) seen->opened = *event.window;
    if (event.window && event.record->kind == ui::RecordKind::Closed) seen->closed = *event.window;
}

bool script(const char* text) {
    std::vector<ui::Action> actions;
    std::string error;
    if (!ui::parseScript(text, &actions, &error)) return false;
    ui::setScript(actions);
    return true;
}

const ui::ControlInfo* find(const ui::ControlInfo& root, int id) {
    for (const ui::ControlInfo& child : root.children) {
        if (child.id == id) return &child;
        if (const ui::ControlInfo* inner = find(child, id)) return inner;
    }
    return nullptr;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

int32_t step(PlxWindow, const void*, const void*, void*) {
    return 1;
}

int sSteps = 0;
int32_t slowStep(PlxWindow, const void*, const void*, void*) {
    ++sSteps;
    Sleep(2);
    return 1;
}

// A dialog whose own timer does its work: it ends itself after five
// ticks, or ticks on for ever.
int sTicks = 0;
void fiveTicks(PlxWindow dialog, void*) {
    if (++sTicks == 5) quitModalDialog(dialog, 1);
}
void endlessTicks(PlxWindow, void*) {
    ++sTicks;
}
void timerSetup(PlxWindow dialog, void* proc) {
    sTicks = 0;
    startDialogTimer(dialog, 20, *static_cast<DlgTimerProc*>(proc));
}

// A timer of the dialog's own made straight with the system, which the
// runner knows only by its ticks.
void systemTimerSetup(PlxWindow dialog, void*) {
    SetTimer(reinterpret_cast<HWND>(dialog), 77, 1, nullptr);
}

} // namespace

int checkRunner() {
    Seen seen;
    ui::clearTranscript();
    ui::setObserver(observe, &seen);
    check(win32person::startRunner(), "it starts");
    check(!win32person::startRunner(), "one runner at a time");

    // The preferences dialog worked as scripted, with what it showed as it
    // opened and closed.
    check(script("[Plexmoor] check #4 on\n[Plexmoor] type #3 \"x\"\n[Plexmoor] click #1\n"),
          "the script reads");
    check(doModalDialog("Prefs", nullptr, nullptr) == 1, "the scripted OK ends the dialog with 1");
    const ui::ControlInfo* logging = find(seen.closed, 4);
    check(logging && logging->value == 1, "the closed dialog shows the box checked");
    check(find(seen.opened, 4) && find(seen.opened, 4)->value == 0, "it opened unchecked");
    std::string told = joined(seen.records);
    check(told == "[Plexmoor] opened\n[Plexmoor] check #4 on\n"
                  "[Plexmoor] type #3 \"x\" -- refused: the control cannot be used so\n"
                  "[Plexmoor] click #1\n[Plexmoor] closed: 1\n",
          "the transcript:\n" + told);
    check(ui::refusedCount() == 1, "the refused action is counted");

    // With nothing scripted for it, a dialog is closed (2); a message box
    // answered by the script tells its text and the answer.
    seen.records.clear();
    check(doModalDialog("Prefs", nullptr, nullptr) == 2, "an unscripted dialog is closed with 2");
    check(script("[@message] answer 2\n"), "the answer reads");
    check(msgBoxYesNo("kNoValidPageNum") == 2, "the scripted answer is the box's result");
    told = joined(seen.records);
    check(told == "[Plexmoor] opened\n[Plexmoor] nothing more in the script; closing\n"
                  "[Plexmoor] closed: 2\n"
                  "message box [Plexmoor] \"Invalid page range!\" (Yes | No)\n"
                  "[Plexmoor] answer 2\n[Plexmoor] answered 2\n",
          "the transcript:\n" + told);

    // Return presses OK wherever it lies in the dialog's panes.
    check(script("[*] focus #5\n[*] key Return\n"), "the keys read");
    check(doModalDialog("Prefs", nullptr, nullptr) == 1, "Return ends the dialog with 1");
    check(ui::refusedCount() == 1, "focus and Return are not refused");

    // A progress run is left to end by itself; its bar is followed.
    const char* items[] = {"1", "2", "3"};
    seen.records.clear();
    check(doProgressDialog("saveAsEPS", step, items, 3, nullptr) == 1,
          "a progress run is not closed under way");
    check(seen.lastProgress == 3 && seen.progressMax == 3, "the bar is followed to its end");
    check(ui::scriptRemaining() == 0, "nothing is left in the script");

    // Cancel clicked under way ends the run between two steps.
    std::vector<const char*> many(500, "p");
    sSteps = 0;
    check(script("[*] click #2\n"), "the cancel reads");
    check(doProgressDialog("saveAsEPS", slowStep, many.data(), static_cast<int32_t>(many.size()),
                           nullptr) == 2,
          "Cancel ends a progress run with 2");
    check(sSteps > 0 && sSteps < static_cast<int>(many.size()),
          "the run stopped under way after " + std::to_string(sSteps) + " steps");

    // A dialog running a timer of its own is not closed under it when the
    // script has nothing for it, as the headless loop waits for one; only
    // when it has gone the idle limit without anything happening.
    seen.records.clear();
    DlgTimerProc proc = fiveTicks;
    check(doModalDialog("Prefs", timerSetup, &proc) == 1 &&
              sTicks == 5,
          "a dialog with a timer ends by itself, after " + std::to_string(sTicks) + " ticks");
    std::uint64_t limit = ui::idleLimit();
    ui::setIdleLimit(300);
    proc = endlessTicks;
    check(doModalDialog("Prefs", timerSetup, &proc) == 2 &&
              sTicks >= 5,
          "one whose timer goes on is closed at the idle limit, after " +
              std::to_string(sTicks) + " ticks");
    told = joined(seen.records);
    check(told == "[Plexmoor] opened\n[Plexmoor] closed: 1\n[Plexmoor] opened\n"
                  "[Plexmoor] idle limit reached; closing\n[Plexmoor] closed: 2\n",
          "the transcript:\n" + told);
    // Seen ticking during a scripted wait, a timer the toolkit did not
    // start is waited for too.
    seen.records.clear();
    check(script("[Plexmoor] wait 60\n"), "the wait reads");
    check(doModalDialog("Prefs", systemTimerSetup, nullptr) == 2, "it ends closed");
    ui::setIdleLimit(limit);
    told = joined(seen.records);
    check(told == "[Plexmoor] opened\n[Plexmoor] wait 60\n"
                  "[Plexmoor] idle limit reached; closing\n[Plexmoor] closed: 2\n",
          "the transcript:\n" + told);

    win32person::stopRunner();
    ui::setObserver(nullptr);
    return sFailures;
}
