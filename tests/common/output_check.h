// Reading back what an export wrote: Ghostscript's idea of an EPS file's
// bounding box, a PDF page's boxes, and the lines of a PostScript file.
#pragma once

#include <string>

#include "tests/common/process.h"

namespace plxtest {

struct Box4 {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// "%%HiResBoundingBox" as Ghostscript's bbox device measures the file.
bool measuredBoundingBox(const std::string& epsPath, Box4* box);
// A box line ("%%BoundingBox", "%%HiResBoundingBox") the file declares.
bool declaredBox(const std::string& psPath, const std::string& comment, Box4* box);
// A box of page 1 as pdfinfo reports it ("MediaBox", "CropBox").
bool pdfBox(const std::string& pdfPath, const std::string& name, Box4* box);

} // namespace plxtest
