#include "host/project.h"

namespace plxhost {

namespace {

std::string roman(int n, bool upper) {
    static const struct {
        int value;
        const char* lower;
    } kDigits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"},
                   {90, "xc"},  {50, "l"},   {40, "xl"}, {10, "x"},   {9, "ix"},
                   {5, "v"},    {4, "iv"},   {1, "i"}};
    std::string out;
    for (const auto& d : kDigits) {
        while (n >= d.value) {
            out += d.lower;
            n -= d.value;
        }
    }
    if (upper)
        for (char& c : out) c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// a..z, then aa..az, ba.. as a spreadsheet counts columns.
std::string letters(int n, bool upper) {
    std::string out;
    while (n > 0) {
        --n;
        out.insert(out.begin(), static_cast<char>((upper ? 'A' : 'a') + n % 26));
        n /= 26;
    }
    return out;
}

} // namespace

std::string formatPageNumber(int number, char format) {
    // Roman numerals and letters have no form for zero or less, nor roman
    // for numbers past 3999: those are shown in decimal.
    switch (format) {
    case 'i':
    case 'I':
        if (number >= 1 && number <= 3999) return roman(number, format == 'I');
        break;
    case 'a':
    case 'A':
        if (number >= 1) return letters(number, format == 'A');
        break;
    default:
        break;
    }
    return std::to_string(number);
}

std::string pageLabel(const Layout& layout, int page) {
    if (page < 1 || page > layout.numPages) return std::string();
    const Section* section = nullptr;
    for (const Section& s : layout.sections)
        if (s.firstPage <= page) section = &s;
    if (!section) return std::to_string(page);
    if (section->format == ' ') return section->prefix;
    return section->prefix +
           formatPageNumber(section->start + (page - section->firstPage), section->format);
}

bool spreadOfPage(const Layout& layout, int page, int* spread, int* place) {
    std::pair<int, int> at = layout.index.spreadOf(layout, page);
    if (at.first == 0) return false;
    if (spread) *spread = at.first;
    if (place) *place = at.second;
    return true;
}

BoxesOnPage boxesOnPage(const Layout& layout, int page) {
    return layout.index.boxesOn(layout, page);
}

} // namespace plxhost
