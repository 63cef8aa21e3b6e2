// Windows, their tree and attributes, set from code.
#include "ui_fixture.h"

#include <cstring>

using namespace ui;
using uitest::Heard;
using uitest::UiTest;

using UiWindow = UiTest;

TEST_F(UiWindow, CreationNeedsAParentExceptForTopLevelWindows) {
    EXPECT_EQ(createControl(kNoWindow, Kind::PushButton, 1, Rect{}), kNoWindow);
    Handle w = makeWindow("W");
    CreateParams nested;
    nested.parent = w; // a Kind::Window inside another window is refused
    EXPECT_EQ(createWindow(nested), kNoWindow);
    CreateParams box;
    box.kind = Kind::MessageBox; // only the library makes these
    EXPECT_EQ(createWindow(box), kNoWindow);
    CreateParams custom;
    custom.kind = Kind::Custom;
    custom.parent = w;
    custom.className = "NotRegistered";
    EXPECT_EQ(createWindow(custom), kNoWindow);
}

TEST_F(UiWindow, TreeKeepsCreationOrderAndSearchIsDepthFirst) {
    Handle w = makeWindow("W");
    Handle pane = createControl(w, Kind::Pane, 0, Rect{});
    Handle inner = createControl(pane, Kind::Edit, 5, Rect{});
    Handle later = createControl(w, Kind::PushButton, 5, Rect{}, "OK");
    setCommand(later, fourCC("not!"));
    EXPECT_EQ(children(w), (std::vector<Handle>{pane, later}));
    EXPECT_EQ(descendants(w), (std::vector<Handle>{pane, inner, later}));
    // Ids need not be unique: the first in depth-first order wins.
    EXPECT_EQ(findControl(w, 5), inner);
    EXPECT_EQ(findControl(w, 0), pane);
    EXPECT_EQ(findControlByCommand(w, fourCC("not!")), later);
    EXPECT_EQ(findControlByCommand(w, 0), kNoWindow);
    EXPECT_EQ(findControlByText(w, "OK"), later);
    EXPECT_EQ(topLevel(inner), w);
    EXPECT_EQ(fourCCText(fourCC("prog")), "prog");
    EXPECT_EQ(fourCCText(fourCC("sap")), "sap ");
    const char bytes[] = {'X', 'E', 'P', 'S'};
    std::uint32_t memoryOrder;
    std::memcpy(&memoryOrder, bytes, 4);
    EXPECT_EQ(fourCC("XEPS"), memoryOrder);
}

TEST_F(UiWindow, DestroyedHandlesStayInvalidAndHarmless) {
    Handle w = makeWindow("W");
    Handle pane = createControl(w, Kind::Pane, 0, Rect{});
    Handle edit = createControl(pane, Kind::Edit, 3, Rect{}, "x");
    setFocus(edit);
    setTimer(edit, 1, 10);
    ASSERT_TRUE(destroyWindow(w));
    for (Handle h : {w, pane, edit}) {
        EXPECT_FALSE(isWindow(h));
        EXPECT_FALSE(setText(h, "y"));
        EXPECT_EQ(text(h), "");
        EXPECT_EQ(value(h), 0);
    }
    EXPECT_EQ(focus(), kNoWindow);
    EXPECT_FALSE(hasTimer(edit, 1));
    EXPECT_FALSE(destroyWindow(w));
    // A new window never reuses an old handle, even across a reset.
    ASSERT_TRUE(reset());
    EXPECT_GT(makeWindow("V"), edit);
}

// A window whose Destroy destroys it again, makes a new child and tries a reset.
std::intptr_t stubbornProc(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Destroy) {
        destroyWindow(self);
        createControl(self, Kind::Static, 9, Rect{});
        *static_cast<bool*>(user) = reset();
    }
    return defaultProc(self, msg);
}

TEST_F(UiWindow, DestroyCopesWithProceduresThatMeddle) {
    Handle w = makeWindow("W");
    Handle pane = createControl(w, Kind::Pane, 0, Rect{});
    bool resetWorked = true;
    setWindowProc(pane, stubbornProc, &resetWorked);
    EXPECT_TRUE(destroyWindow(w));
    EXPECT_FALSE(resetWorked);
    EXPECT_TRUE(topLevelWindows().empty());
    EXPECT_TRUE(reset());
}

TEST_F(UiWindow, PopupTextSelectsAnItemOrChangesNothing) {
    Handle w = makeWindow("W");
    CreateParams p;
    p.kind = Kind::Popup;
    p.parent = w;
    p.items = {"EPS", "-", "PDF"};
    Handle popup = createWindow(p);
    EXPECT_EQ(selection(popup), -1);
    EXPECT_EQ(text(popup), "");
    EXPECT_TRUE(setText(popup, "PDF"));
    EXPECT_EQ(value(popup), 2);
    EXPECT_EQ(text(popup), "PDF");
    EXPECT_FALSE(setText(popup, "TIFF"));
    EXPECT_EQ(text(popup), "PDF");
    EXPECT_TRUE(setValue(popup, 7)); // out of range clears
    EXPECT_EQ(selection(popup), -1);
}

TEST_F(UiWindow, ComboShowsTheChosenItemAndKeepsTypedText) {
    Handle w = makeWindow("W");
    CreateParams p;
    p.kind = Kind::ComboBox;
    p.parent = w;
    p.items = {"one", "two"};
    Handle combo = createWindow(p);
    setSelection(combo, 1);
    EXPECT_EQ(text(combo), "two");
    setText(combo, "free text");
    EXPECT_EQ(selection(combo), -1);
    setText(combo, "one");
    EXPECT_EQ(selection(combo), 0);
}

TEST_F(UiWindow, SortedListsAndTabsKeepTheirSelection) {
    Handle w = makeWindow("W");
    Handle list = createControl(w, Kind::ListBox, 1, Rect{}, "", style::Sorted);
    setItems(list, {"pear", "Apple", "fig"});
    EXPECT_EQ(items(list), (std::vector<std::string>{"Apple", "fig", "pear"}));
    setSelection(list, 1);
    EXPECT_EQ(addItem(list, "banana"), 1);
    EXPECT_EQ(text(list), "fig"); // the selection moved along with its item
    EXPECT_FALSE(setText(list, "pear"));
    Handle tabs = createControl(w, Kind::TabControl, 2, Rect{});
    EXPECT_EQ(selection(tabs), -1);
    addItem(tabs, "General");
    EXPECT_EQ(selection(tabs), 0);
    EXPECT_EQ(addItem(createControl(w, Kind::Edit, 3, Rect{}), "x"), -1);
}

// Progress the observer was told of, as "value/maximum".
void progressSeen(const Event& e, void* user) {
    if (e.kind == EventKind::ProgressChanged)
        static_cast<std::vector<std::string>*>(user)->push_back(std::to_string(e.value) + "/" +
                                                                std::to_string(e.maximum));
}

TEST_F(UiWindow, ProgressPositionStaysInItsRange) {
    Handle w = makeWindow("W");
    Handle bar = createControl(w, Kind::ProgressBar, 3, Rect{});
    std::vector<std::string> seen;
    setObserver(progressSeen, &seen);
    EXPECT_TRUE(setRange(bar, 0, 4));
    setValue(bar, 9);
    setValue(bar, 4); // no change, nothing to tell
    EXPECT_EQ(seen, (std::vector<std::string>{"4/4"}));
    EXPECT_EQ(value(bar), 4);
    setValue(bar, -1);
    EXPECT_EQ(value(bar), 0);
    EXPECT_FALSE(setRange(bar, 5, 1));
    setValue(bar, 3);
    setRange(bar, 0, 2);
    EXPECT_EQ(value(bar), 2);
}

TEST_F(UiWindow, TextSelectionCountsCharactersNotBytes) {
    Handle w = makeWindow("W");
    Handle edit = createControl(w, Kind::Edit, 3, Rect{}, "Größe");
    EXPECT_EQ(textSelection(edit).start, 5); // caret at the end
    setTextSelection(edit, 0, 32);           // clamped to the five characters
    EXPECT_EQ(textSelection(edit).end, 5);
    EXPECT_EQ(selectedText(edit), "Größe");
    setTextSelection(edit, 4, 2);
    EXPECT_EQ(selectedText(edit), "öß");
    setText(edit, "ab");
    EXPECT_EQ(textSelection(edit).start, 2);
    EXPECT_FALSE(setTextSelection(createControl(w, Kind::Static, 4, Rect{}), 0, 1));
}

TEST_F(UiWindow, UsableNeedsTheWholeChainEnabledAndVisible) {
    Handle w = makeWindow("W");
    Handle group = createControl(w, Kind::Pane, 0, Rect{});
    Handle check = createControl(group, Kind::CheckBox, 5, Rect{});
    EXPECT_TRUE(isUsable(check));
    EXPECT_TRUE(setEnabled(group, false)); // returns the previous state
    EXPECT_FALSE(setEnabled(group, false));
    EXPECT_TRUE(isEnabled(check));
    EXPECT_FALSE(isUsable(check));
    setEnabled(group, true);
    setVisible(w, false);
    EXPECT_FALSE(isUsable(check));
}

TEST_F(UiWindow, PropertiesHoldNumbersAndOwnCopiesOfTexts) {
    Handle w = makeWindow("W");
    int target = 0;
    setProp(w, "user", reinterpret_cast<std::intptr_t>(&target));
    EXPECT_EQ(prop(w, "user"), reinterpret_cast<std::intptr_t>(&target));
    EXPECT_EQ(prop(w, "none", -5), -5);
    {
        std::string temporary(300, 'x');
        setStringProp(w, "comb", temporary);
    }
    std::string held;
    ASSERT_TRUE(getStringProp(w, "comb", &held));
    EXPECT_EQ(held, std::string(300, 'x'));
    EXPECT_TRUE(removeStringProp(w, "comb"));
    EXPECT_FALSE(getStringProp(w, "comb", &held));
    EXPECT_FALSE(removeProp(w, "none"));
}

TEST_F(UiWindow, CodeChangesNeverNotify) {
    Handle w = makeWindow("W");
    Heard heard;
    heard.listen(w);
    Handle edit = createControl(w, Kind::Edit, 3, Rect{});
    Handle check = createControl(w, Kind::CheckBox, 5, Rect{});
    Handle popup = createControl(w, Kind::Popup, 9, Rect{});
    setItems(popup, {"a", "b"});
    setText(edit, "typed by code");
    setValue(check, 1);
    setSelection(popup, 1);
    setFocus(edit);
    EXPECT_TRUE(heard.lines.empty());
}

// A class whose value is the number of its children that are switched on.
std::intptr_t countingProc(Handle self, const Message& msg, void* user) {
    if (msg.msg == Msg::Create) ++*static_cast<int*>(user);
    if (msg.msg == Msg::GetValue) {
        int on = 0;
        for (Handle child : children(self))
            on += value(child) != 0;
        return on;
    }
    return defaultProc(self, msg);
}

TEST_F(UiWindow, RegisteredClassesAnswerForTheirValue) {
    int created = 0;
    registerClass("Counter", countingProc, &created);
    Handle w = makeWindow("W");
    CreateParams p;
    p.kind = Kind::Custom;
    p.className = "Counter";
    p.parent = w;
    Handle counter = createWindow(p);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(className(counter), "Counter");
    Handle a = createControl(counter, Kind::CheckBox, 1, Rect{});
    createControl(counter, Kind::CheckBox, 2, Rect{});
    setValue(a, 1);
    EXPECT_EQ(value(counter), 1);
    // Replacing a class leaves windows made before with the old procedure.
    registerClass("Counter", nullptr);
    EXPECT_EQ(value(counter), 1);
    EXPECT_TRUE(unregisterClass("Counter"));
    EXPECT_FALSE(isClassRegistered("Counter"));
}
