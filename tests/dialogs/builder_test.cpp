// Reading window descriptions and building them into windows.
#include "tests/dialogs/dialog_fixture.h"

#include "plugin/dialogs/dialog_builder.h"
#include "plugin/dialogs/window_desc.h"
#include "xt/xttypes.h"

#include <climits>
#include <cstring>

namespace plxtest {
namespace {

class BuilderTest : public DialogTest {
  protected:
    // Builds the controls (XML of <control> elements) into a new dialog of
    // 400 x 300 and returns the dialog.
    ui::Handle build(const std::string& controls) {
        std::string text =
            "<window><name>prefsdlg</name><rect>5 6 400 300</rect>" + controls + "</window>";
        WindowDesc desc;
        EXPECT_TRUE(parseWindowDescription(text.c_str(), &desc));
        bool described = true;
        PlxWindow dialog = createDialogWindow("no such description", nullptr, &described);
        EXPECT_FALSE(described);
        buildWindow(dialog, desc);
        return h(dialog);
    }
    static ui::Handle rootPane(ui::Handle window) { return ui::children(window).at(0); }
};

std::string control(const std::string& type, int id, const std::string& rect,
                    const std::string& more = "") {
    return "<control><type>" + type + "</type><id>" + std::to_string(id) + "</id><rect>" + rect +
           "</rect>" + more + "</control>";
}

TEST_F(BuilderTest, builder_window_headWhereverItStandsAndARootPane) {
    // The window's own rect is never taken from a control standing before it.
    std::string text = "<window>" + control("push", 1, "1 2 3 4") +
                       "<rect>0 0 200 100</rect><name>ok</name></window>";
    WindowDesc desc;
    ASSERT_TRUE(parseWindowDescription(text.c_str(), &desc));
    EXPECT_EQ(desc.rect.w, 200);
    EXPECT_STREQ(desc.name, "OK");
    ASSERT_EQ(desc.controls.size(), 1u);
    EXPECT_EQ(desc.controls[0].rect.w, 3);

    // Built: the window's size and title, and a root pane covering it.
    ui::Handle w = build("");
    EXPECT_EQ(ui::rect(w), (ui::Rect{5, 6, 400, 300}));
    EXPECT_EQ(ui::text(w), "Plexmoor - Preferences");
    ui::Handle root = rootPane(w);
    EXPECT_EQ(ui::className(root), "UserPane");
    EXPECT_EQ(ui::id(root), 0);
    EXPECT_EQ(ui::rect(root), (ui::Rect{0, 0, 400, 300}));
}

TEST_F(BuilderTest, builder_rects_followEachTypesAdjustments) {
    ui::Handle w = build(control("push", 1, "10 20 80 40") + control("cbox", 2, "10 50 80 10") +
                         control("etxt", 3, "10 80 80 50") + control("eutx", 4, "10 80 80 50") +
                         control("etxt", 5, "10 80 80 50", "<multi>1</multi>") +
                         control("stxt", 6, "10 140 80 50") + control("popb", 7, "10 200 80 150") +
                         control("comb", 8, "100 200 80 150") + control("sepa", 9, "10 250 300 1") +
                         control("lbox", 10, "200 10 80 90"));
    ui::Handle root = rootPane(w);
    auto at = [&](int id) { return ui::rect(ui::findControl(root, id)); };
    EXPECT_EQ(at(1), (ui::Rect{10, 17, 80, 24})); // push buttons are 24 high whatever is written
    EXPECT_EQ(at(2), (ui::Rect{10, 47, 80, 24}));
    EXPECT_EQ(at(3), (ui::Rect{10, 77, 80, 19}));
    EXPECT_EQ(at(5), (ui::Rect{10, 77, 80, 50}));
    EXPECT_EQ(at(6), (ui::Rect{10, 140, 80, 16}));
    EXPECT_EQ(at(7), (ui::Rect{13, 198, 75, 21}));
    EXPECT_EQ(ui::prop(ui::findControl(root, 7), "listHeight"), 200);
    EXPECT_EQ(at(8), (ui::Rect{103, 200, 75, 21}));
    EXPECT_EQ(ui::prop(ui::findControl(root, 8), "listHeight"), 100);
    EXPECT_EQ(at(9), (ui::Rect{10, 247, 300, 1}));
    EXPECT_EQ(at(10), (ui::Rect{200, 10, 80, 90}));
    EXPECT_TRUE(ui::hasStyle(ui::findControl(root, 1), ui::style::DefaultButton));
    // The separator draws its grey line across (relative to the dialog's client area).
    EXPECT_NE(ui::drawSvg(w).find(
                  "<line x1=\"11\" y1=\"272\" x2=\"311\" y2=\"272\" stroke=\"#808080\"/>"),
              std::string::npos);

    // Both edit codes make the same field.
    ui::ControlInfo etxt = ui::observe(ui::findControl(root, 3));
    ui::ControlInfo eutx = ui::observe(ui::findControl(root, 4));
    EXPECT_EQ(etxt.kind, eutx.kind);
    EXPECT_EQ(etxt.style, eutx.style);
    EXPECT_EQ(etxt.rect, eutx.rect);
}

TEST_F(BuilderTest, builder_rects_atTheEndsOfTheRangeStopThereInsteadOfWrapping) {
    DescControl c;
    std::memcpy(c.type, "popb", 5);
    c.rect = DescRect{INT32_MAX, INT32_MIN, INT32_MIN, 5};
    DescRect r = adjustedRect(c);
    EXPECT_EQ(r.x, INT32_MAX);
    EXPECT_EQ(r.y, INT32_MIN);
    EXPECT_EQ(r.w, INT32_MIN);
    for (const char* type : {"push", "etxt", "rgrp"}) {
        std::memcpy(c.type, type, 5);
        c.rect = DescRect{0, INT32_MIN + 1, 10, 10};
        EXPECT_EQ(adjustedRect(c).y, INT32_MIN) << type;
    }

    // A group box far out moves its contents no further than the end.
    ui::Handle w = build(control("grpb", 5, "2147483640 -2147483646 10 10",
                                 "<text>ok</text>") +
                         control("cbox", 6, "100 -100 10 10") + control("####", -1, "0 0 0 0"));
    ui::Rect inside = ui::rect(ui::findControl(rootPane(w), 6));
    EXPECT_EQ(inside.x, INT32_MAX);
    EXPECT_EQ(inside.y, INT32_MIN);
}

TEST_F(BuilderTest, builder_groupBox_movesItsContentsButDoesNotHoldThem) {
    ui::Handle w = build(control("grpb", 20, "10 30 200 100", "<text>all</text>") +
                         control("cbox", 21, "5 15 80 10") + control("####", -1, "") +
                         control("cbox", 22, "5 15 80 10") + control("grpb", 23, "10 200 200 50") +
                         control("stxt", 24, "1 1 50 10"));
    ui::Handle root = rootPane(w);
    ui::Handle group = ui::findControl(root, 20);
    EXPECT_EQ(ui::rect(group), (ui::Rect{10, 26, 200, 100})); // a titled group box goes up 4
    ui::Handle inside = ui::findControl(root, 21);
    EXPECT_EQ(ui::rect(inside), (ui::Rect{15, 38, 80, 24}));
    EXPECT_EQ(ui::parent(inside), root);
    // The end marker closed the group: back to the plain origin.
    EXPECT_EQ(ui::rect(ui::findControl(root, 22)), (ui::Rect{5, 12, 80, 24}));
    // Without a title the group box keeps its y.
    EXPECT_EQ(ui::rect(ui::findControl(root, 24)), (ui::Rect{11, 201, 50, 16}));
}

TEST_F(BuilderTest, builder_endMarker_withNoOpenContainerReturnsToTheWindow) {
    ui::Handle w = build(control("upan", 30, "0 0 100 100") + control("push", 31, "1 4 10 10") +
                         control("####", -1, "") + control("push", 32, "1 4 10 10") +
                         control("####", -1, "") + control("push", 33, "1 4 10 10") +
                         control("####", -1, "") + control("push", 34, "1 4 10 10"));
    ui::Handle pane = ui::findControl(w, 30);
    EXPECT_EQ(ui::parent(ui::findControl(w, 31)), pane);
    EXPECT_EQ(ui::parent(ui::findControl(w, 32)), rootPane(w));
    EXPECT_EQ(ui::parent(ui::findControl(w, 33)), w);
    // Never above the window itself.
    EXPECT_EQ(ui::parent(ui::findControl(w, 34)), w);
}

TEST_F(BuilderTest, builder_popup_showsTheItemOfItsTitleElseTheFirst) {
    std::string items = "<menu>project</menu><menu>layout</menu><menu>x</menu>";
    ui::Handle w = build(control("popb", 2, "0 0 80 80", "<text>layout</text>" + items) +
                         control("popb", 6, "0 0 80 80", "<text>nothing</text>" + items) +
                         control("popb", 7, "0 0 80 80", items));
    EXPECT_EQ(ui::items(ui::findControl(w, 2)),
              (std::vector<std::string>{"Project", "Layout", "x"}));
    EXPECT_EQ(ui::text(ui::findControl(w, 2)), "Layout");
    EXPECT_EQ(ui::selection(ui::findControl(w, 6)), 0);
    EXPECT_EQ(ui::selection(ui::findControl(w, 7)), 0);
}

TEST_F(BuilderTest, builder_attributes_commandExtrasFontTabsAndMissingFields) {
    ui::Handle w = build(
        control("prgb", 3, "1 1 100 10", "<cmd>prog</cmd>") +
        control("stxt", 4, "1 20 100 30", "<text>pages:</text><sap >x</sap><data>d</data>") +
        control("tabs", 5, "0 60 300 100",
                "<text1>One</text1><text2>Two</text2><text4>Four</text4>") +
        control("push", 6, "1 1 60 20", "<text>edit…</text>") +
        "<control><type>bogus</type></control>" + "<control><type>pushbutton</type></control>" +
        "<control><type>etxt</type></control>");
    ui::Handle bar = ui::findControl(w, 3);
    EXPECT_EQ(ui::prop(bar, "KRVVccmd"), static_cast<intptr_t>(xtFourCharCode("prog")));
    EXPECT_EQ(getControl(w, static_cast<int32_t>(xtFourCharCode("prog"))), bar);
    std::string value;
    EXPECT_TRUE(ui::getStringProp(bar, "font", &value));
    EXPECT_EQ(value, "MS Shell Dlg,12,400");

    // A static text with a selectable text becomes a read-only field.
    ui::Handle selectable = ui::findControl(w, 4);
    EXPECT_EQ(ui::kind(selectable), ui::Kind::Edit);
    EXPECT_TRUE(ui::hasStyle(selectable, ui::style::ReadOnly));
    EXPECT_EQ(ui::text(selectable), "Page(s):");
    EXPECT_EQ(ui::rect(selectable).h, 30);
    EXPECT_TRUE(ui::getStringProp(selectable, "KRVSdata", &value));
    EXPECT_EQ(value, "d");
    EXPECT_FALSE(ui::getStringProp(selectable, "KRVSempt", &value));

    // Tabs up to the first missing number; the tab control holds what follows.
    ui::Handle tabs = ui::findControl(w, 5);
    EXPECT_EQ(ui::items(tabs), (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(ui::parent(ui::findControl(w, 6)), tabs);
    EXPECT_EQ(ui::text(ui::findControl(w, 6)), "Edit…");

    // "bogus" makes nothing; a long type is cut to its four characters; no
    // id gives -1 and no rect 0 0 0 0.
    std::vector<ui::Handle> inTabs = ui::children(tabs);
    ASSERT_EQ(inTabs.size(), 3u);
    EXPECT_EQ(ui::kind(inTabs[1]), ui::Kind::PushButton);
    EXPECT_EQ(ui::id(inTabs[2]), -1);
    EXPECT_EQ(ui::rect(inTabs[2]), (ui::Rect{0, -3, 0, 19}));
}

TEST_F(BuilderTest, builder_texts_areCutTo255BytesOnACharacterBoundary) {
    std::string longTitle(253, 'a');
    longTitle += "\xC3\xA4\xC3\xA4"; // two 2-byte characters: the first ends at byte 255
    ui::Handle w = build(control("etxt", 3, "0 0 10 10", "<dval>" + longTitle + "</dval>"));
    std::string value;
    ASSERT_TRUE(ui::getStringProp(ui::findControl(w, 3), "KRVSdval", &value));
    EXPECT_EQ(value, longTitle.substr(0, 255));
}

TEST_F(BuilderTest, builder_panel_fillsTheHostsContainerInItsPlace) {
    ui::Handle hostWindow = ui::createWindow(ui::CreateParams{});
    ui::Handle container =
        ui::createControl(hostWindow, ui::Kind::Pane, 77, ui::Rect{10, 40, 500, 500});
    EXPECT_TRUE(buildWindowFromDescription(container, "25053"));
    EXPECT_EQ(ui::rect(container), (ui::Rect{10, 40, 273, 158}));
    EXPECT_EQ(ui::text(getControl(container, 5)), "Always add page number");
    EXPECT_FALSE(buildWindowFromDescription(container, "nothing"));
}

TEST_F(BuilderTest, radioGroup_keepsOneButtonOnAndSpeaksForItsButtons) {
    ui::Handle w = build(control("rgrp", 40, "0 0 200 100") + control("rdio", 41, "0 10 90 10") +
                         control("rdio", 42, "0 40 90 10") + control("####", -1, ""));
    ui::Handle group = ui::findControl(w, 40);
    EXPECT_EQ(ui::rect(group).y, -3);
    EXPECT_EQ(getControlValue(group), 0);
    setControlValue(group, 2);
    EXPECT_EQ(ui::value(ui::findControl(w, 42)), 1);
    EXPECT_EQ(getControlValue(group), 2);

    struct Seen {
        int calls = 0;
        PlxWindow control = 0;
    } seen;
    setControlHandler(
        group,
        [](PlxWindow c, PlxWindow, void* user) -> uint8_t {
            auto* s = static_cast<Seen*>(user);
            ++s->calls;
            s->control = c;
            return 1;
        },
        &seen);
    ASSERT_TRUE(ui::person::click(ui::findControl(w, 41)));
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.control, group);
    EXPECT_EQ(getControlValue(group), 1);
    EXPECT_EQ(ui::value(ui::findControl(w, 42)), 0);
}

} // namespace
} // namespace plxtest
