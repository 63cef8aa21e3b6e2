// The decisions of the runner that plays scripts on a platform's own
// dialogs (the Win32 runner takes them from here): what it follows, how a
// window ends, which window a person works in, and when a dialog is closed
// for having nothing more to expect.
#include <gtest/gtest.h>

#include "ui/native_dialogs.h"
#include "ui/ui.h"

#include <string>
#include <vector>

using ui::NativeClass;
using ui::NativeDialog;
using ui::NativeDialogs;
using ui::NativeEvent;
using ui::NativeStep;

namespace {

std::vector<ui::Action> script(const std::string& text) {
    std::vector<ui::Action> actions;
    std::string error;
    EXPECT_TRUE(ui::parseScript(text, &actions, &error)) << error;
    return actions;
}

// A followed window, opened, of the given class.
NativeDialog* follow(NativeDialogs& d, std::uintptr_t h, NativeClass cls = NativeClass::Dialog,
                     std::uint64_t at = 0) {
    d.seen(h, cls, true, cls == NativeClass::Dialog ? NativeEvent::Initialised : NativeEvent::Shown,
           0, false, at, nullptr);
    NativeDialog* w = d.find(h);
    if (w) w->opened = true;
    return w;
}

bool ends(NativeDialogs& d, std::uintptr_t h, NativeEvent event, NativeDialog* ended,
          NativeClass cls = NativeClass::Dialog) {
    return d.seen(h, cls, true, event, 0, false, 0, ended);
}

} // namespace

TEST(NativeDialogs, WhatIsFollowedAndHowEachWindowEnds) {
    NativeDialogs d;
    // Child dialogs (panels) and windows merely shown are not followed;
    // the host's windows are followed once shown.
    d.seen(1, NativeClass::Dialog, false, NativeEvent::Initialised, 0, false, 0, nullptr);
    d.seen(2, NativeClass::Dialog, true, NativeEvent::Shown, 0, false, 0, nullptr);
    d.seen(3, NativeClass::PanelWindow, false, NativeEvent::Shown, 0, false, 0, nullptr);
    EXPECT_TRUE(d.all().empty());

    NativeDialog ended;
    follow(d, 10);
    d.seen(10, NativeClass::Dialog, true, NativeEvent::Command, 1, false, 0, nullptr);
    EXPECT_FALSE(ends(d, 10, NativeEvent::Hidden, &ended)) << "a dialog hidden is not gone";
    EXPECT_TRUE(ends(d, 10, NativeEvent::Destroyed, &ended));
    EXPECT_EQ(ended.handle, 10u);
    EXPECT_EQ(NativeDialogs::result(ended), 1);
    EXPECT_EQ(d.find(10), nullptr);

    // A close box counts as Cancel; ended from its own code as OK; a
    // message box without an answer as its second button.
    follow(d, 11);
    d.seen(11, NativeClass::Dialog, true, NativeEvent::Close, 0, false, 0, nullptr);
    ASSERT_TRUE(ends(d, 11, NativeEvent::Destroyed, &ended));
    EXPECT_EQ(NativeDialogs::result(ended), 2);
    follow(d, 12);
    ASSERT_TRUE(ends(d, 12, NativeEvent::Destroyed, &ended));
    EXPECT_EQ(NativeDialogs::result(ended), 1);
    follow(d, 13)->kind = ui::Kind::MessageBox;
    ASSERT_TRUE(ends(d, 13, NativeEvent::Destroyed, &ended));
    EXPECT_EQ(NativeDialogs::result(ended), 2);

    // A window gone before it was ever shown is nothing to record.
    d.seen(14, NativeClass::Dialog, true, NativeEvent::Initialised, 0, false, 0, nullptr);
    EXPECT_FALSE(ends(d, 14, NativeEvent::Destroyed, &ended));
    EXPECT_TRUE(d.all().empty());

    // The host's panel window: its own Save/OK (100) and Cancel (101)
    // clicked count as 1 and 2, other buttons do not; hidden, it is gone.
    follow(d, 20, NativeClass::PanelWindow);
    d.seen(20, NativeClass::PanelWindow, true, NativeEvent::Command, 100, false, 0, nullptr);
    EXPECT_EQ(d.find(20)->command, 0) << "not a click";
    d.seen(20, NativeClass::PanelWindow, true, NativeEvent::Command, 102, true, 0, nullptr);
    EXPECT_EQ(d.find(20)->command, 0);
    d.seen(20, NativeClass::PanelWindow, true, NativeEvent::Command, 100, true, 0, nullptr);
    ASSERT_TRUE(ends(d, 20, NativeEvent::Hidden, &ended, NativeClass::PanelWindow));
    EXPECT_EQ(NativeDialogs::result(ended), 1);
    follow(d, 21, NativeClass::PanelWindow);
    d.seen(21, NativeClass::PanelWindow, true, NativeEvent::Command, 101, true, 0, nullptr);
    ASSERT_TRUE(ends(d, 21, NativeEvent::Hidden, &ended, NativeClass::PanelWindow));
    EXPECT_EQ(NativeDialogs::result(ended), 2);
    // The styles list's buttons are no panel window's: its "Done" is 1.
    follow(d, 22, NativeClass::StylesWindow);
    d.seen(22, NativeClass::StylesWindow, true, NativeEvent::Command, 101, true, 0, nullptr);
    EXPECT_EQ(d.find(22)->command, 0);
    d.seen(22, NativeClass::StylesWindow, true, NativeEvent::Command, 1, true, 0, nullptr);
    ASSERT_TRUE(ends(d, 22, NativeEvent::Hidden, &ended, NativeClass::StylesWindow));
    EXPECT_EQ(NativeDialogs::result(ended), 1);

    // Shown again while followed, a window is not followed twice.
    follow(d, 23, NativeClass::StylesWindow);
    follow(d, 23, NativeClass::StylesWindow);
    EXPECT_EQ(d.all().size(), 1u);
}

TEST(NativeDialogs, ThePersonWorksInTheLastUsableWindow) {
    NativeDialogs d;
    follow(d, 1, NativeClass::PanelWindow);
    follow(d, 2);
    follow(d, 3);
    std::uintptr_t hidden = 3;
    auto usable = [&](std::uintptr_t h) { return h != hidden; };
    EXPECT_EQ(d.innermost(usable)->handle, 2u);
    hidden = 0;
    EXPECT_EQ(d.innermost(usable)->handle, 3u);
    ends(d, 3, NativeEvent::Destroyed, nullptr);
    ends(d, 2, NativeEvent::Destroyed, nullptr);
    EXPECT_EQ(d.innermost(usable)->handle, 1u);
    // Its Save pressed, the panel window is ending: it is left alone
    // until its loop hides it, or the fallback close would cancel it.
    d.seen(1, NativeClass::PanelWindow, true, NativeEvent::Command, 100, true, 0, nullptr);
    EXPECT_EQ(d.innermost(usable), nullptr);
    EXPECT_EQ(d.innermost([](std::uintptr_t) { return false; }), nullptr);
}

TEST(NativeDialogs, TheScriptsHeadIsDoneWhereItIsAddressed) {
    NativeDialog w;
    w.title = "Export";
    w.kind = ui::Kind::SaveDialog;
    EXPECT_EQ(NativeDialogs::next(w, "Export", {}, 0, 1000), NativeStep::Open);
    w.opened = true;
    for (const char* head : {"[*] click #1\n", "[Export] click #1\n", "[@save] click #1\n"})
        EXPECT_EQ(NativeDialogs::next(w, "Export", script(head), 0, 1000), NativeStep::Perform)
            << head;
    // The title as the window shows it now counts.
    EXPECT_EQ(NativeDialogs::next(w, "Export", script("[Exported] click #1\n"), 0, 1000),
              NativeStep::Close);
    EXPECT_EQ(NativeDialogs::next(w, "Exported", script("[Exported] click #1\n"), 0, 1000),
              NativeStep::Perform);
    EXPECT_EQ(NativeDialogs::next(w, "Export", script("[@message] answer 1\n"), 0, 1000),
              NativeStep::Close);
    EXPECT_EQ(NativeDialogs::next(w, "Export", {}, 0, 1000), NativeStep::Close);
}

// A dialog with a timer of its own is waited for as the headless window
// system waits for one; closed only once it has nothing to do for the idle
// limit, or its timer has stopped.
TEST(NativeDialogs, ADialogWithATimerOfItsOwnIsNotClosedUnderIt) {
    NativeDialogs d;
    NativeDialog* w = follow(d, 5, NativeClass::Dialog, 1000);
    const std::vector<ui::Action> none;
    EXPECT_EQ(NativeDialogs::next(*w, "Wait", none, 1010, 60000), NativeStep::Close)
        << "no timer seen: nothing to wait for";

    // Marked by the toolkit as it starts its timer: waited for before the
    // first tick.
    w->markedTimer = true;
    EXPECT_EQ(NativeDialogs::next(*w, "Wait", none, 1010, 60000), NativeStep::Wait);
    EXPECT_EQ(NativeDialogs::next(*w, "Wait", none, 61000, 60000), NativeStep::CloseIdle);
    d.progressed(5, 60000);
    EXPECT_EQ(NativeDialogs::next(*w, "Wait", none, 61000, 60000), NativeStep::Wait)
        << "a moving progress bar is work";
    w->markedTimer = false;

    // A timer seen ticking every 500 ms is still running 900 ms after its
    // last tick, stopped 1100 ms after.
    for (std::uint64_t at : {62000, 62500, 63000})
        d.seen(5, NativeClass::Dialog, true, NativeEvent::Timer, 0, false, at, nullptr);
    EXPECT_EQ(w->tickGap, 500u);
    EXPECT_TRUE(NativeDialogs::timerRunning(*w, 63900));
    EXPECT_FALSE(NativeDialogs::timerRunning(*w, 64100));
    EXPECT_EQ(NativeDialogs::next(*w, "Wait", none, 63900, 60000), NativeStep::Wait);
    EXPECT_EQ(NativeDialogs::next(*w, "Wait", none, 64100, 60000), NativeStep::Close);
    // A fast timer gets the grace of kTimerGraceMs.
    for (std::uint64_t at : {65000, 65010})
        d.seen(5, NativeClass::Dialog, true, NativeEvent::Timer, 0, false, at, nullptr);
    EXPECT_TRUE(NativeDialogs::timerRunning(*w, 65010 + NativeDialogs::kTimerGraceMs));
    // The script's actions for it go first all the same.
    EXPECT_EQ(NativeDialogs::next(*w, "Wait", script("[Wait] click #2\n"), 65020, 60000),
              NativeStep::Perform);
}

TEST(NativeDialogs, KindsOfWindowByTheirChildren) {
    using C = ui::NativeChild;
    EXPECT_EQ(NativeDialogs::kindOf({{"Button", 1}, {"ComboBox", 0x47c}}), ui::Kind::SaveDialog);
    EXPECT_EQ(NativeDialogs::kindOf({{"#32770", 0}, C{"Edit", 0x480, false}}),
              ui::Kind::SaveDialog)
        << "the file-name field anywhere inside";
    EXPECT_EQ(NativeDialogs::kindOf({{"STATIC", 10}, {"button", 1}, {"Button", 2}}),
              ui::Kind::MessageBox);
    EXPECT_EQ(NativeDialogs::kindOf({{"Static", 0xFFFF}, {"Button", 7}}), ui::Kind::MessageBox);
    EXPECT_EQ(NativeDialogs::kindOf({{"Static", 10}, {"Button", 1}, {"Edit", 3}}),
              ui::Kind::Window)
        << "a field makes it a dialog";
    EXPECT_EQ(NativeDialogs::kindOf({{"Static", 10}, {"Button", 1}, C{"Edit", 3, false}}),
              ui::Kind::MessageBox)
        << "only its own children count";
    EXPECT_EQ(NativeDialogs::kindOf({{"Static", 4}, {"Button", 1}}), ui::Kind::Window);
    EXPECT_EQ(NativeDialogs::kindOf({{"Static", 10}, {"Button", 8}}), ui::Kind::Window);
    EXPECT_EQ(NativeDialogs::kindOf({{"Stati", 10}, {"Button", 1}}), ui::Kind::Window);
    EXPECT_EQ(NativeDialogs::kindOf({}), ui::Kind::Window);
}

TEST(NativeDialogs, TitlesPathsAndBoxTextsAsAPersonReadsThem) {
    EXPECT_TRUE(NativeDialogs::titled("&Save", "Save"));
    EXPECT_TRUE(NativeDialogs::titled("&Save", "&Save"));
    EXPECT_TRUE(NativeDialogs::titled("Save && Close", "Save & Close"))
        << "\"&&\" shows one \"&\"";
    EXPECT_FALSE(NativeDialogs::titled("Save && Close", "Save  Close"));
    EXPECT_TRUE(NativeDialogs::titled("Fish &&& Chips", "Fish & Chips"));
    EXPECT_TRUE(NativeDialogs::titled("Ends in &", "Ends in &"));
    EXPECT_FALSE(NativeDialogs::titled("&Save", "Sav"));
    EXPECT_FALSE(NativeDialogs::titled("", "x"));

    EXPECT_EQ(NativeDialogs::fieldPath("Z:/tmp/out/a.eps"), "Z:\\tmp\\out\\a.eps");
    EXPECT_EQ(NativeDialogs::savePath("Z:/tmp/out", "a.eps"), "Z:\\tmp\\out\\a.eps");
    EXPECT_EQ(NativeDialogs::savePath("C:\\Out\\", "a.eps"), "C:\\Out\\a.eps");
    EXPECT_EQ(NativeDialogs::savePath("", "a.eps"), "\\a.eps");

    EXPECT_EQ(NativeDialogs::boxText("One\r\nTwo\r\n\r\nThree\r"), "One\nTwo\n\nThree\r");
    EXPECT_EQ(NativeDialogs::boxText("Bare\rCR\n"), "Bare\rCR\n");
}
