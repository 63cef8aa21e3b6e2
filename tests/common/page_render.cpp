#include "tests/common/page_render.h"

#include <cstdio>
#include <cstdlib>

#include "tests/common/cli_run.h"
#include "tests/common/output_check.h"
#include "tests/common/temp_dir.h"

namespace plxtest {

namespace {

// A binary PGM ("P5"): header, then one byte a pixel.
bool readPgm(const std::string& bytes, GrayImage* image) {
    int maxval = 0, used = 0;
    if (std::sscanf(bytes.c_str(), "P5 %d %d %d%n", &image->width, &image->height, &maxval,
                    &used) != 3 ||
        maxval != 255 || image->width <= 0 || image->height <= 0)
        return false;
    size_t start = static_cast<size_t>(used) + 1;
    size_t size = static_cast<size_t>(image->width) * static_cast<size_t>(image->height);
    if (bytes.size() < start + size) return false;
    image->pixels.assign(bytes.begin() + static_cast<long>(start),
                         bytes.begin() + static_cast<long>(start + size));
    return true;
}

} // namespace

bool renderPdfPage(const std::string& pdfPath, int page, GrayImage* image) {
    TempDir dir;
    std::string n = std::to_string(page);
    int status = -1;
    runCommand("pdftoppm -r 72 -gray -cropbox -singlefile -f " + n + " -l " + n + " " +
                   shellQuoted(pdfPath) + " " + shellQuoted(dir.file("page")),
               &status);
    return status == 0 && readPgm(readFile(dir.file("page.pgm")), image);
}

double differingShare(const GrayImage& a, const GrayImage& b, int levels) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty()) return 1;
    size_t differing = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
        if (std::abs(int(a.pixels[i]) - int(b.pixels[i])) > levels) ++differing;
    return static_cast<double>(differing) / static_cast<double>(a.pixels.size());
}

} // namespace plxtest
