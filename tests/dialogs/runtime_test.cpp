// Running dialogs: building by name, handlers, the ids 1 and 2, scripts and
// the fallback close, the host window, texts and values of every kind.
#include "tests/dialogs/dialog_fixture.h"

#include "plugin/dialogs/dialog_builder.h"
#include "plugin/dialogs/window_desc.h"
#include "plugin/support/mymemory.h"
#include "xt/xttypes.h"

#include <cstring>

namespace plxtest {
namespace {

struct DialogRun {
    int setups = 0;
    int handled = 0;
    uint8_t handlerResult = 0;
    PlxWindow dialog = 0;
    bool modalAtSetup = true;
    ui::Rect rect;
    std::vector<std::string> notes;
};

uint8_t countHandler(PlxWindow, PlxWindow, void* user) {
    auto* run = static_cast<DialogRun*>(user);
    ++run->handled;
    return run->handlerResult;
}

using RuntimeTest = DialogTest;

TEST_F(RuntimeTest, modal_prefs_isBuiltCentredAndSetUpBeforeItShows) {
    ui::Handle host = ui::createWindow(ui::CreateParams{});
    ui::setActiveWindow(host);
    DialogRun run;
    script("[Plexmoor] toggle #4\n[Plexmoor] click #1\n");
    int32_t result = doModalDialog(
        "Prefs",
        [](PlxWindow dialog, void* user) {
            auto* r = static_cast<DialogRun*>(user);
            ++r->setups;
            r->dialog = dialog;
            r->rect = ui::rect(static_cast<ui::Handle>(dialog));
            r->modalAtSetup = ui::isModal(static_cast<ui::Handle>(dialog));
            // Changes from code call no handler.
            setControlHandler(dialog, 4, countHandler, user);
            setControlValue(dialog, 4, 1);
            setControlText(getControl(dialog, 4), "logging");
        },
        &run);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(run.setups, 1);
    EXPECT_FALSE(run.modalAtSetup);
    EXPECT_EQ(run.rect, (ui::Rect{(1280 - 341) / 2, (1024 - 119) / 4, 341, 119}));
    EXPECT_EQ(run.handled, 1); // the person's toggle only
    EXPECT_FALSE(ui::isWindow(static_cast<ui::Handle>(run.dialog)));
    // Without a known host window the active window's owner would be disabled; it has none.
    EXPECT_TRUE(ui::isEnabled(host));
    EXPECT_EQ(ui::activeWindow(), host);
}

TEST_F(RuntimeTest, modal_hostWindow_isDisabledMeanwhileAndRestored) {
    ui::Handle host = ui::createWindow(ui::CreateParams{});
    ui::Handle field = ui::createControl(host, ui::Kind::Edit, 7, ui::Rect{0, 0, 50, 20});
    ui::setFocus(field);
    gHostMainWindow = host;
    DialogRun run;
    doModalDialog(
        "Prefs",
        [](PlxWindow, void* user) { static_cast<DialogRun*>(user)->notes.push_back("setup"); },
        &run);
    // Nothing in the script: the dialog was closed as a person would close it.
    EXPECT_EQ(records(ui::RecordKind::Fallback), std::vector<std::string>{"Plexmoor"});
    EXPECT_TRUE(ui::isEnabled(host));
    EXPECT_EQ(ui::focus(), field);

    ui::setEnabled(host, false);
    script("[Plexmoor] key Escape\n");
    EXPECT_EQ(doModalDialog("Prefs", nullptr, nullptr), 2);
    EXPECT_FALSE(ui::isEnabled(host)); // given back as it was
}

TEST_F(RuntimeTest, modal_cancel_endsWith2UnlessItsHandlerTakesIt) {
    script("[Plexmoor] key Escape\n");
    EXPECT_EQ(doModalDialog("Prefs", nullptr, nullptr), 2);

    DialogRun run;
    run.handlerResult = 1;
    script("[Plexmoor] key Escape\n[Plexmoor] click #2\n[Plexmoor] key Return\n");
    int32_t result = doModalDialog(
        "Prefs", [](PlxWindow d, void* user) { setControlHandler(d, 2, countHandler, user); },
        &run);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(run.handled, 2);

    // A handler that does not take the command lets id 2 end the dialog.
    run = DialogRun();
    script("[Plexmoor] click #2\n");
    result = doModalDialog(
        "Prefs", [](PlxWindow d, void* user) { setControlHandler(d, 2, countHandler, user); },
        &run);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(run.handled, 1);
}

TEST_F(RuntimeTest, modal_quit_endsWithAnyCodeEvenFromSetup) {
    script("[Plexmoor] click #3\n");
    int32_t result = doModalDialog(
        "Prefs",
        [](PlxWindow d, void*) {
            setControlHandler(
                d, 3,
                [](PlxWindow, PlxWindow dialog, void*) -> uint8_t {
                    quitModalDialog(dialog, 7);
                    return 1;
                },
                nullptr);
        },
        nullptr);
    EXPECT_EQ(result, 7);
    EXPECT_EQ(doModalDialog(
                  "Prefs", [](PlxWindow d, void*) { quitModalDialog(d, 9); }, nullptr),
              9);
    EXPECT_TRUE(records(ui::RecordKind::Opened).size() == 1u);
}

TEST_F(RuntimeTest, modal_withoutDescription_isTheEmptyDialogTitledByTheName) {
    german();
    std::string title;
    doModalDialog(
        "lastFolder",
        [](PlxWindow d, void* user) {
            *static_cast<std::string*>(user) = ui::text(static_cast<ui::Handle>(d));
            EXPECT_EQ(ui::rect(static_cast<ui::Handle>(d)).w, 300);
            EXPECT_TRUE(ui::children(static_cast<ui::Handle>(d)).empty());
        },
        &title);
    EXPECT_EQ(title, "Letzten Ordner verwenden");
}

TEST_F(RuntimeTest, getControl_isDepthFirstAndMatchesCommandCodes) {
    PlxWindow d = createDialogWindow("Progress", nullptr, nullptr);
    ui::Handle cancel = h(getControl(d, 2));
    EXPECT_EQ(ui::kind(cancel), ui::Kind::PushButton);
    EXPECT_EQ(getControl(d, static_cast<int32_t>(xtFourCharCode("not!"))), cancel);
    EXPECT_EQ(getControl(d, 99), 0u);
    // A second control with id 2, made later in a deeper pane, is not found first.
    ui::Handle pane = ui::createControl(h(getControl(d, 0)), ui::Kind::Pane, 50, ui::Rect{});
    ui::createControl(pane, ui::Kind::Edit, 2, ui::Rect{});
    EXPECT_EQ(getControl(d, 2), cancel);
    destroyDialogWindow(d);
}

TEST_F(RuntimeTest, values_ofEveryKind) {
    ui::CreateParams p;
    ui::Handle w = ui::createWindow(p);
    auto make = [&](ui::Kind kind, int id, std::vector<std::string> items = {}) {
        ui::CreateParams c;
        c.kind = kind;
        c.parent = w;
        c.id = id;
        c.items = std::move(items);
        return ui::createWindow(c);
    };
    ui::Handle popup = make(ui::Kind::Popup, 1, {"a", "b", "c"});
    ui::Handle combo = make(ui::Kind::ComboBox, 2, {"x", "y"});
    ui::Handle edit = make(ui::Kind::Edit, 3);
    ui::Handle check = make(ui::Kind::CheckBox, 4);
    ui::Handle bar = make(ui::Kind::ProgressBar, 5);
    ui::Handle tabs = make(ui::Kind::TabControl, 6, {"one", "two"});
    ui::Handle push = make(ui::Kind::PushButton, 7);
    ui::Handle list = make(ui::Kind::ListBox, 8, {"l1", "l2"});

    EXPECT_EQ(getControlValue(popup), 0); // nothing selected
    setControlValue(popup, 1);
    EXPECT_EQ(ui::text(popup), "a");
    EXPECT_EQ(getControlValue(popup), 1);
    setControlValue(w, 1, 0);
    EXPECT_EQ(ui::selection(popup), -1);
    setControlValue(combo, 2);
    EXPECT_EQ(ui::text(combo), "y");
    EXPECT_EQ(getControlValue(w, 2), 2);
    setControlValue(edit, -42);
    EXPECT_EQ(ui::text(edit), "-42");
    ui::setText(edit, "  17 pages");
    EXPECT_EQ(getControlValue(edit), 17);
    ui::setText(edit, "99999999999");
    EXPECT_EQ(getControlValue(edit), INT32_MAX);
    setControlValue(check, 1);
    EXPECT_EQ(getControlValue(check), 1);
    setControlRange(bar, 0, 10);
    setControlValue(bar, 4);
    EXPECT_EQ(getControlValue(bar), 4);
    setControlValue(tabs, 2);
    EXPECT_EQ(getControlValue(tabs), 2);
    setControlValue(push, 5);
    EXPECT_EQ(getControlValue(push), 0);
    EXPECT_EQ(getControlValue(0), 0);

    // Texts: a popup title that is no item selects the first; keys are looked up.
    setControlText(popup, "c");
    EXPECT_EQ(ui::text(popup), "c");
    setControlText(popup, "zzz");
    EXPECT_EQ(ui::text(popup), "a");
    setControlText(push, "cancel");
    EXPECT_EQ(ui::text(push), "Cancel");
    ui::setSelection(list, 1);
    setControlText(list, "l1");
    EXPECT_EQ(ui::text(list), "l2");
    setControlTextWithFormat(edit, "%d-%d", 3, 4);
    EXPECT_EQ(ui::text(edit), "3-4");

    char* copy = getControlText(list);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "l2");
    myfree(copy);
    EXPECT_EQ(getControlText(push), nullptr);
}

TEST_F(RuntimeTest, text_intoABuffer_isWholeOrEmpty) {
    ui::Handle w = ui::createWindow(ui::CreateParams{});
    ui::Handle edit = ui::createControl(w, ui::Kind::Edit, 3, ui::Rect{});
    char buffer[kControlTextSize];
    std::string fits(254, 'a');
    ui::setText(edit, fits);
    EXPECT_TRUE(getControlText(edit, buffer));
    EXPECT_EQ(std::string(buffer), fits);
    ui::setText(edit, fits + "b");
    EXPECT_FALSE(getControlText(edit, buffer));
    EXPECT_STREQ(buffer, "");
    // A formatted text longer than the 2048-byte buffer is cut whole characters only.
    std::string umlauts(3000, 'x');
    for (size_t i = 0; i < umlauts.size(); i += 2)
        umlauts.replace(i, 2, "\xC3\xA4");
    setControlTextWithFormat(edit, "%s", umlauts.c_str());
    EXPECT_EQ(ui::text(edit).size(), 2046u);
}

TEST_F(RuntimeTest, combo_remembersTheChosenTextAndOffersItAgain) {
    PlxWindow d = createDialogWindow("no such", nullptr, nullptr);
    ui::Handle combo = ui::createControl(h(d), ui::Kind::ComboBox, 5, ui::Rect{});
    ui::setItems(combo, {"one", "two", "three"});
    ASSERT_TRUE(ui::person::choose(combo, 2));
    char stored[32];
    ASSERT_TRUE(getStringProperty(combo, xtFourCharCode("comb"), stored, 32));
    EXPECT_STREQ(stored, "three");
    destroyDialogWindow(d);
}

} // namespace
} // namespace plxtest
