// Builds without a PDF library (the Windows cross-build) leave PDF
// documents out and say so.
#include "host/pdf_document.h"

namespace plxhost {

bool canReadPdfDocuments() { return false; }

std::unique_ptr<Project> readPdfDocument(const std::string& path, std::string* error) {
    *error = path + ": this build of Plexmoor cannot open PDF documents.";
    return nullptr;
}

} // namespace plxhost
