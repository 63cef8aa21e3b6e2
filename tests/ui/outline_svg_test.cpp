// Outlines of native windows as SVG: what the platform walkers hand over is
// drawn whole and always as well-formed XML.
#include "tests/common/temp_dir.h"

#include "ui/outline_svg.h"

#include <gtest/gtest.h>

#include <climits>

using namespace ui;

namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

ControlInfo observed(Kind kind, const std::string& text) {
    ControlInfo info;
    info.kind = kind;
    info.id = 7;
    info.text = text;
    info.enabled = true;
    info.visible = true;
    return info;
}

} // namespace

TEST(OutlineSvg, ListsShowTheirChosenItemAndChecksTheirValue) {
    ControlInfo popup = observed(Kind::Popup, "");
    popup.items = {"EPS", "PDF"};
    popup.selection = 1;
    EXPECT_EQ(outlineControl(popup, Rect{}).text, "PDF");
    // A list with nothing chosen shows no item; a selection past the items
    // is nothing chosen, not a read past them.
    ControlInfo list = observed(Kind::ListBox, "stale");
    list.items = {"a"};
    list.selection = 5;
    EXPECT_EQ(outlineControl(list, Rect{}).text, "");
    list.selection = -1;
    EXPECT_EQ(outlineControl(list, Rect{}).text, "");

    ControlInfo check = observed(Kind::CheckBox, "Log");
    check.value = 1;
    check.enabled = false;
    OutlineControl c = outlineControl(check, Rect{1, 2, 3, 4});
    EXPECT_TRUE(c.checked);
    EXPECT_FALSE(c.enabled);
    EXPECT_EQ(c.rect, (Rect{1, 2, 3, 4}));
    // A push button's value is no check.
    ControlInfo button = observed(Kind::PushButton, "OK");
    button.value = 1;
    EXPECT_FALSE(outlineControl(button, Rect{}).checked);
}

TEST(OutlineSvg, TitleTextsKindsAndStatesAreWrittenSafely) {
    WindowOutline outline;
    outline.title = "Seiten & <Stile>";
    outline.frame = Rect{100, 50, 300, 200};
    outline.content = Rect{0, 22, 300, 178};
    ControlInfo check = observed(Kind::CheckBox, "Letzten Ordner verwenden");
    check.value = 1;
    check.enabled = false;
    outline.controls.push_back(outlineControl(check, Rect{10, 30, 200, 20}));
    outline.controls.push_back(
        outlineControl(observed(Kind::Static, "bad\xff\x01text\r\nnext"), Rect{10, 60, 200, 20}));
    outline.controls.push_back(
        outlineControl(observed(Kind::PushButton, "Abbrechen"), Rect{10, 90, 80, 24}));

    std::string svg = outlineSvg(outline);
    EXPECT_TRUE(has(svg, "width=\"300\" height=\"200\""));
    EXPECT_TRUE(has(svg, ">Seiten &amp; &lt;Stile&gt;</text>"));
    EXPECT_TRUE(has(svg, "data-title=\"Seiten &amp; &lt;Stile&gt;\""));
    EXPECT_TRUE(has(svg, "<g data-kind=\"check\" data-id=\"7\" data-state=\"checked disabled\">"));
    EXPECT_TRUE(has(svg, ">Letzten Ordner verwenden</text>"));
    EXPECT_TRUE(has(svg, ">bad\xEF\xBF\xBD\xEF\xBF\xBDtext  next</text>"));
    EXPECT_TRUE(has(svg, ">Abbrechen</text>"));
    EXPECT_FALSE(has(svg, "\x01"));
    EXPECT_FALSE(has(svg, "\xff"));
    // Controls sit where the frame has them: the button's text is centred
    // in it.
    EXPECT_TRUE(has(svg, "<text x=\"50\" y=\"106\""));
}

TEST(OutlineSvg, SizesBeyondAnyScreenAreClampedAndBadFilesRefused) {
    WindowOutline outline;
    outline.frame = Rect{0, 0, INT_MAX, -5};
    outline.content = Rect{0, INT_MAX, 0, 0};
    outline.controls.push_back(
        outlineControl(observed(Kind::ProgressBar, ""), Rect{INT_MAX, INT_MIN, INT_MAX, 10}));
    std::string svg = outlineSvg(outline);
    EXPECT_TRUE(has(svg, "width=\"16777216\" height=\"0\""));
    // The bar's position is told as the platform gave it.
    EXPECT_TRUE(has(svg, "<g data-kind=\"progress\" data-id=\"7\" data-value=\"0\">"));
    EXPECT_TRUE(has(svg, "</svg>\n"));

    plxtest::TempDir dir;
    std::string error;
    EXPECT_TRUE(writeOutlineSvg(outline, dir.file("w.svg"), &error));
    EXPECT_FALSE(writeOutlineSvg(outline, dir.file("missing/w.svg"), &error));
    EXPECT_NE(error.find("w.svg"), std::string::npos);
}
