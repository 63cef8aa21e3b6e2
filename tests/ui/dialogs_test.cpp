// The message box, the save dialog with its extension panel, the beep, and what
// the transcript and the observer are told about them.
#include "ui_fixture.h"

#include "tests/common/native_text.h"
#include "tests/common/temp_dir.h"

using namespace ui;
using uitest::UiTest;

using UiMessageBox = UiTest;
using UiSaveDialog = UiTest;

namespace {

MessageBoxOptions yesCancelNo() {
    MessageBoxOptions box;
    box.title = "Plexmoor";
    box.text = "Replace?";
    box.buttons = {"Yes", "Cancel", "No"};
    return box;
}

struct Seen {
    std::vector<std::string> lines;
    static void observe(const Event& e, void* user) {
        if (e.kind == EventKind::Recorded)
            static_cast<Seen*>(user)->lines.push_back(formatRecord(*e.record));
    }
};

} // namespace

TEST_F(UiMessageBox, AnswersAreButtonNumbersAndClosingIsTwo) {
    WindowRef box = WindowRef::ofKind(Kind::MessageBox);
    setScript({Action::answer(box, 3)});
    EXPECT_EQ(messageBox(yesCancelNo()), 3);
    setScript({Action::answerText(box, "Yes")});
    EXPECT_EQ(messageBox(yesCancelNo()), 1);
    setScript({Action::press(box, Key::Return)});
    EXPECT_EQ(messageBox(yesCancelNo()), 1);
    setScript({Action::close(box)});
    EXPECT_EQ(messageBox(yesCancelNo()), 2);
    EXPECT_EQ(messageBox(yesCancelNo()), 2); // nothing scripted
    MessageBoxOptions single;
    single.text = "Done.";
    setScript({Action::press(box, Key::Escape)});
    EXPECT_EQ(messageBox(single), 2);
    EXPECT_TRUE(topLevelWindows().empty());
}

TEST_F(UiMessageBox, AnUntitledButtonIsHiddenButKeepsItsNumber) {
    MessageBoxOptions box;
    box.buttons = {"OK", ""};
    WindowRef any = WindowRef::ofKind(Kind::MessageBox);
    setScript({Action::answer(any, 2), Action::press(any, Key::Escape)});
    EXPECT_EQ(messageBox(box), 2); // the refused answer, then Escape
    EXPECT_EQ(refusedCount(), 1);
}

TEST_F(UiMessageBox, TheTranscriptAndTheObserverSeeEveryBox) {
    Seen seen;
    setObserver(Seen::observe, &seen);
    setScript({Action::answer(WindowRef::titled("Plexmoor"), 2)});
    beep();
    messageBox(yesCancelNo());
    setObserver(nullptr);
    beep();
    std::vector<std::string> expected = {"beep",
                                         "message box [Plexmoor] \"Replace?\" (Yes | Cancel | No)",
                                         "[Plexmoor] answer 2", "[Plexmoor] answered 2"};
    EXPECT_EQ(seen.lines, expected);
    EXPECT_EQ(beepCount(), 2);
    std::vector<Record> records = transcript();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[1].kind, RecordKind::MessageBox);
    EXPECT_EQ(records[1].items, (std::vector<std::string>{"Yes", "Cancel", "No"}));
    EXPECT_EQ(records[3].result, 2);
}

// The box exists when it is announced, so the observer can measure it.
void grabHeight(const Event& e, void* user) {
    if (e.kind == EventKind::Recorded && e.record->kind == RecordKind::MessageBox)
        *static_cast<int*>(user) = rect(topLevelWindows().front()).h;
}

TEST_F(UiMessageBox, ALongTextMakesATallerBox) {
    int shortHeight = 0, longHeight = 0;
    MessageBoxOptions box;
    box.text = "short";
    setObserver(grabHeight, &shortHeight);
    messageBox(box);
    box.text = std::string(5000, 'w') + "\nsecond paragraph";
    setObserver(grabHeight, &longHeight);
    messageBox(box);
    EXPECT_GT(longHeight, shortHeight + 1000);
}

namespace {

// The caller's side of a save dialog with a panel: a check box that switches the
// file name, and a page field that must not be empty on OK.
struct Panel {
    int inits = 0;
    int commands = 0;
    int refusals = 0;
    std::string pathAtOk;

    static bool hook(const SaveEvent& e, void* user) {
        auto* p = static_cast<Panel*>(user);
        switch (e.kind) {
        case SaveEventKind::Init:
            ++p->inits;
            createControl(e.panel, Kind::Edit, 3, Rect{10, 10, 100, 20}, "1", style::TabStop);
            createControl(e.panel, Kind::CheckBox, 7, Rect{10, 40, 100, 20}, "Layout name");
            createControl(e.panel, Kind::PushButton, 2, Rect{120, 40, 60, 20}, "Reset");
            return false;
        case SaveEventKind::Command:
            ++p->commands;
            if (e.id == 7) saveDialogSetFileName(e.dialog, value(e.control) ? "Layout" : "Project");
            return false;
        case SaveEventKind::FileOk:
            p->pathAtOk = saveDialogPath(e.dialog);
            if (text(findControl(e.panel, 3)).empty()) {
                ++p->refusals;
                return true;
            }
            return false;
        }
        return false;
    }
};

SaveDialogOptions withPanel(Panel* panel, const std::string& initial) {
    SaveDialogOptions o;
    o.title = "Save pages as EPS/PDF";
    o.initialPath = initial;
    o.panelSize = Size{400, 80};
    o.hook = Panel::hook;
    o.hookUser = panel;
    return o;
}

WindowRef saveWindow() {
    return WindowRef::ofKind(Kind::SaveDialog);
}

} // namespace

TEST_F(UiSaveDialog, ThePanelHookSeesInitCommandsAndOk) {
    plxtest::TempDir dir;
    Panel panel;
    // The panel's own button with id 2 is the hook's business and cancels nothing.
    setScript({Action::click(saveWindow(), ControlRef::byText("Reset")),
               Action::click(saveWindow(), ControlRef::byId(7)),
               Action::click(saveWindow(), ControlRef::byId(1))});
    std::string chosen;
    EXPECT_EQ(runSaveDialog(withPanel(&panel, dir.file("Catalog")), &chosen), 1);
    EXPECT_EQ(panel.inits, 1);
    EXPECT_EQ(panel.commands, 2);
    EXPECT_EQ(chosen, dir.file("Layout"));
    EXPECT_EQ(panel.pathAtOk, chosen);
    EXPECT_TRUE(topLevelWindows().empty());
}

TEST_F(UiSaveDialog, TheHookCanRefuseAndTheDialogStaysOpen) {
    plxtest::TempDir dir;
    Panel panel;
    setScript({Action::type(saveWindow(), ControlRef::byId(3), ""),
               Action::press(saveWindow(), Key::Return),
               Action::type(saveWindow(), ControlRef::byId(3), "1-2"),
               Action::path(saveWindow(), dir.file("out.eps"))});
    std::string chosen;
    EXPECT_EQ(runSaveDialog(withPanel(&panel, dir.file("a.eps")), &chosen), 1);
    EXPECT_EQ(panel.refusals, 1);
    EXPECT_EQ(chosen, dir.file("out.eps"));
}

TEST_F(UiSaveDialog, CancelOrClosingLeavesThePathAlone) {
    Panel panel;
    std::string chosen = "untouched";
    setScript({Action::click(saveWindow(), ControlRef::byText("Cancel"))});
    EXPECT_EQ(runSaveDialog(withPanel(&panel, "/tmp/x.eps"), &chosen), 2);
    EXPECT_EQ(runSaveDialog(withPanel(&panel, "/tmp/x.eps"), &chosen), 2);
    EXPECT_EQ(chosen, "untouched");
}

TEST_F(UiSaveDialog, UnusablePathsAreToldAndKeepTheDialogOpen) {
    plxtest::TempDir dir;
    SaveDialogOptions o;
    o.initialPath = dir.file("x.eps");
    o.confirmOverwrite = true;
    ASSERT_TRUE(plxtest::writeFile(dir.file("exists.eps"), "old"));
    WindowRef box = WindowRef::ofKind(Kind::MessageBox);
    setScript({Action::path(saveWindow(), dir.file("missing/x.eps")), Action::answer(box, 1),
               Action::path(saveWindow(), dir.path()), Action::answer(box, 1),
               Action::type(saveWindow(), ControlRef::byId(kSaveNameId), ""),
               Action::press(saveWindow(), Key::Return),
               Action::path(saveWindow(), dir.file("exists.eps")), Action::answerText(box, "No"),
               Action::path(saveWindow(), dir.file("exists.eps")), Action::answerText(box, "Yes")});
    std::string chosen;
    EXPECT_EQ(runSaveDialog(o, &chosen), 1);
    EXPECT_EQ(chosen, dir.file("exists.eps"));
    EXPECT_EQ(beepCount(), 1); // the empty name
    std::string log = transcriptText();
    EXPECT_NE(log.find("does not exist."), std::string::npos);
    EXPECT_NE(log.find("is a folder."), std::string::npos);
    EXPECT_NE(log.find("already exists. Replace it?"), std::string::npos);
    EXPECT_EQ(scriptRemaining(), 0u);
}

TEST_F(UiSaveDialog, FieldsComeFromTheInitialPath) {
    struct Fields {
        std::string folder, name, selected;
        bool nameFocused = false;
        static bool hook(const SaveEvent& e, void* user) {
            auto* f = static_cast<Fields*>(user);
            f->folder = saveDialogFolder(e.dialog);
            f->name = saveDialogFileName(e.dialog);
            Handle nameField = findControl(e.dialog, kSaveNameId);
            f->nameFocused = focus() == nameField;
            f->selected = selectedText(nameField);
            return false;
        }
    } fields;
    SaveDialogOptions o;
    o.initialPath = "/tmp/n.eps";
    o.hook = Fields::hook;
    o.hookUser = &fields;
    setScript({Action::press(saveWindow(), Key::Return)});
    std::string chosen;
    EXPECT_EQ(runSaveDialog(o, &chosen), 1);
    // The folder and the name are joined with the platform's separator.
    EXPECT_EQ(plxtest::slashed(chosen), "/tmp/n.eps");
    EXPECT_EQ(fields.folder, "/tmp");
    EXPECT_TRUE(fields.nameFocused); // the name field comes up focused, all selected
    EXPECT_EQ(fields.selected, "n.eps");
    o.initialPath = "/tmp/"; // a folder alone: seen at Init, then closed unanswered
    EXPECT_EQ(runSaveDialog(o, &chosen), 2);
    EXPECT_EQ(fields.folder, "/tmp");
    EXPECT_EQ(fields.name, "");
    EXPECT_EQ(joinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(joinPath("/a", "/abs/b"), "/abs/b");
    EXPECT_EQ(joinPath("", "b"), "b");
    EXPECT_EQ(saveDialogPath(kNoWindow), "");
    EXPECT_FALSE(saveDialogSetFileName(kNoWindow, "x"));
}
