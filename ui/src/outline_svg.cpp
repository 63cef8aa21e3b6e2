// Outlines of native windows as SVG. The platform has drawn the window
// already; the picture shows what it holds, so texts are written whole
// (the platform, not this picture, decides what a control cuts).
#include "svg_canvas.h"

#include "ui/outline_svg.h"
#include "ui/text_metrics.h"

#include <algorithm>

namespace ui {

using detail::SvgCanvas;
using namespace detail::palette;

namespace {

// Where a check box's or radio button's text starts, right of its mark.
constexpr int kMarkRoom = 18;
constexpr int kPad = 4;
// No side is taken larger than this, whatever the platform reports.
constexpr int kLargestSide = 1 << 24;

int side(int v) {
    return std::min(std::max(v, 0), kLargestSide);
}

std::string num(long long v) {
    return std::to_string(v);
}

void drawCheckMark(SvgCanvas& c, int y, std::uint32_t ink) {
    long long x0 = c.originX(), y0 = c.originY() + y;
    c.raw("<polyline points=\"" + num(x0 + 3) + "," + num(y0 + 6) + " " + num(x0 + 6) + "," +
          num(y0 + 10) + " " + num(x0 + 11) + "," + num(y0 + 3) +
          "\" fill=\"none\" stroke=\"" + detail::colour(ink) + "\" stroke-width=\"2\"/>\n");
}

void drawArrow(SvgCanvas& c, int w, int h) {
    long long ax = c.originX() + w - 12;
    long long ay = c.originY() + h / 2;
    c.raw("<polygon points=\"" + num(ax - 4) + "," + num(ay - 2) + " " + num(ax + 4) + "," +
          num(ay - 2) + " " + num(ax) + "," + num(ay + 3) + "\" fill=\"" + detail::colour(kInk) +
          "\"/>\n");
}

void drawControl(SvgCanvas& c, const OutlineControl& control) {
    int w = side(control.rect.w), h = side(control.rect.h);
    Rect box{0, 0, w, h};
    std::uint32_t ink = control.enabled ? kInk : kGreyInk;
    int middle = h / 2 + 4;
    switch (control.kind) {
    case Kind::PushButton:
        c.roundFrame(box, kEdge, kFace, 2);
        c.anchoredText(w / 2, middle, control.text, ink, 1);
        break;
    case Kind::CheckBox: {
        int y = (h - 13) / 2;
        c.frame(Rect{0, y, 13, 13}, kEdge, control.enabled ? kWhite : kPaper);
        if (control.checked) drawCheckMark(c, y, ink);
        c.anchoredText(kMarkRoom, middle, control.text, ink, 0);
        break;
    }
    case Kind::RadioButton:
        c.circle(6, h / 2, 6, kEdge, control.enabled ? kWhite : kPaper);
        if (control.checked) c.circle(6, h / 2, 3, ink, ink);
        c.anchoredText(kMarkRoom, middle, control.text, ink, 0);
        break;
    case Kind::GroupBox:
        c.frame(Rect{0, 7, w, h > 7 ? h - 7 : 0}, kEdge);
        c.anchoredText(8, 11, control.text, ink, 0);
        break;
    case Kind::Edit:
    case Kind::ComboBox:
    case Kind::ListBox:
        c.frame(box, kEdge, control.enabled ? kWhite : kPaper);
        c.anchoredText(kPad, control.kind == Kind::ListBox ? 14 : middle, control.text, ink, 0);
        break;
    case Kind::Popup:
        c.frame(box, kEdge, control.enabled ? kFace : kPaper);
        drawArrow(c, w, h);
        c.anchoredText(kPad, middle, control.text, ink, 0);
        break;
    case Kind::ProgressBar:
        c.frame(box, kEdge, kWhite);
        break;
    case Kind::TabControl:
        c.frame(Rect{0, 20, w, h > 20 ? h - 20 : 0}, kEdge, kPaper);
        c.anchoredText(8, 14, control.text, ink, 0);
        break;
    case Kind::Static:
        c.anchoredText(0, middle, control.text, ink, 0);
        break;
    default:
        c.dashedFrame(box, kEdge);
        c.anchoredText(kPad, middle, control.text, ink, 0);
        break;
    }
}

} // namespace

OutlineControl outlineControl(const ControlInfo& info, Rect rect) {
    OutlineControl control;
    control.kind = info.kind;
    control.id = info.id;
    control.rect = rect;
    control.enabled = info.enabled;
    control.text = info.text;
    bool chooses = info.kind == Kind::ListBox || info.kind == Kind::Popup ||
                   info.kind == Kind::TabControl;
    if (chooses && info.selection >= 0 &&
        static_cast<std::size_t>(info.selection) < info.items.size())
        control.text = info.items[static_cast<std::size_t>(info.selection)];
    else if (chooses && info.kind != Kind::Popup)
        control.text.clear();
    control.checked =
        (info.kind == Kind::CheckBox || info.kind == Kind::RadioButton) && info.value != 0;
    if (info.kind == Kind::ProgressBar) control.value = info.value;
    return control;
}

std::string outlineSvg(const WindowOutline& outline) {
    int width = side(outline.frame.w), height = side(outline.frame.h);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" xml:space=\"preserve\" width=\"" +
                      num(width) + "\" height=\"" + num(height) + "\" font-family=\"" +
                      kPictureFontFamily + "\" font-size=\"" + num(kPictureFontSize) + "\">\n";
    SvgCanvas c(&out);
    c.frame(Rect{0, 0, width > 0 ? width - 1 : 0, height > 0 ? height - 1 : 0}, 0x404040, kPaper);
    // The title bar is what the frame shows above the content.
    int bar = std::min(side(outline.content.y), height);
    if (bar > 2) {
        c.frame(Rect{1, 1, width > 2 ? width - 3 : 0, bar - 2}, kTitleBarColour, kTitleBarColour);
        c.anchoredText(8, bar / 2 + 5, outline.title, kWhite, 0, true);
    }
    c.raw("<g data-kind=\"window\" data-title=\"" + detail::xmlText(outline.title) + "\">\n");
    for (const OutlineControl& control : outline.controls) {
        std::string state;
        if (control.checked) state = "checked";
        if (!control.enabled) state += state.empty() ? "disabled" : " disabled";
        c.raw("<g data-kind=\"" + std::string(kindName(control.kind)) + "\" data-id=\"" +
              num(control.id) + "\"" + (state.empty() ? "" : " data-state=\"" + state + "\"") +
              (control.kind == Kind::ProgressBar ? " data-value=\"" + num(control.value) + "\""
                                                 : std::string()) +
              ">\n");
        c.setOrigin(control.rect.x, control.rect.y);
        drawControl(c, control);
        c.setOrigin(0, 0);
        c.raw("</g>\n");
    }
    return out + "</g>\n</svg>\n";
}

bool writeOutlineSvg(const WindowOutline& outline, const std::string& path, std::string* error) {
    return detail::writePictureFile(path, outlineSvg(outline), error);
}

} // namespace ui
