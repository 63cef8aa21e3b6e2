#include "tests/common/output_check.h"

#include <cstdio>
#include <sstream>

#include "tests/common/temp_dir.h"

namespace plxtest {

namespace {

bool findBox(const std::string& text, const std::string& label, Box4* box) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        size_t at = line.find(label);
        if (at == std::string::npos) continue;
        std::istringstream values(line.substr(at + label.size()));
        if (values >> box->x1 >> box->y1 >> box->x2 >> box->y2) return true;
    }
    return false;
}

} // namespace

bool measuredBoundingBox(const std::string& epsPath, Box4* box) {
    std::string out =
        runCommand("gs -q -dBATCH -dNOPAUSE -dSAFER -dEPSCrop -sDEVICE=bbox '" + epsPath + "'");
    return findBox(out, "%%HiResBoundingBox:", box);
}

bool declaredBox(const std::string& psPath, const std::string& comment, Box4* box) {
    return findBox(readFile(psPath), comment + ":", box);
}

bool pdfBox(const std::string& pdfPath, const std::string& name, Box4* box) {
    std::string out = runCommand("pdfinfo -box '" + pdfPath + "'");
    std::string padded = name + ":";
    return findBox(out, padded, box);
}

} // namespace plxtest
