#include <gtest/gtest.h>

#include "host/documents.h"
#include "host/project_file.h"
#include "host/project_writer.h"
#include "tests/common/plugin_host.h"

namespace {

// The project as the info command would print it, to compare two projects.
std::string summary(const plxhost::Project& p) {
    std::string s;
    for (const auto& l : p.layouts) {
        s += l->name + "|" + std::to_string(l->numPages) + "|" + std::to_string(l->pageWidth) +
             "|" + std::to_string(l->masters.size()) + "|cur " + std::to_string(l->currentPage);
        for (int page = 1; page <= l->numPages; ++page) s += " " + plxhost::pageLabel(*l, page);
        for (const auto& spread : l->spreads) s += " [" + std::to_string(spread.size()) + "]";
        for (const plxhost::Box& b : l->boxes)
            s += " box" + std::to_string(b.id) + "@" + std::to_string(b.page) + ":" + b.text +
                 (l->selectedBox == &b ? "*" : "");
        for (const auto& [tag, bytes] : l->slugs.data) s += " data" + std::to_string(bytes.size());
        for (const auto& source : l->source.pageSources)
            s += " source" + std::to_string(source.page) + ":" + source.file + "#" +
                 std::to_string(source.pdfPage);
        s += "\n";
    }
    return s + "front " + std::to_string(p.currentLayout);
}

} // namespace

TEST(HostProjectWriter, WrittenProjectReadsBackTheSame) {
    std::string error;
    auto original = plxhost::readProjectFile(plxtest::sourcePath("examples/Catalog.proj"), &error);
    ASSERT_NE(original, nullptr) << error;
    original->layouts[0]->slugs.data[XT_FOURCC('B', 'W', 'Y', 'A')] = std::string("Default\0\0", 9);
    original->layouts[0]->boxes[0].text = "quote \" and \\ and\ttab";
    original->layouts[0]->source.pageSources.push_back({0, 3, "Art \"1\".pdf", 2});
    original->layouts[1]->docRef = 7;
    std::string text = plxhost::projectFileText(*original, 7);
    auto again = plxhost::parseProject(text, "again.proj", &error);
    ASSERT_NE(again, nullptr) << error << "\n" << text;
    original->currentLayout = 1;
    EXPECT_EQ(summary(*again), summary(*original));
}

TEST(HostProjectWriter, SavingReplacesTheFileAndClearsTheMark) {
    plxtest::TempDir dir;
    std::string path = dir.file("Small.proj");
    ASSERT_TRUE(plxtest::writeFile(path, "layout \"A\"\n pages 2\n"));
    plxhost::Documents docs;
    std::string error;
    int32_t proj = docs.openProject(path, &error);
    ASSERT_NE(proj, -1) << error;
    docs.markChanged(docs.front()->docRef);
    docs.front()->slugs.data[XT_FOURCC('B', 'W', 'Y', 'A')] = "PDF";
    ASSERT_TRUE(docs.saveProject(proj, &error)) << error;
    EXPECT_FALSE(docs.project(proj)->changed);
    EXPECT_NE(plxtest::readFile(path).find("data \"BWYA\" hex=504446"), std::string::npos);

    docs.project(proj)->path = dir.file("missing/folder/Small.proj");
    EXPECT_FALSE(docs.saveProject(proj, &error));
    EXPECT_FALSE(error.empty());
}
