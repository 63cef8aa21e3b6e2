// Pictures of windows and readable dumps of their trees.
#include "ui_fixture.h"

#include "tests/common/temp_dir.h"

using namespace ui;
using uitest::UiTest;

using UiPicture = UiTest;

namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Draws a grey line across itself, as a separator class would.
std::intptr_t separatorProc(Handle self, const Message& msg, void*) {
    if (msg.msg == Msg::Paint) {
        Rect r = rect(self);
        msg.canvas->line(0, 0, r.w, 0, 0x808080);
        return 1;
    }
    return defaultProc(self, msg);
}

} // namespace

TEST_F(UiPicture, TheSvgShowsTitlesTextsAndStates) {
    registerClass("Separator", separatorProc);
    Handle w = makeWindow("Preferences & <more>");
    Handle check = createControl(w, Kind::CheckBox, 3, Rect{10, 10, 200, 20}, "Logging");
    setValue(check, 1);
    Handle radio = createControl(w, Kind::RadioButton, 4, Rect{10, 40, 200, 20}, "Spreads");
    setEnabled(radio, false);
    createControl(w, Kind::Edit, 5, Rect{10, 70, 200, 20}, "secret", style::Password);
    Handle popup = createControl(w, Kind::Popup, 9, Rect{10, 100, 200, 20});
    setItems(popup, {"EPS", "PDF"});
    setSelection(popup, 1);
    Handle bar = createControl(w, Kind::ProgressBar, 6, Rect{10, 130, 200, 10});
    setRange(bar, 0, 4);
    setValue(bar, 2);
    CreateParams p;
    p.kind = Kind::Custom;
    p.className = "Separator";
    p.parent = w;
    p.rect = Rect{10, 150, 300, 1};
    createWindow(p);
    Handle hidden = createControl(w, Kind::Static, 7, Rect{}, "not shown");
    setVisible(hidden, false);

    std::string svg = drawSvg(w);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_TRUE(has(svg, "Preferences &amp; &lt;more&gt;"));
    EXPECT_TRUE(has(svg, ">Logging</text>"));
    EXPECT_TRUE(has(svg, "<polyline"));                       // the check mark
    EXPECT_TRUE(has(svg, "fill=\"#a0a0a0\">Spreads</text>")); // disabled text is grey
    EXPECT_FALSE(has(svg, "secret"));
    EXPECT_TRUE(has(svg, "\xE2\x80\xA2\xE2\x80\xA2\xE2\x80\xA2")); // bullets
    EXPECT_TRUE(has(svg, ">PDF</text>"));
    EXPECT_TRUE(has(svg, "width=\"99\" height=\"8\" fill=\"#06b025\"")); // half the bar
    EXPECT_TRUE(has(svg, "stroke=\"#808080\"")); // the separator painted itself
    EXPECT_FALSE(has(svg, "not shown"));
    EXPECT_TRUE(has(svg, "</svg>"));
}

TEST_F(UiPicture, BrokenTextsStillMakeWellFormedXml) {
    Handle w = makeWindow(std::string("bad \xC3 byte \x01 and \xED\xA0\x80 surrogate"));
    createControl(w, Kind::Static, 3, Rect{0, 0, 80, 16}, std::string(10000, 'y'));
    std::string svg = drawSvg(w);
    EXPECT_TRUE(has(
        svg,
        "bad \xEF\xBF\xBD byte \xEF\xBF\xBD and \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD surrogate"));
    EXPECT_FALSE(has(svg, "\x01"));
    EXPECT_TRUE(has(svg, "\xE2\x80\xA6</text>")); // the long text was cut to its box
    EXPECT_LT(svg.size(), 4000u);
}

TEST_F(UiPicture, WritingAPictureReportsFailure) {
    plxtest::TempDir dir;
    Handle w = makeWindow("W");
    std::string error;
    EXPECT_TRUE(writeSvg(w, dir.file("w.svg"), &error));
    EXPECT_EQ(plxtest::readFile(dir.file("w.svg")), drawSvg(w));
    EXPECT_FALSE(writeSvg(w, dir.file("missing/w.svg"), &error));
    EXPECT_TRUE(has(error, "cannot write"));
    EXPECT_FALSE(writeSvg(kNoWindow, dir.file("x.svg"), &error));
    EXPECT_EQ(drawSvg(kNoWindow), "");
}

TEST_F(UiPicture, DescribeListsTheTreeWithItsStates) {
    Handle w = makeWindow("Export");
    Handle pane = createControl(w, Kind::Pane, 0, Rect{0, 0, 100, 50});
    Handle edit = createControl(pane, Kind::Edit, 3, Rect{1, 2, 3, 4}, "1-4", style::TabStop);
    Handle check = createControl(pane, Kind::CheckBox, 5, Rect{}, "Absolute");
    setEnabled(check, false);
    setFocus(edit);
    Handle bar = createControl(w, Kind::ProgressBar, 7, Rect{});
    setCommand(bar, fourCC("prog"));
    EXPECT_EQ(describe(w), "window #-1 \"Export\" rect(0,0,400,300)\n"
                           "  pane #0 rect(0,0,100,50)\n"
                           "    edit #3 \"1-4\" rect(1,2,3,4) focused\n"
                           "    check #5 \"Absolute\" rect(0,0,0,0) value=0 disabled\n"
                           "  progress #7 'prog' rect(0,0,0,0) value=0\n");
    ControlInfo info = observe(w);
    ASSERT_EQ(info.children.size(), 2u);
    EXPECT_EQ(info.children[0].children[0].text, "1-4");
    EXPECT_TRUE(info.children[0].children[0].focused);
    EXPECT_EQ(observe(kNoWindow).handle, kNoWindow);
}
