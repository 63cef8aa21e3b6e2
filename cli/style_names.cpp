#include "cli/style_names.h"

#include <algorithm>
#include <cctype>

namespace plxcli {

namespace {

void addStylesOf(plxhost::Host& host, uint32_t medium, std::vector<OutputStyleRef>* out) {
    OutputStyleRef defaultStyle = host.styles().defaultStyle(medium);
    if (defaultStyle) out->push_back(defaultStyle);
    for (OutputStyleRef style : host.styles().styles())
        if (style != defaultStyle && style->medium == medium) out->push_back(style);
}

std::string lower(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::vector<OutputStyleRef> offeredStyles(plxhost::Host& host) {
    std::vector<OutputStyleRef> out;
    addStylesOf(host, kXTMediumEPS, &out);
    addStylesOf(host, kXTMediumPDF, &out);
    return out;
}

std::string closestName(const std::string& typed, const std::vector<std::string>& names) {
    const size_t kMostEdits = 2;
    std::string wanted = lower(typed), best;
    size_t bestDistance = kMostEdits + 1;
    for (const std::string& name : names) {
        size_t d = editDistance(wanted, lower(name));
        if (d < bestDistance) {
            bestDistance = d;
            best = name;
        }
    }
    return best;
}

uint32_t mediumOfExtension(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    if (dot == std::string::npos) return kXTMediumNone;
    std::string extension = lower(name.substr(dot));
    if (extension == ".eps") return kXTMediumEPS;
    if (extension == ".pdf") return kXTMediumPDF;
    return kXTMediumNone;
}

const char* mediumName(uint32_t medium) {
    if (medium == kXTMediumEPS) return "EPS";
    if (medium == kXTMediumPDF) return "PDF";
    return "none";
}

} // namespace plxcli
