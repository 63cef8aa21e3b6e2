// The SVG drawing surface and safe text for it.
#include "svg_canvas.h"

#include "font_metrics.h"
#include "system.h"

#include "ui/text_metrics.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace ui {

Canvas::~Canvas() = default;

namespace detail {

namespace {

// Length of the valid UTF-8 sequence at text[i], 0 when it is not valid.
std::size_t sequenceLength(const std::string& text, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char c = byte(i);
    std::size_t n = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 0;
    if (n == 0 || i + n > text.size()) return 0;
    std::uint32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    static const std::uint32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    if (cp == 0xFFFE || cp == 0xFFFF) return 0; // not allowed in XML
    return n;
}

} // namespace

std::string xmlText(const std::string& text) {
    static const char kReplacement[] = "\xEF\xBF\xBD";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = sequenceLength(text, i);
        if (n == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        char c = text[i];
        if (n == 1) {
            switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            case '\t':
            case '\n':
            case '\r':
                out += ' ';
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20)
                    out += kReplacement;
                else
                    out += c;
            }
        } else {
            out.append(text, i, n);
        }
        i += n;
    }
    return out;
}

std::string fitText(const std::string& text, int room, bool bold) {
    if (textWidth(text, bold) <= room) return text;
    static const char kEllipsis[] = "\xE2\x80\xA6";
    long long left =
        static_cast<long long>(room) * 1000 / kPictureFontSize - textUnits(kEllipsis, bold);
    if (left < 0) return std::string();
    // The longest run of whole characters that leaves room for the ellipsis.
    std::size_t end = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t next = i + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        left -= textUnits(text.substr(i, next - i), bold);
        if (left < 0) break;
        end = i = next;
    }
    return text.substr(0, end) + kEllipsis;
}

std::string colour(std::uint32_t rgb) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buffer;
}

namespace {

std::string fillOf(long fill) {
    return fill < 0 ? std::string("none") : colour(static_cast<std::uint32_t>(fill));
}

std::string num(long long v) {
    return std::to_string(v);
}

} // namespace

void SvgCanvas::line(int x1, int y1, int x2, int y2, std::uint32_t rgb) {
    *out_ += "<line x1=\"" + num(ox_ + x1) + "\" y1=\"" + num(oy_ + y1) + "\" x2=\"" +
             num(ox_ + x2) + "\" y2=\"" + num(oy_ + y2) + "\" stroke=\"" + colour(rgb) + "\"/>\n";
}

void SvgCanvas::frame(Rect r, std::uint32_t rgb, long fill) {
    roundFrame(r, rgb, fill, 1);
}

void SvgCanvas::roundFrame(Rect r, std::uint32_t rgb, long fill, int strokeWidth) {
    *out_ += "<rect x=\"" + num(ox_ + r.x) + "\" y=\"" + num(oy_ + r.y) + "\" width=\"" +
             num(r.w < 0 ? 0 : r.w) + "\" height=\"" + num(r.h < 0 ? 0 : r.h) + "\" fill=\"" +
             fillOf(fill) + "\" stroke=\"" + colour(rgb) + "\"" +
             (strokeWidth != 1 ? " stroke-width=\"" + num(strokeWidth) + "\" rx=\"3\"" : "") +
             "/>\n";
}

void SvgCanvas::circle(int cx, int cy, int r, std::uint32_t rgb, long fill) {
    *out_ += "<circle cx=\"" + num(ox_ + cx) + "\" cy=\"" + num(oy_ + cy) + "\" r=\"" + num(r) +
             "\" fill=\"" + fillOf(fill) + "\" stroke=\"" + colour(rgb) + "\"/>\n";
}

void SvgCanvas::text(int x, int y, const std::string& t, std::uint32_t rgb) {
    anchoredText(x, y, t, rgb, 0);
}

void SvgCanvas::anchoredText(int x, int y, const std::string& t, std::uint32_t rgb, int anchor,
                             bool bold) {
    if (t.empty()) return;
    static const char* const kAnchors[] = {"start", "middle", "end"};
    *out_ += "<text x=\"" + num(ox_ + x) + "\" y=\"" + num(oy_ + y) + "\" fill=\"" + colour(rgb) +
             "\"" + (anchor ? std::string(" text-anchor=\"") + kAnchors[anchor % 3] + "\"" : "") +
             (bold ? " font-weight=\"bold\"" : "") + ">" + xmlText(t) + "</text>\n";
}

void SvgCanvas::dashedFrame(Rect r, std::uint32_t rgb) {
    *out_ += "<rect x=\"" + num(ox_ + r.x) + "\" y=\"" + num(oy_ + r.y) + "\" width=\"" +
             num(r.w < 0 ? 0 : r.w) + "\" height=\"" + num(r.h < 0 ? 0 : r.h) +
             "\" fill=\"none\" stroke=\"" + colour(rgb) + "\" stroke-dasharray=\"1,1\"/>\n";
}

bool writePictureFile(const std::string& path, const std::string& picture, std::string* error) {
    std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
    if (file) file << picture;
    if (file) file.close();
    if (!file) {
        if (error) *error = "cannot write " + path;
        return false;
    }
    return true;
}

} // namespace detail
} // namespace ui
