// Pages rendered at 72 dpi in gray (poppler's pdftoppm), for comparing what
// an export shows with the page it came from.
#pragma once

#include <string>
#include <vector>

namespace plxtest {

struct GrayImage {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels; // rows from the top
};

// Page `page` (1-based) of a PDF rendered at 72 dpi (its CropBox, rotation
// applied). False when it cannot be rendered.
bool renderPdfPage(const std::string& pdfPath, int page, GrayImage* image);

// The share of pixels (0..1) whose gray levels differ by more than
// `levels`; 1 when the sizes differ.
double differingShare(const GrayImage& a, const GrayImage& b, int levels);

} // namespace plxtest
