// A person's actions: what they change, what they notify and in which order,
// and what a person cannot do.
#include "ui_fixture.h"

using namespace ui;
using uitest::Heard;
using uitest::UiTest;

using UiPerson = UiTest;
using UiKeys = UiTest;

namespace {

// A radio group as a registered class would make it: it takes its buttons'
// clicks and tells the window its own id instead.
std::intptr_t radioGroupProc(Handle self, const Message& msg, void*) {
    if (msg.msg == Msg::Command) {
        notifyParent(self, Notify::Clicked);
        return 1;
    }
    return defaultProc(self, msg);
}

} // namespace

TEST_F(UiPerson, NotificationsReachTheWindowInTheOrderOfTheAction) {
    Handle w = makeWindow("W");
    Heard heard;
    heard.listen(w);
    Handle pane = createControl(w, Kind::Pane, 0, Rect{});
    Handle edit = createControl(pane, Kind::Edit, 3, Rect{});
    Handle check = createControl(pane, Kind::CheckBox, 5, Rect{});
    Handle popup = createControl(pane, Kind::Popup, 9, Rect{});
    setItems(popup, {"EPS", "PDF"});
    Handle list = createControl(w, Kind::ListBox, 11, Rect{});
    setItems(list, {"a", "b"});

    EXPECT_TRUE(person::type(edit, "1-4"));
    EXPECT_EQ(text(edit), "1-4");
    EXPECT_EQ(focus(), edit);
    EXPECT_TRUE(person::click(check));
    EXPECT_EQ(value(check), 1);
    EXPECT_TRUE(person::chooseText(popup, "PDF"));
    EXPECT_EQ(value(popup), 1);
    EXPECT_TRUE(person::choose(list, 0));
    EXPECT_TRUE(person::check(check, true)); // already on: no click
    EXPECT_TRUE(person::check(check, false));
    EXPECT_EQ(heard.lines, (std::vector<std::string>{"3:text-changed", "5:clicked", "9:list-opened",
                                                     "9:selection-changed", "9:selection-confirmed",
                                                     "11:selection-changed", "5:clicked"}));
}

// Checks the check box's state at the moment its notification arrives.
std::intptr_t stateAtNotice(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Command) *static_cast<std::intptr_t*>(user) = value(msg.source);
    return defaultProc(self, msg);
}

TEST_F(UiPerson, ACheckBoxIsToggledBeforeItsHandlerHears) {
    Handle w = makeWindow("W");
    std::intptr_t seen = -1;
    setWindowProc(w, stateAtNotice, &seen);
    Handle check = createControl(w, Kind::CheckBox, 5, Rect{});
    person::click(check);
    EXPECT_EQ(seen, 1);
    person::click(check);
    EXPECT_EQ(seen, 0);
}

TEST_F(UiPerson, RadioButtonsSwitchOffTheirSiblingsOnly) {
    registerClass("RadioGroup", radioGroupProc);
    Handle w = makeWindow("W");
    Heard heard;
    heard.listen(w);
    CreateParams p;
    p.kind = Kind::Custom;
    p.className = "RadioGroup";
    p.parent = w;
    p.id = 20;
    Handle group = createWindow(p);
    Handle a = createControl(group, Kind::RadioButton, 21, Rect{});
    Handle b = createControl(group, Kind::RadioButton, 22, Rect{});
    Handle elsewhere = createControl(w, Kind::RadioButton, 30, Rect{});
    setValue(elsewhere, 1);
    person::click(a);
    person::click(b);
    EXPECT_EQ(value(a), 0);
    EXPECT_EQ(value(b), 1);
    EXPECT_EQ(value(elsewhere), 1);
    EXPECT_EQ(heard.lines, (std::vector<std::string>{"20:clicked", "20:clicked"}));
}

TEST_F(UiPerson, WhatAPersonCannotDoIsRefusedAndWritten) {
    Handle w = makeWindow("Export");
    Heard heard;
    heard.listen(w);
    Handle edit = createControl(w, Kind::Edit, 3, Rect{}, "old");
    Handle readOnly = createControl(w, Kind::Edit, 4, Rect{}, "", style::ReadOnly);
    Handle label = createControl(w, Kind::Static, 6, Rect{});
    Handle popup = createControl(w, Kind::Popup, 9, Rect{});
    setItems(popup, {"a"});
    setEnabled(edit, false);
    EXPECT_FALSE(person::type(edit, "new"));
    EXPECT_EQ(text(edit), "old");
    EXPECT_FALSE(person::type(readOnly, "x"));
    EXPECT_FALSE(person::click(label));
    EXPECT_FALSE(person::choose(popup, 1));
    EXPECT_FALSE(person::chooseText(popup, "b"));
    EXPECT_FALSE(person::click(kNoWindow));
    EXPECT_TRUE(heard.lines.empty());
    EXPECT_EQ(refusedCount(), 6);
    std::string log = transcriptText();
    EXPECT_NE(log.find("[Export] type #3 \"new\" -- refused: disabled"), std::string::npos);
    EXPECT_NE(log.find("refused: read-only"), std::string::npos);
    EXPECT_NE(log.find("choose #9 2 -- refused: no item 2"), std::string::npos);
}

TEST_F(UiKeys, TabWalksTheTabStopsBothWaysAndSelectsText) {
    Handle w = makeWindow("W");
    Handle first = createControl(w, Kind::Edit, 3, Rect{}, "page", style::TabStop);
    createControl(w, Kind::Static, 4, Rect{}, "label", style::TabStop | 0);
    Handle off = createControl(w, Kind::Edit, 5, Rect{}, "", style::TabStop);
    setEnabled(off, false);
    createControl(w, Kind::Static, 6, Rect{}); // no tab stop
    Handle last = createControl(w, Kind::PushButton, 1, Rect{}, "OK", style::TabStop);
    Handle statik = findControl(w, 4);
    setActiveWindow(w);
    EXPECT_EQ(tabOrder(w), (std::vector<Handle>{first, statik, last}));

    person::pressKey(w, Key::Tab); // nothing focused: the first
    EXPECT_EQ(focus(), first);
    EXPECT_EQ(selectedText(first), "page");
    person::pressKey(w, Key::Tab);
    person::pressKey(w, Key::Tab);
    EXPECT_EQ(focus(), last);
    person::pressKey(w, Key::Tab); // wraps
    EXPECT_EQ(focus(), first);
    person::pressKey(w, Key::ShiftTab); // wraps back
    EXPECT_EQ(focus(), last);
}

TEST_F(UiKeys, ReturnPressesIdOneUnlessAMultiLineEditTakesIt) {
    Handle w = makeWindow("W");
    Heard heard;
    heard.listen(w);
    Handle notes = createControl(w, Kind::Edit, 3, Rect{}, "ab",
                                 style::MultiLine | style::WantReturn | style::TabStop);
    Handle single = createControl(w, Kind::Edit, 4, Rect{}, "", style::TabStop);
    createControl(w, Kind::PushButton, 1, Rect{}, "OK");
    setFocus(notes);
    setTextSelection(notes, 1, 1);
    person::pressKey(w, Key::Return);
    EXPECT_EQ(text(notes), "a\nb");
    EXPECT_EQ(textSelection(notes).start, 2);
    setFocus(single);
    person::pressKey(w, Key::Return);
    person::pressKey(w, Key::Escape); // no control 2: the command is still sent
    EXPECT_EQ(heard.lines, (std::vector<std::string>{"3:text-changed", "1:clicked", "2:clicked"}));
}

TEST_F(UiKeys, ReturnOnADisabledDefaultButtonOnlyBeeps) {
    Handle w = makeWindow("W");
    Heard heard;
    heard.listen(w);
    Handle ok = createControl(w, Kind::PushButton, 1, Rect{}, "OK");
    setEnabled(ok, false);
    person::pressKey(w, Key::Return);
    EXPECT_TRUE(heard.lines.empty());
    EXPECT_EQ(beepCount(), 1);
}

TEST_F(UiKeys, SpaceClicksTheFocusedButton) {
    Handle w = makeWindow("W");
    Handle check = createControl(w, Kind::CheckBox, 5, Rect{}, "x", style::TabStop);
    setFocus(check);
    person::pressKey(w, Key::Space);
    EXPECT_EQ(value(check), 1);
}

// Handles every key itself.
std::intptr_t keyEater(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Key) {
        ++*static_cast<int*>(user);
        return 1;
    }
    return defaultProc(self, msg);
}

TEST_F(UiKeys, AWindowProcedureMayTakeKeysFirst) {
    Handle w = makeWindow("W");
    int eaten = 0;
    setWindowProc(w, keyEater, &eaten);
    Handle edit = createControl(w, Kind::Edit, 3, Rect{}, "", style::TabStop);
    person::pressKey(w, Key::Tab);
    EXPECT_EQ(eaten, 1);
    EXPECT_NE(focus(), edit);
}

TEST_F(UiPerson, FocusAndActivationAreRememberedPerWindow) {
    Handle main = makeWindow("Main");
    Handle field = createControl(main, Kind::Edit, 3, Rect{});
    Handle other = makeWindow("Other");
    Handle button = createControl(other, Kind::PushButton, 1, Rect{});
    setFocus(field);
    EXPECT_EQ(activeWindow(), main);
    setFocus(button);
    EXPECT_EQ(activeWindow(), other);
    EXPECT_EQ(topLevelWindows().front(), other);
    setActiveWindow(main);
    EXPECT_EQ(focus(), field);
    EXPECT_EQ(rememberedFocus(other), button);
    // The active window going away hands activation to its owner.
    CreateParams p;
    p.text = "Child";
    p.owner = field; // a control stands for its window
    Handle child = createWindow(p);
    EXPECT_EQ(owner(child), main);
    setActiveWindow(child);
    destroyWindow(child);
    EXPECT_EQ(activeWindow(), main);
    EXPECT_EQ(focus(), field);
}
