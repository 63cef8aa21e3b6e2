#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <string>

#include "host/project_file.h"
#include "tests/common/plugin_host.h"

using plxhost::parseProject;

namespace {

std::string errorOf(const std::string& text) {
    std::string error;
    EXPECT_EQ(parseProject(text, "bad.proj", &error), nullptr) << text;
    return error;
}

} // namespace

TEST(HostProjectFile, ExampleCatalogHasRomanFrontMatterAndFacingSpreads) {
    std::string error;
    auto project = plxhost::readProjectFile(plxtest::sourcePath("examples/Catalog.proj"), &error);
    ASSERT_NE(project, nullptr) << error;
    EXPECT_EQ(project->name, "Catalog.proj");
    EXPECT_TRUE(std::filesystem::u8path(project->path).is_absolute()) << project->path;
    ASSERT_GE(project->layouts.size(), 1u);
    const plxhost::Layout& spring = *project->layouts[static_cast<size_t>(project->currentLayout)];
    EXPECT_EQ(spring.name, "Spring");
    EXPECT_EQ(spring.numPages, 12);
    EXPECT_EQ(plxhost::pageLabel(spring, 1), "i");
    EXPECT_EQ(plxhost::pageLabel(spring, 4), "iv");
    EXPECT_EQ(plxhost::pageLabel(spring, 5), "1");
    EXPECT_EQ(plxhost::pageLabel(spring, 12), "8");
    ASSERT_EQ(spring.spreads.size(), 7u);
    EXPECT_EQ(spring.spreads[0], std::vector<int>{1});
    EXPECT_EQ(spring.spreads[1], (std::vector<int>{2, 3}));
    EXPECT_EQ(spring.spreads[6], std::vector<int>{12});
    ASSERT_NE(spring.selectedBox, nullptr);
    EXPECT_FALSE(spring.boxes.empty());
}

TEST(HostProjectFile, SyntaxAndDefaults) {
    std::string error;
    auto p = parseProject("# comment\r\n\xEF\xBB\xBFlayout \"A \\\"q\\\" b\"\n pages 3 # trailing\n"
                          " spread 1 2\n spread 3\n"
                          " section 2 start=10 format=A prefix=\"P \"\n"
                          " data BWYA hex=0041ff\n data ABCD \"text\"\n"
                          " box 5 page=3 x=1 y=2 w=3 h=4 text=\"a b\" selected\n",
                          "ok.proj", &error);
    // The byte-order mark is only skipped at the very start of the file.
    EXPECT_EQ(p, nullptr);
    p = parseProject("\xEF\xBB\xBFlayout \"A \\\"q\\\" b\"\n pages 3 # trailing\n"
                     " spread 1 2\n spread 3\n"
                     " section 2 start=10 format=A prefix=\"P \"\n"
                     " data BWYA hex=0041ff\n data ABCD \"text\"\n"
                     " box 5 page=3 x=1 y=2 w=3 h=4 text=\"a b\" selected\n",
                     "ok.proj", &error);
    ASSERT_NE(p, nullptr) << error;
    const plxhost::Layout& l = *p->layouts[0];
    EXPECT_EQ(l.name, "A \"q\" b");
    EXPECT_EQ(l.masters, std::vector<std::string>{"A-Master"});
    EXPECT_EQ(l.pageWidth, 612);
    EXPECT_EQ(plxhost::pageLabel(l, 1), "1");
    EXPECT_EQ(plxhost::pageLabel(l, 2), "P J");
    EXPECT_EQ(plxhost::pageLabel(l, 3), "P K");
    EXPECT_EQ(l.spreads.size(), 2u);
    EXPECT_EQ(l.slugs.data.at(XT_FOURCC('B', 'W', 'Y', 'A')), std::string("\0A\xff", 3));
    EXPECT_EQ(l.slugs.data.at(XT_FOURCC('A', 'B', 'C', 'D')), "text");
    ASSERT_EQ(l.boxes.size(), 1u);
    EXPECT_EQ(l.selectedBox, &l.boxes[0]);
    EXPECT_EQ(l.boxes[0].text, "a b");
}

TEST(HostProjectFile, ErrorsNameTheFileTheLineAndTheFault) {
    EXPECT_EQ(errorOf(""), "bad.proj:0: the project has no layout");
    EXPECT_EQ(errorOf("pages 3\n"), "bad.proj:1: \"pages\" must follow a \"layout\" line");
    EXPECT_EQ(errorOf("layout \"A\"\n\n  pages zero\n"),
              "bad.proj:3: the page count must be a whole number, not \"zero\"");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 0\n"),
              "bad.proj:2: the page count must be from 1 to 9999, not 0");
    EXPECT_EQ(errorOf("layout \"A\"\n"), "bad.proj:1: layout \"A\" has no \"pages\" line");
    EXPECT_EQ(errorOf("layout \"A\n"), "bad.proj:1: unterminated quoted text");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 2\n frobnicate\n"),
              "bad.proj:3: unknown keyword \"frobnicate\"");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 2\n section 1 format=x\n"),
              "bad.proj:3: a section's format is 1, i, I, a or A, not \"x\"");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 2\n box 1 page=3 w=1 h=1\n"),
              "bad.proj:3: the box lies on page 3 of a 2-page layout");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 2\n box 1 w=1 h=1 selected\n box 2 w=1 h=1 selected\n"),
              "bad.proj:4: only one box of a layout can be selected");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 2\n box 1 w=1 h=1\n box 1 w=1 h=1\n"),
              "bad.proj:4: a second box has the id 1");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 3\n spread 1\n spread 3 2\n"),
              "bad.proj:4: spreads must list the pages in order; expected page 2, found 3");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 3\n spread 1 2\n"),
              "bad.proj:3: the spreads end at page 2 of 3");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 1\nlayout \"A\"\n"),
              "bad.proj:3: a second layout is named \"A\"");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 1\ncurrent-layout \"B\"\n"),
              "bad.proj:3: no layout is named \"B\"");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 1\n data BWY \"x\"\n"),
              "bad.proj:3: a data tag has four characters, not \"BWY\"");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 1\n data BWYA hex=0g\n"),
              "bad.proj:3: not a hex digit: 'g'");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 2\n current-page 3\n"),
              "bad.proj:3: the current page is past the last page");
    EXPECT_EQ(errorOf("layout \"A\"\n pages 1 2\n"), "bad.proj:2: \"pages\" takes 1 value, not 2");
}

TEST(HostProjectFile, UnreadableFileNamesTheFileAndTheReason) {
    std::string error;
    EXPECT_EQ(plxhost::readProjectFile("/nonexistent/x.proj", &error), nullptr);
    EXPECT_EQ(error, "/nonexistent/x.proj: cannot read the project file (No such file or directory)");
}

TEST(HostProjectFile, FolderAndPdfAreNamedForWhatTheyAre) {
    plxtest::TempDir dir;
    std::string error;
    EXPECT_EQ(plxhost::readProjectFile(dir.path(), &error), nullptr);
    EXPECT_EQ(error, dir.path() + ": is a folder, not a project file");
    std::string pdf = dir.file("Spring.pdf");
    ASSERT_TRUE(plxtest::writeFile(pdf, "%PDF-1.7\n%\xE2\xE3\n1 0 obj\n"));
    EXPECT_EQ(plxhost::readProjectFile(pdf, &error), nullptr);
    EXPECT_EQ(error, pdf + ": is a PDF document, not a project file");
}

// The file is read a piece at a time: lines (and a CR LF) that a piece
// cuts, and a line longer than a piece, read as the same text does.
TEST(HostProjectFile, AFileReadsAsItsTextWhereverItsPiecesAreCut) {
    std::string text = "\xEF\xBB\xBFlayout \"A\"\r\n pages 3\r\n";
    for (int id = 1; text.size() < 200000; ++id)
        text += " box " + std::to_string(id) + " page=2 w=1 h=1 text=\"" + std::string(id % 50, 'x') + "\"\r\n";
    text += " box 999999 w=1 h=1 text=\"" + std::string(150000, 'y') + "\"\r\n";
    // A line end cut between its CR and LF at the first piece's end.
    size_t cut = text.rfind("\r\n", 65534);
    text.insert(cut, 65535 - cut, ' ');
    ASSERT_EQ(text.substr(65535, 2), "\r\n");
    text += "layout \"B\"\n pages 1"; // no line end at the end

    plxtest::TempDir dir;
    std::string path = dir.file("Long.proj");
    ASSERT_TRUE(plxtest::writeFile(path, text));
    std::string error;
    auto fromFile = plxhost::readProjectFile(path, &error);
    ASSERT_NE(fromFile, nullptr) << error;
    auto fromText = parseProject(text, "Long.proj", &error);
    ASSERT_NE(fromText, nullptr) << error;
    ASSERT_EQ(fromFile->layouts.size(), 2u);
    EXPECT_EQ(fromFile->layouts[0]->name, "A");
    const auto& a = fromFile->layouts[0]->boxes;
    const auto& b = fromText->layouts[0]->boxes;
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].id, b[i].id);
        EXPECT_EQ(a[i].text, b[i].text) << a[i].id;
    }
    EXPECT_EQ(a[a.size() - 1].text, std::string(150000, 'y'));
    EXPECT_TRUE(fromFile->sourceDigest.known);
    EXPECT_EQ(fromFile->sourceDigest.size, text.size());
    EXPECT_EQ(fromFile->sourceDigest.digest, fromText->sourceDigest.digest);

    // A fault far into the file names its line.
    text.insert(text.find("layout \"B\""), " box 7 w=1 h=1\n");
    ASSERT_TRUE(plxtest::writeFile(path, text));
    EXPECT_EQ(plxhost::readProjectFile(path, &error), nullptr);
    size_t line = 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<long>(text.find(" box 7 w")), '\n'));
    EXPECT_EQ(error, path + ":" + std::to_string(line) + ": a second box has the id 7");
}

TEST(HostProjectFile, NumbersAndTagsHideNothingBehindANul) {
    using namespace std::string_literals;
    EXPECT_EQ(errorOf("layout \"A\"\n pages 3\0junk\n"s),
              "bad.proj:2: the page count must be a whole number, not \"3\0junk\""s);
    EXPECT_EQ(errorOf("layout \"A\"\n pages 3\n page-size 100\0 200\n"s),
              "bad.proj:3: the page width must be a number, not \"100\0\""s);
    EXPECT_EQ(errorOf("layout \"A\"\n pages 3\n box 1 w=1\0x h=2\n"s),
              "bad.proj:3: w must be a number, not \"1\0x\""s);
    EXPECT_EQ(errorOf("layout \"A\"\n pages 1\n data BW\0A \"x\"\n"s),
              "bad.proj:3: a data tag has printable ASCII characters only");
}

TEST(HostProjectFile, ManyBoxesKeepTheirOrderAndDuplicatesAreFound) {
    std::string text = "layout \"A\"\n pages 2\n";
    for (int id = 1; id <= 5000; ++id)
        text += " box " + std::to_string(id) + " page=" + std::to_string(1 + id % 2) + " w=1 h=1\n";
    std::string error;
    auto p = parseProject(text, "many.proj", &error);
    ASSERT_NE(p, nullptr) << error;
    ASSERT_EQ(p->layouts[0]->boxes.size(), 5000u);
    EXPECT_EQ(p->layouts[0]->boxes[4999].id, 5000);
    EXPECT_EQ(errorOf(text + " box 2500 w=1 h=1\n"), "bad.proj:5003: a second box has the id 2500");
    // The largest ids, and ids on either side of a 64-bit word's edge.
    EXPECT_EQ(errorOf("layout \"A\"\n pages 1\n box 999999 w=1 h=1\n box 63 w=1 h=1\n box 64 w=1 h=1\n"
                      " box 128 w=1 h=1\n box 999999 w=1 h=1\n"),
              "bad.proj:7: a second box has the id 999999");
    EXPECT_NE(parseProject("layout \"A\"\n pages 1\n box 64 w=1 h=1\n box 63 w=1 h=1\n box 65 w=1 h=1\n"
                           " box 1 w=1 h=1\n",
                           "ids.proj", &error),
              nullptr)
        << error;
    // Box ids are unique per layout, not per project.
    EXPECT_NE(parseProject(text + "layout \"B\"\n pages 1\n box 1 w=1 h=1\n", "two.proj", &error),
              nullptr)
        << error;
}

TEST(HostProjectFile, PagesKnowTheirSpreadAndBoxesEvenAfterTheLayoutChanges) {
    std::string error;
    auto p = parseProject("layout \"A\"\n pages 3\n spreads facing\n"
                          " box 1 page=2 w=1 h=1\n box 2 page=3 w=1 h=1\n box 3 page=2 w=1 h=1\n",
                          "a.proj", &error);
    ASSERT_NE(p, nullptr) << error;
    plxhost::Layout& l = *p->layouts[0];
    int spread = 0, place = -1;
    ASSERT_TRUE(plxhost::spreadOfPage(l, 3, &spread, &place));
    EXPECT_EQ(spread, 2);
    EXPECT_EQ(place, 1);
    EXPECT_FALSE(plxhost::spreadOfPage(l, 4, &spread, &place));
    EXPECT_FALSE(plxhost::spreadOfPage(l, 0, &spread, &place));
    auto ids = [&](int page) {
        std::vector<int> out;
        for (const plxhost::Box* b : plxhost::boxesOnPage(l, page)) out.push_back(b->id);
        return out;
    };
    EXPECT_EQ(ids(2), (std::vector<int>{1, 3})); // the layout's order
    EXPECT_TRUE(ids(1).empty());
    EXPECT_TRUE(ids(9).empty());
    // Spreads made anew, or edited in place, and boxes added are seen.
    l.spreads = {{1, 2, 3}};
    ASSERT_TRUE(plxhost::spreadOfPage(l, 3, &spread, &place));
    EXPECT_EQ(spread, 1);
    EXPECT_EQ(place, 2);
    l.spreads = {{3, 2, 1}}; // the same shape, made anew
    ASSERT_TRUE(plxhost::spreadOfPage(l, 3, &spread, &place));
    EXPECT_EQ(place, 0);
    l.boxes.add().id = 4;
    l.boxes.back().page = 1;
    EXPECT_EQ(ids(1), std::vector<int>{4});
}

// A box's address is its box id: boxes stay where they are however many
// are added after them.
TEST(HostProjectFile, BoxesKeepTheirAddressesAsTheLayoutGrows) {
    plxhost::BoxList boxes;
    std::vector<const plxhost::Box*> at;
    for (int id = 1; id <= 1000; ++id) {
        plxhost::Box& b = boxes.add();
        b.id = id;
        b.text = std::string(static_cast<size_t>(id % 40), 't');
        at.push_back(&b);
    }
    ASSERT_EQ(boxes.size(), 1000u);
    int id = 0;
    for (const plxhost::Box& b : boxes) {
        EXPECT_EQ(&b, at[static_cast<size_t>(id)]);
        EXPECT_EQ(b.id, ++id);
        EXPECT_EQ(b.text.size(), static_cast<size_t>(id % 40));
    }
    EXPECT_EQ(id, 1000);
    plxhost::BoxList moved = std::move(boxes);
    EXPECT_EQ(&moved[999], at[999]);
    EXPECT_EQ(moved.back().id, 1000);
}

TEST(HostPageLabels, NumberFormats) {
    using plxhost::formatPageNumber;
    EXPECT_EQ(formatPageNumber(4, 'i'), "iv");
    EXPECT_EQ(formatPageNumber(1994, 'I'), "MCMXCIV");
    EXPECT_EQ(formatPageNumber(4000, 'i'), "4000");
    EXPECT_EQ(formatPageNumber(1, 'a'), "a");
    EXPECT_EQ(formatPageNumber(26, 'A'), "Z");
    EXPECT_EQ(formatPageNumber(27, 'a'), "aa");
    EXPECT_EQ(formatPageNumber(53, 'A'), "BA");
    EXPECT_EQ(formatPageNumber(12, '1'), "12");
}
