// Pictures of windows and readable dumps of their trees.
#include "ui_fixture.h"

#include "tests/common/temp_dir.h"

#include <filesystem>
#include <limits>

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

TEST_F(UiPicture, LabelsAreCutByTheirMeasuredWidthAndTheCutsReported) {
    Handle w = makeWindow("A title far too long for the window it belongs to, by any measure");
    setRect(w, Rect{0, 0, 200, 120});
    // Ten narrow letters fit 40 pixels beside the mark; ten wide ones do not.
    createControl(w, Kind::CheckBox, 3, Rect{0, 0, 18 + 40, 24}, "iiiiiiiiii");
    createControl(w, Kind::CheckBox, 4, Rect{0, 30, 18 + 40, 24}, "WWWWWWWWWW");
    createControl(w, Kind::Edit, 5, Rect{0, 60, 20, 19}, "typed text scrolls");
    Handle note = createControl(w, Kind::Static, 6, Rect{0, 80, 100, 16},
                                "two lines need more height", style::MultiLine);

    std::string svg = drawSvg(w);
    EXPECT_TRUE(has(svg, ">iiiiiiiiii</text>"));
    EXPECT_FALSE(has(svg, ">WWWWWWWWWW</text>"));
    EXPECT_TRUE(has(svg, ">WW\xE2\x80\xA6</text>"));
    EXPECT_TRUE(has(svg, "font-family=\"Nimbus Sans, Helvetica, Arial, sans-serif\""));

    std::vector<ClippedText> cut = clippedTexts(w);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_EQ(cut[0].control, w); // the title
    EXPECT_EQ(cut[1].id, 4);
    EXPECT_EQ(cut[1].text, "WWWWWWWWWW");
    EXPECT_EQ(cut[1].available, 40);
    EXPECT_EQ(cut[1].needed, 114); // 10 x 944 thousandths of 12 pixels
    EXPECT_EQ(cut[2].control, note);

    // Room for both lines: nothing is cut.
    setRect(note, Rect{0, 80, 200, 32});
    setText(w, "Fits");
    EXPECT_EQ(clippedTexts(w).size(), 1u);
    EXPECT_TRUE(clippedTexts(kNoWindow).empty());
}

TEST_F(UiPicture, ExtremeRectanglesDrawWithoutOverflow) {
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    Handle w = makeWindow("Huge");
    setRect(w, Rect{small, small, big, big});
    Handle far = createControl(w, Kind::Pane, 1, Rect{big, big, big, big});
    Handle inner = createControl(far, Kind::Edit, 2, Rect{big, big, big, big}, "x");
    createControl(far, Kind::GroupBox, 3, Rect{small, small, small, small}, "g");
    Handle bar = createControl(w, Kind::ProgressBar, 4, Rect{0, 0, big, small});
    setRange(bar, small, big);
    setValue(bar, big);
    setFocus(inner);

    for (Handle h : {w, far, inner}) {
        std::string svg = drawSvg(h);
        ASSERT_TRUE(has(svg, "</svg>"));
        // Every size in the picture is a sane positive number.
        std::size_t at = 0;
        while ((at = svg.find("width=\"", at)) != std::string::npos) {
            at += 7;
            long long value = std::stoll(svg.substr(at));
            EXPECT_GE(value, 0);
            EXPECT_LE(value, 1LL << 26);
        }
    }
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
    // A folder name outside any 8-bit code page (Ω): Windows opens the
    // file only by its UTF-16 name.
    std::string folder = dir.file("Bilder-\xc3\xa9-\xce\xa9");
    ASSERT_TRUE(std::filesystem::create_directory(std::filesystem::u8path(folder)));
    EXPECT_TRUE(writeSvg(w, dir.file("Bilder-\xc3\xa9-\xce\xa9/w.svg"), &error)) << error;
    EXPECT_EQ(plxtest::readFile(dir.file("Bilder-\xc3\xa9-\xce\xa9/w.svg")), drawSvg(w));
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
