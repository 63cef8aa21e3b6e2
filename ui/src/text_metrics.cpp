// Measuring and wrapping texts with the advance widths of the picture's font.
#include "font_metrics.h"

#include "ui/text_metrics.h"

#include <algorithm>

namespace ui {
namespace detail {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr int kFullEm = 1000;

// The code point at text[*i], moving *i past it; a byte that does not
// start a valid sequence is one replacement character.
char32_t nextCodePoint(const std::string& text, std::size_t* i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char c = byte(*i);
    std::size_t n = c < 0x80           ? 1
                    : (c >> 5) == 0x6  ? 2
                    : (c >> 4) == 0xE  ? 3
                    : (c >> 3) == 0x1E ? 4
                                       : 0;
    if (n == 0 || *i + n > text.size()) {
        ++*i;
        return kReplacement;
    }
    char32_t cp = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(*i + k) & 0xC0) != 0x80) {
            ++*i;
            return kReplacement;
        }
        cp = (cp << 6) | (byte(*i + k) & 0x3F);
    }
    *i += n;
    return cp;
}

int advance(char32_t cp, bool bold) {
    // Tabs and line breaks are drawn as blanks, other control characters as
    // the replacement character.
    if (cp == '\t' || cp == '\n' || cp == '\r')
        cp = ' ';
    else if (cp < 0x20)
        cp = kReplacement;
    const GlyphAdvance* end = kNimbusSansAdvances + kNimbusSansAdvanceCount;
    const GlyphAdvance* found =
        std::lower_bound(kNimbusSansAdvances, end, cp,
                         [](const GlyphAdvance& g, char32_t code) { return g.code < code; });
    if (found == end || found->code != cp) return kFullEm;
    return bold ? found->bold : found->regular;
}

} // namespace

long long textUnits(const std::string& text, bool bold) {
    long long units = 0;
    for (std::size_t i = 0; i < text.size();)
        units += advance(nextCodePoint(text, &i), bold);
    return units;
}

double unitsToPixels(long long units) {
    return static_cast<double>(units) * kPictureFontSize / 1000.0;
}

} // namespace detail

double textWidth(const std::string& text, bool bold) {
    return detail::unitsToPixels(detail::textUnits(text, bold));
}

namespace {

bool fits(const std::string& line, int width, bool bold) {
    return textWidth(line, bold) <= width;
}

// A word too wide for a line is broken between characters: the longest
// piece that fits (at least one character) goes on a line of its own.
void breakWord(std::string* word, int width, bool bold, std::vector<std::string>* lines) {
    while (!fits(*word, width, bold)) {
        std::size_t end = 0;
        for (std::size_t i = 0; i < word->size();) {
            std::size_t next = i + 1;
            while (next < word->size() &&
                   (static_cast<unsigned char>((*word)[next]) & 0xC0) == 0x80)
                ++next;
            if (end > 0 && !fits(word->substr(0, next), width, bold)) break;
            end = i = next;
        }
        if (end >= word->size()) return;
        lines->push_back(word->substr(0, end));
        word->erase(0, end);
    }
}

void wrapParagraph(const std::string& text, int width, bool bold, std::vector<std::string>* lines) {
    std::string line;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t wordStart = text.find_first_not_of(' ', i);
        if (wordStart == std::string::npos) break;
        std::size_t wordEnd = text.find(' ', wordStart);
        if (wordEnd == std::string::npos) wordEnd = text.size();
        std::string word = text.substr(wordStart, wordEnd - wordStart);
        // The blanks before the word stay inside a line, not at a break.
        std::string joined = line.empty() ? word : line + text.substr(i, wordEnd - i);
        if (fits(joined, width, bold)) {
            line = joined;
        } else {
            if (!line.empty()) lines->push_back(line);
            breakWord(&word, width, bold, lines);
            line = word;
        }
        i = wordEnd;
    }
    lines->push_back(line);
}

} // namespace

std::vector<std::string> wrapText(const std::string& text, int width, bool bold) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        std::string paragraph =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        wrapParagraph(paragraph, width, bold, &lines);
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

} // namespace ui
