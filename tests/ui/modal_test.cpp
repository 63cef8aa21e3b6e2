// Modal loops with scripts, timers on the virtual clock, nesting, and the close
// that keeps a run from hanging.
#include "ui_fixture.h"

using namespace ui;
using uitest::UiTest;

using UiModal = UiTest;
using UiTimer = UiTest;

namespace {

struct ExportDialog {
    Handle window, pages, absolute, ok, cancel;
};

ExportDialog makeExport() {
    ExportDialog d;
    CreateParams p;
    p.text = "Export";
    p.rect = Rect{0, 0, 300, 120};
    d.window = createWindow(p);
    d.pages = createControl(d.window, Kind::Edit, 3, Rect{}, "1", style::TabStop);
    d.absolute = createControl(d.window, Kind::CheckBox, 5, Rect{}, "Absolute", style::TabStop);
    d.ok = createControl(d.window, Kind::PushButton, 1, Rect{}, "OK", style::TabStop);
    d.cancel = createControl(d.window, Kind::PushButton, 2, Rect{}, "Cancel", style::TabStop);
    return d;
}

WindowRef exportWindow() {
    return WindowRef::titled("Export");
}

} // namespace

TEST_F(UiModal, AScriptFillsInTheDialogAndPressesOk) {
    ExportDialog d = makeExport();
    setScript({Action::type(exportWindow(), ControlRef::byId(3), "2-5"),
               Action::toggle(exportWindow(), ControlRef::byText("Absolute")),
               Action::click(WindowRef::current(), ControlRef::byId(1))});
    EXPECT_EQ(runModal(d.window), 1);
    EXPECT_EQ(text(d.pages), "2-5");
    EXPECT_EQ(value(d.absolute), 1);
    EXPECT_EQ(scriptRemaining(), 0u);
    EXPECT_EQ(transcriptText(), "[Export] opened\n"
                                "[Export] type #3 \"2-5\"\n"
                                "[Export] click #5\n"
                                "[Export] click #1\n"
                                "[Export] closed: 1\n");
}

TEST_F(UiModal, EscapeClosesWithTwo) {
    ExportDialog d = makeExport();
    setScript({Action::press(exportWindow(), Key::Escape)});
    EXPECT_EQ(runModal(d.window), 2);
}

TEST_F(UiModal, WithoutMoreScriptTheWindowIsClosedWithTwo) {
    ExportDialog d = makeExport();
    EXPECT_EQ(runModal(d.window), 2);
    EXPECT_NE(transcriptText().find("[Export] nothing more in the script; closing"),
              std::string::npos);
    // An action for a window that is not up counts as nothing more for this one,
    // and stays in the queue for whoever comes next.
    setScript({Action::click(WindowRef::titled("Preferences"), ControlRef::byId(1))});
    EXPECT_EQ(runModal(d.window), 2);
    EXPECT_EQ(scriptRemaining(), 1u);
}

// Refuses to close: the fallback must still end the loop.
std::intptr_t refusesToClose(Handle self, const Message& msg, void*) {
    if (msg.msg == Msg::Close) return 1;
    return defaultProc(self, msg);
}

TEST_F(UiModal, AWindowThatRefusesToCloseIsEndedAnyway) {
    ExportDialog d = makeExport();
    setWindowProc(d.window, refusesToClose);
    EXPECT_EQ(runModal(d.window), 2);
}

TEST_F(UiModal, RefusedScriptActionsDoNotStopTheScript) {
    ExportDialog d = makeExport();
    setEnabled(d.pages, false);
    setScript({Action::type(exportWindow(), ControlRef::byId(3), "x"),
               Action::click(exportWindow(), ControlRef::byId(77)),
               Action::click(exportWindow(), ControlRef::byId(1))});
    EXPECT_EQ(runModal(d.window), 1);
    EXPECT_EQ(refusedCount(), 2);
    EXPECT_NE(transcriptText().find("[Export] click #77 -- refused: no such control"),
              std::string::npos);
}

// OK opens a message box (as a validating handler would); the box answers 1.
std::intptr_t validatingProc(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Command && msg.id == 1) {
        MessageBoxOptions box;
        box.title = "Plexmoor";
        box.text = "Invalid page range!";
        *static_cast<int*>(user) = messageBox(box);
        return 1; // the dialog stays open
    }
    return defaultProc(self, msg);
}

TEST_F(UiModal, LoopsNestAndTheScriptFlowsThroughThem) {
    ExportDialog d = makeExport();
    int boxAnswer = 0;
    setWindowProc(d.window, validatingProc, &boxAnswer);
    setScript({Action::click(exportWindow(), ControlRef::byId(1)),
               Action::answer(WindowRef::ofKind(Kind::MessageBox), 1),
               Action::type(exportWindow(), ControlRef::byId(3), "3"),
               Action::click(exportWindow(), ControlRef::byId(2))});
    EXPECT_EQ(runModal(d.window), 2);
    EXPECT_EQ(boxAnswer, 1);
    EXPECT_EQ(text(d.pages), "3");
    EXPECT_EQ(scriptRemaining(), 0u);
    EXPECT_EQ(modalDepth(), 0);
}

TEST_F(UiModal, ActivationAndFocusComeBackAfterTheLoop) {
    Handle main = makeWindow("Main");
    Handle field = createControl(main, Kind::Edit, 3, Rect{});
    setFocus(field);
    ExportDialog d = makeExport();
    EXPECT_EQ(runModal(d.window), 2);
    EXPECT_EQ(activeWindow(), main);
    EXPECT_EQ(focus(), field);
    EXPECT_FALSE(isVisible(d.window));
    // The loop focused the first tab stop while it ran.
    EXPECT_EQ(rememberedFocus(d.window), d.pages);
}

TEST_F(UiModal, OnlyATopLevelWindowNotAlreadyModalCanRun) {
    ExportDialog d = makeExport();
    EXPECT_EQ(runModal(d.pages), 0);
    EXPECT_EQ(runModal(kNoWindow), 0);
    EXPECT_FALSE(endModal(d.window, 1));
}

struct Nesting {
    Handle outer = kNoWindow;
    int innerResult = -1;
};

// Opens an inner dialog whose button ends the outer loop first.
std::intptr_t innerEndsOuter(Handle self, const Message& msg, void* user) {
    auto* n = static_cast<Nesting*>(user);
    if (msg.msg == Msg::Command && msg.id == 1 && self == n->outer) {
        CreateParams p;
        p.text = "Inner";
        Handle inner = createWindow(p);
        endModal(n->outer, 7);
        EXPECT_FALSE(isModal(n->outer));
        n->innerResult = runModal(inner);
        destroyWindow(inner);
        return 1;
    }
    return defaultProc(self, msg);
}

TEST_F(UiModal, AnOuterLoopEndedFromInsideReturnsAfterTheInnerOne) {
    ExportDialog d = makeExport();
    Nesting n;
    n.outer = d.window;
    setWindowProc(d.window, innerEndsOuter, &n);
    setScript({Action::click(exportWindow(), ControlRef::byId(1)),
               Action::close(WindowRef::titled("Inner"))});
    EXPECT_EQ(runModal(d.window), 7);
    EXPECT_EQ(n.innerResult, 2);
}

// Destroys its own window when OK is pressed.
std::intptr_t destroysItself(Handle self, const Message& msg, void*) {
    if (msg.msg == Msg::Command && msg.id == 1) {
        destroyWindow(self);
        return 1;
    }
    return defaultProc(self, msg);
}

TEST_F(UiModal, AWindowDestroyedDuringItsLoopEndsItWithTwo) {
    ExportDialog d = makeExport();
    setWindowProc(d.window, destroysItself);
    setScript({Action::click(exportWindow(), ControlRef::byId(1))});
    EXPECT_EQ(runModal(d.window), 2);
    EXPECT_FALSE(isWindow(d.window));
}

namespace {

// Counts ticks; ends the loop with 1 after `until` ticks (0 = never).
struct Ticker {
    int ticks = 0;
    int until = 0;
    std::vector<std::uint64_t> times;
};

void tick(Handle window, int, void* user) {
    auto* t = static_cast<Ticker*>(user);
    ++t->ticks;
    t->times.push_back(now());
    if (t->until && t->ticks == t->until) endModal(window, 1);
}

} // namespace

TEST_F(UiTimer, AOneMillisecondTimerRunsOnTheVirtualClock) {
    ExportDialog d = makeExport();
    Ticker t;
    t.until = 5;
    setTimer(d.window, 1, 1, tick, &t);
    EXPECT_EQ(runModal(d.window), 1);
    EXPECT_EQ(t.times, (std::vector<std::uint64_t>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(hasTimer(d.window, 1)); // ending the loop stopped it
}

TEST_F(UiTimer, AScriptedWaitLetsTimersRunBeforeTheNextAction) {
    ExportDialog d = makeExport();
    Ticker t;
    setTimer(d.window, 1, 1, tick, &t);
    setScript(
        {Action::wait(exportWindow(), 3), Action::click(exportWindow(), ControlRef::byId(2))});
    EXPECT_EQ(runModal(d.window), 2);
    EXPECT_EQ(t.ticks, 3);
}

TEST_F(UiTimer, AWindowThatNeverEndsIsClosedAfterTheIdleLimit) {
    ExportDialog d = makeExport();
    Ticker t;
    setTimer(d.window, 1, 10, tick, &t);
    setIdleLimit(100);
    EXPECT_EQ(runModal(d.window), 2);
    EXPECT_EQ(t.ticks, 10);
    EXPECT_NE(transcriptText().find("idle limit reached"), std::string::npos);
}

// Each tick opens a message box; a tick must not fire again inside its own box.
void tickWithBox(Handle window, int, void* user) {
    auto* t = static_cast<Ticker*>(user);
    ++t->ticks;
    t->times.push_back(static_cast<std::uint64_t>(modalDepth()));
    MessageBoxOptions box;
    box.text = "step";
    messageBox(box);
    if (t->ticks == 3) endModal(window, 1);
}

TEST_F(UiTimer, ATickIsNeverReenteredFromItsOwnNestedLoop) {
    ExportDialog d = makeExport();
    Ticker t;
    setTimer(d.window, 1, 1, tickWithBox, &t);
    EXPECT_EQ(runModal(d.window), 1);
    EXPECT_EQ(t.ticks, 3);
    EXPECT_EQ(t.times, (std::vector<std::uint64_t>{1, 1, 1})); // always at depth 1
}

TEST_F(UiTimer, AdvancingTheClockFiresDueTimersInOrder) {
    Handle w = makeWindow("W");
    Ticker fast, slow;
    setTimer(w, 1, 2, tick, &fast);
    setTimer(w, 2, 3, tick, &slow);
    advanceTime(6);
    EXPECT_EQ(fast.times, (std::vector<std::uint64_t>{2, 4, 6}));
    EXPECT_EQ(slow.times, (std::vector<std::uint64_t>{3, 6}));
    EXPECT_EQ(now(), 6u);
    EXPECT_TRUE(killTimer(w, 1));
    EXPECT_FALSE(killTimer(w, 1));
}

// Without a procedure the window itself is told.
std::intptr_t countTimerMessages(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Timer) *static_cast<int*>(user) += msg.id;
    return defaultProc(self, msg);
}

TEST_F(UiTimer, ATimerWithoutProcedureSendsTheWindowAMessage) {
    Handle w = makeWindow("W");
    int sum = 0;
    setWindowProc(w, countTimerMessages, &sum);
    setTimer(w, 4, 0, nullptr); // a zero interval counts as 1 ms
    advanceTime(2);
    EXPECT_EQ(sum, 8);
}
