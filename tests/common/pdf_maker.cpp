#include "tests/common/pdf_maker.h"

#include <cstdio>

namespace plxtest {

namespace {

std::string num(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

} // namespace

std::string makePdf(const PdfDocumentPlan& plan) {
    // Objects: 1 catalog, 2 page tree, 3 font, then a page and its content
    // stream for each page.
    std::vector<std::string> objects(3);
    std::string kids;
    for (size_t i = 0; i < plan.pages.size(); ++i) {
        const PdfPage& p = plan.pages[i];
        size_t pageObj = 4 + 2 * i, contentObj = pageObj + 1;
        kids += std::to_string(pageObj) + " 0 R ";
        std::string page = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + num(p.width) + " " +
                           num(p.height) + "]";
        if (!p.cropBox.empty()) page += " /CropBox " + p.cropBox;
        if (p.rotate) page += " /Rotate " + std::to_string(p.rotate);
        page += " /Resources << /Font << /F1 3 0 R >> >> /Contents " + std::to_string(contentObj) +
                " 0 R >>";
        // What is drawn lies inside the shown box, near its corners.
        double llx = 0, lly = 0, urx = p.width, ury = p.height;
        if (!p.cropBox.empty())
            std::sscanf(p.cropBox.c_str(), "[%lf %lf %lf %lf]", &llx, &lly, &urx, &ury);
        std::string stream = "BT /F1 18 Tf " + num(llx + 40) + " " + num(ury - 60) + " Td (" +
                             p.text + ") Tj ET\n0 0 1 rg " + num(llx + 40) + " " + num(lly + 40) +
                             " 100 50 re f\n";
        if (p.image) {
            std::string pixels;
            for (int y = 0; y < 64; ++y)
                for (int x = 0; x < 64; ++x) pixels += static_cast<char>((x ^ y) & 1 ? 0 : 255);
            stream += "q 10 0 0 10 " + num(urx - 60) + " " + num(ury - 60) +
                      " cm BI /W 64 /H 64 /CS /G /BPC 8 ID " + pixels + " EI Q\n";
        }
        objects.push_back(page);
        objects.push_back("<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" +
                          stream + "endstream");
    }
    objects[0] = "<< /Type /Catalog /Pages 2 0 R";
    if (!plan.pageLabels.empty()) objects[0] += " /PageLabels << /Nums [" + plan.pageLabels + "] >>";
    if (!plan.pageLayout.empty()) objects[0] += " /PageLayout /" + plan.pageLayout;
    objects[0] += " >>";
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " +
                 std::to_string(plan.pages.size()) + " >>";
    objects[2] = "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>";

    std::string out = "%PDF-1.7\n%\xe2\xe3\xcf\xd3\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t off : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", off);
        out += entry;
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

} // namespace plxtest
