// Pictures of windows as SVG.
#include "svg_canvas.h"
#include "system.h"

#include "ui/focus.h"
#include "ui/messages.h"
#include "ui/picture.h"
#include "ui/text_metrics.h"
#include "ui/window.h"

#include <algorithm>
#include <cmath>

namespace ui {

using detail::SvgCanvas;
using namespace detail::palette;
using detail::Window;

namespace {

constexpr std::uint32_t kHighlight = 0x3399ff;
constexpr std::uint32_t kDefaultEdge = 0x0050a0;
constexpr std::uint32_t kBar = 0x06b025;
constexpr int kTitleBar = 24;
constexpr int kLineHeight = 16;
// Where the first line of a multi-line text has its baseline, and how far
// below a baseline the letters reach.
constexpr int kFirstBaseline = 13;
constexpr int kDescent = 3;
// Text inside a button or a field keeps this much room on either side.
constexpr int kPad = 4;
// Where the text of a check box or radio button starts, right of its mark.
constexpr int kMarkRoom = 18;
// No side of what is drawn goes beyond this many pixels: a window of any
// size can be drawn, and a few such sides added up still fit an int.
constexpr int kLargestSide = 1 << 24;

int clampSide(long long v, int low) {
    return static_cast<int>(std::min<long long>(std::max<long long>(v, low), kLargestSide));
}

// One picture being drawn, and what it had to cut.
struct Drawing {
    SvgCanvas& canvas;
    std::vector<ClippedText>* clipped;
};

// The text cut to `room` pixels; a cut is noted for the window it belongs to.
std::string fitted(Drawing& d, const Window& w, const std::string& text, int room,
                   bool bold = false) {
    std::string shown = detail::fitText(text, room, bold);
    if (shown != text && d.clipped)
        d.clipped->push_back(ClippedText{w.handle, w.id, w.kind, text,
                                         static_cast<int>(std::ceil(textWidth(text, bold))),
                                         std::max(room, 0)});
    return shown;
}

// Text inside a control's box, aligned by its style: one line, or as many
// wrapped lines as the box has room for.
void boxText(Drawing& d, const Window& w, Rect r, const std::string& text, std::uint32_t ink,
             int pad, bool report) {
    Drawing quiet{d.canvas, nullptr};
    Drawing& out = report ? d : quiet;
    int anchor = (w.style & style::AlignCenter) ? 1 : (w.style & style::AlignRight) ? 2 : 0;
    int x = anchor == 1 ? r.w / 2 : anchor == 2 ? r.w - pad : pad;
    int room = r.w - 2 * pad;
    if (!(w.style & style::MultiLine)) {
        d.canvas.anchoredText(x, r.h / 2 + 4, fitted(out, w, text, room), ink, anchor);
        return;
    }
    std::vector<std::string> lines = wrapText(text, room);
    int y = kFirstBaseline;
    for (std::size_t i = 0; i < lines.size(); ++i, y += kLineHeight) {
        bool last = i + 1 == lines.size();
        bool nextFits = y + kLineHeight + kDescent <= r.h;
        if (!last && !nextFits) {
            // The lines below have no room: this one ends in an ellipsis.
            std::string rest = lines[i];
            for (std::size_t k = i + 1; k < lines.size(); ++k)
                rest += " " + lines[k];
            std::string shown = fitted(out, w, rest, room);
            if (shown == rest) shown = detail::fitText(lines[i] + "\xE2\x80\xA6", room);
            d.canvas.anchoredText(x, y, shown, ink, anchor);
            return;
        }
        d.canvas.anchoredText(x, y, fitted(out, w, lines[i], room), ink, anchor);
    }
}

void drawEdit(Drawing& d, const Window& w, Rect r, bool enabled, bool focused) {
    SvgCanvas& c = d.canvas;
    bool readOnly = (w.style & style::ReadOnly) != 0;
    c.frame(Rect{0, 0, r.w, r.h}, kEdge, readOnly || !enabled ? kPaper : kWhite);
    std::string shown = w.text;
    if (w.style & style::Password) {
        shown.clear();
        for (int i = detail::codePoints(w.text); i > 0; --i)
            shown += "\xE2\x80\xA2";
    }
    if (focused && w.selEnd > w.selStart && !(w.style & style::MultiLine)) {
        std::size_t from = detail::byteOffset(shown, w.selStart);
        std::size_t to = detail::byteOffset(shown, w.selEnd);
        int x = kPad + static_cast<int>(textWidth(shown.substr(0, from)));
        int width = static_cast<int>(std::ceil(textWidth(shown.substr(from, to - from))));
        width = std::min(width, r.w - 2 - x);
        if (width > 0) c.frame(Rect{x, 2, width, r.h - 4}, kHighlight, 0xcce4ff);
    }
    // What a person typed scrolls in its field; only labels are reported.
    boxText(d, w, r, shown, enabled ? kInk : kGreyInk, kPad, false);
}

void drawDropDown(Drawing& d, const Window& w, Rect r, const std::string& shown, bool enabled,
                  bool report) {
    SvgCanvas& c = d.canvas;
    c.frame(Rect{0, 0, r.w, r.h}, kEdge, enabled ? kWhite : kPaper);
    long long ax = c.originX() + r.w - 12;
    long long ay = c.originY() + r.h / 2;
    c.raw("<polygon points=\"" + std::to_string(ax - 4) + "," + std::to_string(ay - 2) + " " +
          std::to_string(ax + 4) + "," + std::to_string(ay - 2) + " " + std::to_string(ax) + "," +
          std::to_string(ay + 3) + "\" fill=\"" + detail::colour(kInk) + "\"/>\n");
    Drawing quiet{c, nullptr};
    c.anchoredText(kPad, r.h / 2 + 4, fitted(report ? d : quiet, w, shown, r.w - 16 - 2 * kPad),
                   enabled ? kInk : kGreyInk, 0);
}

void drawList(Drawing& d, const Window& w, Rect r, bool enabled) {
    SvgCanvas& c = d.canvas;
    c.frame(Rect{0, 0, r.w, r.h}, kEdge, kWhite);
    Drawing quiet{c, nullptr};
    for (std::size_t i = 0; i < w.items.size(); ++i) {
        int y = 2 + static_cast<int>(i) * kLineHeight;
        if (y + kLineHeight > r.h) break;
        bool selected = static_cast<int>(i) == w.selection;
        if (selected) c.frame(Rect{1, y, r.w - 2, kLineHeight}, kHighlight, kHighlight);
        c.anchoredText(kPad, y + 12, fitted(quiet, w, w.items[i], r.w - 2 * kPad),
                       selected  ? kWhite
                       : enabled ? kInk
                                 : kGreyInk,
                       0);
    }
}

void drawTabs(Drawing& d, const Window& w, Rect r, bool enabled) {
    SvgCanvas& c = d.canvas;
    c.frame(Rect{0, 20, r.w, r.h - 20}, kEdge, kPaper);
    int x = 2;
    for (std::size_t i = 0; i < w.items.size(); ++i) {
        int width = clampSide(static_cast<long long>(std::ceil(textWidth(w.items[i]))) + 16, 0);
        bool selected = static_cast<int>(i) == w.selection;
        c.frame(Rect{x, selected ? 0 : 2, width, selected ? 21 : 18}, kEdge,
                selected ? kPaper : kFace);
        c.anchoredText(x + width / 2, 14, w.items[i], enabled ? kInk : kGreyInk, 1);
        x = clampSide(static_cast<long long>(x) + width, 0);
        if (x > r.w && d.clipped)
            d.clipped->push_back(ClippedText{w.handle, w.id, w.kind, w.items[i], x, r.w});
    }
}

void drawCheckMark(SvgCanvas& c, int y) {
    long long x0 = c.originX(), y0 = c.originY() + y;
    c.raw("<polyline points=\"" + std::to_string(x0 + 3) + "," + std::to_string(y0 + 6) + " " +
          std::to_string(x0 + 6) + "," + std::to_string(y0 + 10) + " " + std::to_string(x0 + 11) +
          "," + std::to_string(y0 + 3) + "\" fill=\"none\" stroke=\"" + detail::colour(kInk) +
          "\" stroke-width=\"2\"/>\n");
}

void drawKind(Drawing& d, Handle h, const Window& w, Rect r, bool enabled, bool focused) {
    SvgCanvas& c = d.canvas;
    std::uint32_t ink = enabled ? kInk : kGreyInk;
    Rect box{0, 0, r.w, r.h};
    switch (w.kind) {
    case Kind::PushButton: {
        bool isDefault = (w.style & style::DefaultButton) != 0;
        c.roundFrame(box, isDefault ? kDefaultEdge : kEdge, kFace, isDefault ? 2 : 1);
        c.anchoredText(r.w / 2, r.h / 2 + 4, fitted(d, w, w.text, r.w - 2 * kPad), ink, 1);
        break;
    }
    case Kind::CheckBox: {
        int y = (r.h - 13) / 2;
        c.frame(Rect{0, y, 13, 13}, kEdge, enabled ? kWhite : kPaper);
        if (w.value) drawCheckMark(c, y);
        c.anchoredText(kMarkRoom, r.h / 2 + 4, fitted(d, w, w.text, r.w - kMarkRoom), ink, 0);
        break;
    }
    case Kind::RadioButton: {
        c.circle(6, r.h / 2, 6, kEdge, enabled ? kWhite : kPaper);
        if (w.value) c.circle(6, r.h / 2, 3, ink, ink);
        c.anchoredText(kMarkRoom, r.h / 2 + 4, fitted(d, w, w.text, r.w - kMarkRoom), ink, 0);
        break;
    }
    case Kind::GroupBox:
        c.frame(Rect{0, 7, r.w, r.h - 7}, kEdge);
        if (!w.text.empty()) {
            std::string title = fitted(d, w, w.text, r.w - 16);
            int width = static_cast<int>(std::ceil(textWidth(title))) + 4;
            c.frame(Rect{6, 0, width, 14}, kPaper, kPaper);
            c.anchoredText(8, 11, title, ink, 0);
        }
        break;
    case Kind::Edit:
        drawEdit(d, w, r, enabled, focused);
        break;
    case Kind::Static:
        if (w.style & (style::Border | style::ClientEdge)) c.frame(box, kEdge);
        boxText(d, w, r, w.text, ink, 0, true);
        break;
    case Kind::Popup:
        drawDropDown(d, w, r, text(h), enabled, true);
        break;
    case Kind::ComboBox:
        drawDropDown(d, w, r, w.text, enabled, false);
        break;
    case Kind::ListBox:
        drawList(d, w, r, enabled);
        break;
    case Kind::ProgressBar: {
        c.frame(box, kEdge, kWhite);
        long long span = static_cast<long long>(w.rangeMax) - w.rangeMin;
        long long done = static_cast<long long>(w.value) - w.rangeMin;
        long long width = span > 0 ? (static_cast<long long>(r.w) - 2) * done / span : 0;
        if (width > 0) c.frame(Rect{1, 1, clampSide(width, 0), r.h - 2}, kBar, kBar);
        break;
    }
    case Kind::TabControl:
        drawTabs(d, w, r, enabled);
        break;
    case Kind::Pane:
        if (w.style & (style::Border | style::ClientEdge)) c.frame(box, kEdge);
        break;
    case Kind::Custom: {
        Message paint;
        paint.msg = Msg::Paint;
        paint.canvas = &c;
        sendMessage(h, paint);
        break;
    }
    default:
        break;
    }
}

void drawTree(Drawing& d, Handle h, long long x, long long y, bool enabledAbove) {
    SvgCanvas& c = d.canvas;
    Window* w = detail::find(h);
    if (!w || !w->visible) return;
    bool enabled = enabledAbove && w->enabled;
    bool focused = focus() == h;
    long long ax = x + clampSide(w->rect.x, -kLargestSide);
    long long ay = y + clampSide(w->rect.y, -kLargestSide);
    Rect r{0, 0, clampSide(w->rect.w, 0), clampSide(w->rect.h, 0)};
    c.raw("<g data-kind=\"" + std::string(kindName(w->kind)) + "\" data-id=\"" +
          std::to_string(w->id) + "\">\n");
    c.setOrigin(ax, ay);
    drawKind(d, h, *w, r, enabled, focused);
    // A painting procedure could have destroyed its window; the picture stays whole.
    if ((w = detail::find(h)) == nullptr) {
        c.raw("</g>\n");
        return;
    }
    if (focused) {
        c.setOrigin(ax, ay);
        c.dashedFrame(Rect{-2, -2, r.w + 4, r.h + 4}, kInk);
    }
    for (Handle child : w->children)
        drawTree(d, child, ax, ay, enabled);
    c.raw("</g>\n");
}

std::string draw(Handle window, std::vector<ClippedText>* clipped) {
    Window* w = detail::find(window);
    if (!w) return std::string();
    bool top = w->parent == kNoWindow;
    int clientW = clampSide(w->rect.w, 0);
    int clientH = clampSide(w->rect.h, 0);
    int width = clientW + (top ? 2 : 0);
    int height = clientH + (top ? kTitleBar + 2 : 0);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" xml:space=\"preserve\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(height) +
                      "\" font-family=\"" + kPictureFontFamily + "\" font-size=\"" +
                      std::to_string(kPictureFontSize) + "\">\n";
    SvgCanvas c(&out);
    Drawing d{c, clipped};
    if (!top) {
        // Drawn alone: the window's own corner is the picture's.
        drawTree(d, window, -static_cast<long long>(clampSide(w->rect.x, -kLargestSide)),
                 -static_cast<long long>(clampSide(w->rect.y, -kLargestSide)), true);
        return out + "</svg>\n";
    }
    c.frame(Rect{0, 0, width - 1, height - 1}, 0x404040, kPaper);
    c.frame(Rect{1, 1, width - 3, kTitleBar - 1}, kTitleBarColour, kTitleBarColour);
    c.anchoredText(8, 17, fitted(d, *w, w->text, clientW - 16, true), kWhite, 0, true);
    c.raw("<g data-kind=\"" + std::string(kindName(w->kind)) + "\" data-title=\"" +
          detail::xmlText(w->text) + "\">\n");
    for (Handle child : w->children)
        drawTree(d, child, 1, kTitleBar + 1, w->enabled);
    return out + "</g>\n</svg>\n";
}

} // namespace

std::string drawSvg(Handle window) {
    return draw(window, nullptr);
}

std::vector<ClippedText> clippedTexts(Handle window) {
    std::vector<ClippedText> clipped;
    draw(window, &clipped);
    return clipped;
}

bool writeSvg(Handle window, const std::string& path, std::string* error) {
    std::string svg = drawSvg(window);
    if (svg.empty()) {
        if (error) *error = "no such window";
        return false;
    }
    return detail::writePictureFile(path, svg, error);
}

} // namespace ui
