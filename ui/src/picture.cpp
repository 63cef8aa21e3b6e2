// Pictures of windows as SVG.
#include "svg_canvas.h"
#include "system.h"

#include "ui/focus.h"
#include "ui/messages.h"
#include "ui/picture.h"
#include "ui/window.h"

#include <fstream>

namespace ui {

using detail::SvgCanvas;
using detail::Window;

namespace {

constexpr std::uint32_t kInk = 0x000000;
constexpr std::uint32_t kGreyInk = 0xa0a0a0;
constexpr std::uint32_t kEdge = 0x7a7a7a;
constexpr std::uint32_t kFace = 0xe1e1e1;
constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kPaper = 0xf0f0f0;
constexpr std::uint32_t kHighlight = 0x3399ff;
constexpr std::uint32_t kDefaultEdge = 0x0050a0;
constexpr std::uint32_t kTitleBarColour = 0x2f5f9f;
constexpr std::uint32_t kBar = 0x06b025;
constexpr int kTitleBar = 24;
constexpr int kCharWidth = 7;
constexpr int kLineHeight = 16;

// How many characters fit a box of this width with the usual padding of 4 on
// each side.
int maxChars(int width, int pad = 4) {
    return (width - 2 * pad) / kCharWidth;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

// Text inside a control's box, aligned by its style, one line or several.
void boxText(SvgCanvas& c, const Window& w, const std::string& text, std::uint32_t ink, int pad) {
    int anchor = (w.style & style::AlignCenter) ? 1 : (w.style & style::AlignRight) ? 2 : 0;
    int x = anchor == 1 ? w.rect.w / 2 : anchor == 2 ? w.rect.w - pad : pad;
    if (!(w.style & style::MultiLine)) {
        c.anchoredText(x, w.rect.h / 2 + 4, detail::fitText(text, maxChars(w.rect.w, pad)), ink,
                       anchor);
        return;
    }
    int y = 13;
    for (const std::string& line : splitLines(text)) {
        if (y > w.rect.h && y > 13) break;
        c.anchoredText(x, y, detail::fitText(line, maxChars(w.rect.w, pad)), ink, anchor);
        y += kLineHeight;
    }
}

void drawEdit(SvgCanvas& c, const Window& w, bool enabled, bool focused) {
    bool readOnly = (w.style & style::ReadOnly) != 0;
    c.frame(Rect{0, 0, w.rect.w, w.rect.h}, kEdge, readOnly || !enabled ? kPaper : kWhite);
    std::string shown = w.text;
    if (w.style & style::Password) {
        shown.clear();
        for (int i = detail::codePoints(w.text); i > 0; --i)
            shown += "\xE2\x80\xA2";
    }
    if (focused && w.selEnd > w.selStart && !(w.style & style::MultiLine)) {
        int from = 4 + w.selStart * kCharWidth;
        int width = (w.selEnd - w.selStart) * kCharWidth;
        if (from + width > w.rect.w - 2) width = w.rect.w - 2 - from;
        if (width > 0) c.frame(Rect{from, 2, width, w.rect.h - 4}, kHighlight, 0xcce4ff);
    }
    boxText(c, w, shown, enabled ? kInk : kGreyInk, 4);
}

void drawDropDown(SvgCanvas& c, const Window& w, const std::string& shown, bool enabled) {
    c.frame(Rect{0, 0, w.rect.w, w.rect.h}, kEdge, enabled ? kWhite : kPaper);
    int ax = w.rect.w - 12;
    int ay = w.rect.h / 2;
    c.raw("<polygon points=\"" + std::to_string(c.originX() + ax - 4) + "," +
          std::to_string(c.originY() + ay - 2) + " " + std::to_string(c.originX() + ax + 4) + "," +
          std::to_string(c.originY() + ay - 2) + " " + std::to_string(c.originX() + ax) + "," +
          std::to_string(c.originY() + ay + 3) + "\" fill=\"" + detail::colour(kInk) + "\"/>\n");
    c.anchoredText(4, w.rect.h / 2 + 4, detail::fitText(shown, maxChars(w.rect.w - 16)),
                   enabled ? kInk : kGreyInk, 0);
}

void drawList(SvgCanvas& c, const Window& w, bool enabled) {
    c.frame(Rect{0, 0, w.rect.w, w.rect.h}, kEdge, kWhite);
    for (std::size_t i = 0; i < w.items.size(); ++i) {
        int y = 2 + static_cast<int>(i) * kLineHeight;
        if (y + kLineHeight > w.rect.h) break;
        bool selected = static_cast<int>(i) == w.selection;
        if (selected) c.frame(Rect{1, y, w.rect.w - 2, kLineHeight}, kHighlight, kHighlight);
        c.anchoredText(4, y + 12, detail::fitText(w.items[i], maxChars(w.rect.w)),
                       selected  ? kWhite
                       : enabled ? kInk
                                 : kGreyInk,
                       0);
    }
}

void drawTabs(SvgCanvas& c, const Window& w, bool enabled) {
    c.frame(Rect{0, 20, w.rect.w, w.rect.h - 20}, kEdge, kPaper);
    int x = 2;
    for (std::size_t i = 0; i < w.items.size(); ++i) {
        int width = detail::codePoints(w.items[i]) * kCharWidth + 16;
        bool selected = static_cast<int>(i) == w.selection;
        c.frame(Rect{x, selected ? 0 : 2, width, selected ? 21 : 18}, kEdge,
                selected ? kPaper : kFace);
        c.anchoredText(x + width / 2, 14, w.items[i], enabled ? kInk : kGreyInk, 1);
        x += width;
    }
}

void drawCheckMark(SvgCanvas& c, int y) {
    c.raw("<polyline points=\"" + std::to_string(c.originX() + 3) + "," +
          std::to_string(c.originY() + y + 6) + " " + std::to_string(c.originX() + 6) + "," +
          std::to_string(c.originY() + y + 10) + " " + std::to_string(c.originX() + 11) + "," +
          std::to_string(c.originY() + y + 3) + "\" fill=\"none\" stroke=\"" +
          detail::colour(kInk) + "\" stroke-width=\"2\"/>\n");
}

void drawKind(SvgCanvas& c, Handle h, const Window& w, bool enabled, bool focused) {
    std::uint32_t ink = enabled ? kInk : kGreyInk;
    Rect box{0, 0, w.rect.w, w.rect.h};
    switch (w.kind) {
    case Kind::PushButton: {
        bool isDefault = (w.style & style::DefaultButton) != 0;
        c.roundFrame(box, isDefault ? kDefaultEdge : kEdge, kFace, isDefault ? 2 : 1);
        c.anchoredText(w.rect.w / 2, w.rect.h / 2 + 4, detail::fitText(w.text, maxChars(w.rect.w)),
                       ink, 1);
        break;
    }
    case Kind::CheckBox: {
        int y = (w.rect.h - 13) / 2;
        c.frame(Rect{0, y, 13, 13}, kEdge, enabled ? kWhite : kPaper);
        if (w.value) drawCheckMark(c, y);
        c.anchoredText(18, w.rect.h / 2 + 4, detail::fitText(w.text, maxChars(w.rect.w - 18)), ink,
                       0);
        break;
    }
    case Kind::RadioButton: {
        c.circle(6, w.rect.h / 2, 6, kEdge, enabled ? kWhite : kPaper);
        if (w.value) c.circle(6, w.rect.h / 2, 3, ink, ink);
        c.anchoredText(18, w.rect.h / 2 + 4, detail::fitText(w.text, maxChars(w.rect.w - 18)), ink,
                       0);
        break;
    }
    case Kind::GroupBox:
        c.frame(Rect{0, 7, w.rect.w, w.rect.h - 7}, kEdge);
        if (!w.text.empty()) {
            std::string title = detail::fitText(w.text, maxChars(w.rect.w - 16));
            c.frame(Rect{6, 0, detail::codePoints(title) * kCharWidth + 4, 14}, kPaper, kPaper);
            c.anchoredText(8, 11, title, ink, 0);
        }
        break;
    case Kind::Edit:
        drawEdit(c, w, enabled, focused);
        break;
    case Kind::Static:
        if (w.style & (style::Border | style::ClientEdge)) c.frame(box, kEdge);
        boxText(c, w, w.text, ink, 0);
        break;
    case Kind::Popup:
        drawDropDown(c, w, text(h), enabled);
        break;
    case Kind::ComboBox:
        drawDropDown(c, w, w.text, enabled);
        break;
    case Kind::ListBox:
        drawList(c, w, enabled);
        break;
    case Kind::ProgressBar: {
        c.frame(box, kEdge, kWhite);
        long span = static_cast<long>(w.rangeMax) - w.rangeMin;
        long done = static_cast<long>(w.value) - w.rangeMin;
        int width = span > 0 ? static_cast<int>((w.rect.w - 2) * done / span) : 0;
        if (width > 0) c.frame(Rect{1, 1, width, w.rect.h - 2}, kBar, kBar);
        break;
    }
    case Kind::TabControl:
        drawTabs(c, w, enabled);
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

void drawTree(SvgCanvas& c, Handle h, int x, int y, bool enabledAbove) {
    Window* w = detail::find(h);
    if (!w || !w->visible) return;
    bool enabled = enabledAbove && w->enabled;
    bool focused = focus() == h;
    int ax = x + w->rect.x;
    int ay = y + w->rect.y;
    c.raw("<g data-kind=\"" + std::string(kindName(w->kind)) + "\" data-id=\"" +
          std::to_string(w->id) + "\">\n");
    c.setOrigin(ax, ay);
    drawKind(c, h, *w, enabled, focused);
    // A painting procedure could have destroyed its window; the picture stays whole.
    if ((w = detail::find(h)) == nullptr) {
        c.raw("</g>\n");
        return;
    }
    if (focused) {
        c.setOrigin(ax, ay);
        c.dashedFrame(Rect{-2, -2, w->rect.w + 4, w->rect.h + 4}, kInk);
    }
    for (Handle child : w->children)
        drawTree(c, child, ax, ay, enabled);
    c.raw("</g>\n");
}

} // namespace

std::string drawSvg(Handle window) {
    Window* w = detail::find(window);
    if (!w) return std::string();
    bool top = w->parent == kNoWindow;
    int width = w->rect.w + (top ? 2 : 0);
    int height = w->rect.h + (top ? kTitleBar + 2 : 0);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      std::to_string(width) + "\" height=\"" + std::to_string(height) +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    SvgCanvas c(&out);
    if (!top) {
        // Drawn alone: the window's own corner is the picture's.
        Rect own = w->rect;
        drawTree(c, window, -own.x, -own.y, true);
        return out + "</svg>\n";
    }
    c.frame(Rect{0, 0, width - 1, height - 1}, 0x404040, kPaper);
    c.frame(Rect{1, 1, width - 3, kTitleBar - 1}, kTitleBarColour, kTitleBarColour);
    c.anchoredText(8, 17, detail::fitText(w->text, maxChars(w->rect.w)), kWhite, 0, true);
    c.raw("<g data-kind=\"" + std::string(kindName(w->kind)) + "\" data-title=\"" +
          detail::xmlText(w->text) + "\">\n");
    for (Handle child : w->children)
        drawTree(c, child, 1, kTitleBar + 1, w->enabled);
    return out + "</g>\n</svg>\n";
}

bool writeSvg(Handle window, const std::string& path, std::string* error) {
    std::string svg = drawSvg(window);
    if (svg.empty()) {
        if (error) *error = "no such window";
        return false;
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) {
        if (error) *error = "cannot write " + path;
        return false;
    }
    file << svg;
    file.close();
    if (!file) {
        if (error) *error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace ui
