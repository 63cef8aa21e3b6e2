// Pages of drawn layouts that show a page of a PDF file.
#include <filesystem>
#include <map>

#include "host/pdf_document.h"

namespace plxhost {

bool resolvePageSources(Project* project, const std::string& projectPath, std::string* error) {
    std::filesystem::path folder = std::filesystem::path(project->path).parent_path();
    // Each file is read once, however many pages show it.
    std::map<std::string, std::unique_ptr<Project>> documents;
    for (auto& layout : project->layouts) {
        for (const PageSourceLine& line : layout->source.pageSources) {
            auto fail = [&](const std::string& what) {
                if (error) *error = projectPath + ":" + std::to_string(line.line) + ": " + what;
                return false;
            };
            std::filesystem::path file(line.file);
            std::string path = (file.is_absolute() ? file : folder / file).lexically_normal().string();
            auto found = documents.find(path);
            if (found == documents.end()) {
                std::string why;
                std::unique_ptr<Project> document = readPdfDocument(path, &why);
                if (!document) return fail(why);
                found = documents.emplace(path, std::move(document)).first;
            }
            const Layout& pdf = *found->second->layouts.front();
            if (line.pdfPage > pdf.numPages)
                return fail(path + " has " + std::to_string(pdf.numPages) + " page" +
                            (pdf.numPages == 1 ? "" : "s") + ", not a page " +
                            std::to_string(line.pdfPage));
            if (layout->pageSources.size() < static_cast<size_t>(layout->numPages))
                layout->pageSources.resize(static_cast<size_t>(layout->numPages));
            layout->pageSources[static_cast<size_t>(line.page - 1)] =
                pdf.pageSources[static_cast<size_t>(line.pdfPage - 1)];
        }
    }
    return true;
}

} // namespace plxhost
