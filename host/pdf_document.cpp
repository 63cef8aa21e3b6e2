#include "host/pdf_document.h"

#include <cstdio>
#include <cstring>

#include "host/file_open.h"

namespace plxhost {

bool isPdfPath(const std::string& path) {
    if (std::FILE* f = openFile(path, "rb")) {
        char head[1024];
        size_t n = std::fread(head, 1, sizeof head, f);
        std::fclose(f);
        for (size_t i = 0; i + 5 <= n; ++i)
            if (std::memcmp(head + i, "%PDF-", 5) == 0) return true;
    }
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".pdf";
}

std::vector<std::vector<int>> spreadsForPageLayout(const std::string& pageLayout, int n) {
    std::vector<std::vector<int>> spreads;
    // Facing pages with the first page alone (on the right), or in pairs
    // from the first page; every other layout shows single pages.
    bool right = pageLayout == "TwoColumnRight" || pageLayout == "TwoPageRight";
    bool left = pageLayout == "TwoColumnLeft" || pageLayout == "TwoPageLeft";
    int page = 1;
    if (right && n >= 1) spreads.push_back({page++});
    while (page <= n) {
        if ((left || right) && page + 1 <= n) {
            spreads.push_back({page, page + 1});
            page += 2;
        } else {
            spreads.push_back({page++});
        }
    }
    return spreads;
}

} // namespace plxhost
