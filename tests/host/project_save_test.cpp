// Saving a project read from a file edits that file's text: the data
// statements that changed, nothing else.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/documents.h"
#include "host/file_open.h"
#include "host/project_file.h"
#include "host/project_writer.h"
#include "tests/common/plugin_host.h"

namespace {

const uint32_t kBWYA = XT_FOURCC('B', 'W', 'Y', 'A');

// A hand-written project: comments, blank lines, a text data value with a
// trailing comment, facing spreads and CR LF line ends in the second layout.
const char* const kHandWritten =
    "# Spring, by hand.\n"
    "layout \"Spring\"   # the main one\n"
    "\n"
    "    pages 7\n"
    "    spreads facing\n"
    "    data BWYA \"Default EPS\"   # last style\n"
    "    box 1 page=2 w=10 h=10 text=\"# not a comment\"\n"
    "\n"
    "# prices follow\r\n"
    "layout \"Prices\"\r\n"
    "\tpages 1\r\n"
    "\r\n"
    "current-layout \"Spring\"";

struct Opened {
    plxhost::Documents docs;
    int32_t proj = -1;
    plxhost::Layout* layout(size_t i) { return docs.project(proj)->layouts[i].get(); }
};

void open(Opened& o, const std::string& path) {
    std::string error;
    o.proj = o.docs.openProject(path, &error);
    ASSERT_NE(o.proj, -1) << error;
}

} // namespace

TEST(HostProjectSave, OnlyTheChangedDataLineIsRewritten) {
    plxtest::TempDir dir;
    std::string path = dir.file("Spring.proj");
    ASSERT_TRUE(plxtest::writeFile(path, kHandWritten));
    Opened o;
    open(o, path);
    std::string error;
    // Saved unchanged: byte for byte the same file.
    ASSERT_TRUE(o.docs.saveProject(o.proj, &error)) << error;
    EXPECT_EQ(plxtest::readFile(path), kHandWritten);

    o.layout(0)->slugs.data[kBWYA] = "PDF";
    ASSERT_TRUE(o.docs.saveProject(o.proj, &error)) << error;
    std::string expected = kHandWritten;
    const std::string old = "data BWYA \"Default EPS\"";
    expected.replace(expected.find(old), old.size(), "data \"BWYA\" hex=504446");
    EXPECT_EQ(plxtest::readFile(path), expected);

    // A second save in the same session edits the file as it now is.
    o.layout(0)->slugs.data[kBWYA] = "EPS";
    ASSERT_TRUE(o.docs.saveProject(o.proj, &error)) << error;
    expected.replace(expected.find("hex=504446"), 10, "hex=455053");
    EXPECT_EQ(plxtest::readFile(path), expected);
}

TEST(HostProjectSave, NewDataFollowsTheLayoutsLastStatementAndRemovedDataGoes) {
    plxtest::TempDir dir;
    std::string path = dir.file("Spring.proj");
    ASSERT_TRUE(plxtest::writeFile(path, kHandWritten));
    Opened o;
    open(o, path);
    o.layout(1)->slugs.data[kBWYA] = "P";
    o.layout(0)->slugs.data.erase(kBWYA);
    std::string error;
    ASSERT_TRUE(o.docs.saveProject(o.proj, &error)) << error;
    std::string expected = kHandWritten;
    expected.erase(expected.find("    data BWYA"), std::string("    data BWYA \"Default EPS\"   # last style\n").size());
    expected.insert(expected.find("\tpages 1\r\n") + 10, "\tdata \"BWYA\" hex=50\r\n");
    EXPECT_EQ(plxtest::readFile(path), expected);

    Opened again;
    open(again, path);
    EXPECT_EQ(again.layout(1)->slugs.data.at(kBWYA), "P");
    EXPECT_EQ(again.layout(0)->slugs.data.count(kBWYA), 0u);
    EXPECT_EQ(again.layout(0)->spreads.size(), 4u);
}

TEST(HostProjectSave, LastLineWithoutLineEndGetsOneBeforeAnAddedLine) {
    plxtest::TempDir dir;
    std::string path = dir.file("A.proj");
    ASSERT_TRUE(plxtest::writeFile(path, "layout \"A\"\n  pages 2"));
    Opened o;
    open(o, path);
    o.layout(0)->slugs.data[kBWYA] = "x";
    std::string error;
    ASSERT_TRUE(o.docs.saveProject(o.proj, &error)) << error;
    EXPECT_EQ(plxtest::readFile(path), "layout \"A\"\n  pages 2\n  data \"BWYA\" hex=78\n");
}

// Saving edits the file as it is now, which must be the text that was
// opened: another program's (or person's) edits since are not overwritten,
// nor is a file that went away made again from a text no longer there.
TEST(HostProjectSave, AFileChangedOrRemovedSinceItWasOpenedIsNotOverwritten) {
    plxtest::TempDir dir;
    std::string path = dir.file("Spring.proj");
    ASSERT_TRUE(plxtest::writeFile(path, kHandWritten));
    Opened o;
    open(o, path);
    o.layout(0)->slugs.data[kBWYA] = "PDF";
    const std::string refused = path + ": the project file was changed since the project was opened; "
                                       "the project was not saved, so that those changes are not overwritten";
    std::string edited = kHandWritten;
    edited.replace(edited.find("pages 7"), 7, "pages 8"); // the same size
    for (const std::string& other : {edited, std::string(kHandWritten) + "\n# more\n",
                                     std::string(kHandWritten).substr(0, 40)}) {
        ASSERT_TRUE(plxtest::writeFile(path, other));
        std::string error;
        EXPECT_FALSE(o.docs.saveProject(o.proj, &error));
        EXPECT_EQ(error, refused);
        EXPECT_EQ(plxtest::readFile(path), other);
    }
    // Put back as it was opened, it is saved again.
    ASSERT_TRUE(plxtest::writeFile(path, kHandWritten));
    std::string error;
    ASSERT_TRUE(o.docs.saveProject(o.proj, &error)) << error;
    EXPECT_NE(plxtest::readFile(path).find("data \"BWYA\" hex=504446"), std::string::npos);

    ASSERT_TRUE(plxhost::removeFile(path));
    o.layout(0)->slugs.data[kBWYA] = "EPS";
    EXPECT_FALSE(o.docs.saveProject(o.proj, &error));
    EXPECT_EQ(error, path + ": cannot read the project file to save into it (No such file or directory); "
                            "the project was not saved");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(HostProjectWriter, TheFileNameInTheHeaderCannotStartAStatement) {
    std::string error;
    auto project = plxhost::parseProject("layout \"A\"\n pages 1\n", "a.proj", &error);
    ASSERT_NE(project, nullptr) << error;
    project->name = "x\nlayout \"Injected\"\n pages 3\n\"\r\x01.proj";
    std::string text = plxhost::projectFileText(*project, -1);
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "# \"x\\nlayout \\\"Injected\\\"\\n pages 3\\n\\\"\\x0d\\x01.proj\"");
    auto again = plxhost::parseProject(text, "again.proj", &error);
    ASSERT_NE(again, nullptr) << error;
    ASSERT_EQ(again->layouts.size(), 1u);
    EXPECT_EQ(again->layouts[0]->name, "A");
}
