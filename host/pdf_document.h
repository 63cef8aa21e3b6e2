// PDF documents as layouts: a PDF opens as a project of one layout whose
// pages are the PDF's pages, each with its own size (CropBox else MediaBox,
// rotation applied), labelled by the PDF's /PageLabels and folded into
// spreads by its /PageLayout. The layout has no boxes and no master pages.
// See docs/pdf-documents.md.
//
// The reader sits behind this interface so that a build without a PDF
// library can leave PDF documents out: it then refuses them with a message.
#pragma once

#include <memory>
#include <string>

#include "host/project.h"

namespace plxhost {

// Whether the file is to be read as a PDF: it begins with "%PDF-" (within
// its first kilobyte, as readers allow) or its name ends in ".pdf".
bool isPdfPath(const std::string& path);

// Reads the PDF at path as a project (name: the file name; one layout
// named after the file without its extension; fromPdf set). On failure
// returns null with *error set to "FILE: what is wrong" (not a PDF,
// encrypted, damaged, no pages, or this build cannot read PDFs).
std::unique_ptr<Project> readPdfDocument(const std::string& path, std::string* error);

// Gives the pages named by the layouts' "page-source" statements their
// sources: each file, relative to the project file's folder, is read as a
// PDF. False with *error set to "PROJECT:LINE: what is wrong".
bool resolvePageSources(Project* project, const std::string& projectPath, std::string* error);

// Whether this build can read PDF documents.
bool canReadPdfDocuments();

// Spreads of a PDF's /PageLayout name ("TwoColumnRight", …) for n pages.
std::vector<std::vector<int>> spreadsForPageLayout(const std::string& pageLayout, int n);

} // namespace plxhost
