#include <gtest/gtest.h>

#include <string>

#include "plugin/settings/settings_store.h"
#include "tests/common/native_text.h"
#include "tests/common/temp_dir.h"

using plxtest::readFile;
using plxtest::withLineEnds;
using plxtest::TempDir;
using plxtest::writeFile;

namespace {

// A store loaded from a file holding `content`.
struct Loaded {
    TempDir dir;
    std::string file = dir.file("s.ini");
    CMySettings store;
    explicit Loaded(const std::string& content) {
        writeFile(file, content);
        EXPECT_EQ(store.setupWithPath(file.c_str()), 0);
    }
    std::string get(const char* section, const char* key, int32_t size = 512) {
        std::string buf(static_cast<size_t>(size), '#');
        int32_t n = store.getString(section, key, buf.data(), size);
        return n < 0 ? "<missing>" : buf.substr(0, static_cast<size_t>(n));
    }
    std::string saved() {
        EXPECT_EQ(store.save(), 0);
        return readFile(file);
    }
};

} // namespace

TEST(SettingsStore, AnyLineEndsLoadIntoOneCRPerLineAndSaveInThePlatformsForm) {
    for (const char* content : {"[A]\nx=1\n\n[B]\ny=2", "[A]\r\nx=1\r\n\r\n\r\n[B]\r\ny=2\r\n",
                                "\r\r[A]\rx=1\r[B]\ry=2"}) {
        Loaded s(content);
        EXPECT_STREQ(s.store.text(), "\r[A]\rx=1\r[B]\ry=2\r") << content;
        EXPECT_EQ(s.get("B", "y"), "2");
        EXPECT_EQ(s.saved(), withLineEnds("[A]\nx=1\n\n[B]\ny=2\n"));
    }
}

TEST(SettingsStore, SetAppendsSectionsAndMovesKeysToTheTop) {
    Loaded s("[A]\nx=1\ny=2\n");
    ASSERT_EQ(s.store.set("A", "y", "a=b=c"), 0);
    ASSERT_EQ(s.store.set("A", "z", 7), 0);
    ASSERT_EQ(s.store.set("New", "k", ""), 0);
    // The appended section has its empty line in memory but gets only one
    // in the file.
    EXPECT_STREQ(s.store.text(), "\r[A]\rz=7\ry=a=b=c\rx=1\r\r[New]\rk=\r");
    EXPECT_EQ(s.get("A", "y"), "a=b=c");
    EXPECT_EQ(s.saved(), withLineEnds("[A]\nz=7\ny=a=b=c\nx=1\n\n[New]\nk=\n"));
    s.store.remove("A", "x");
    s.store.remove("New", "x"); // not in that section: nothing happens
    EXPECT_STREQ(s.store.text(), "\r[A]\rz=7\ry=a=b=c\r\r[New]\rk=\r");
}

TEST(SettingsStore, LookupsAreExactAndStayInTheirSection) {
    Loaded s("[A]\nKey=upper\n key=blank\nother=1\n[A]\nkey=dup-section\n[B]\nkey=b\nkey=b2\n"
             "[C]x\nkey=c\n");
    EXPECT_EQ(s.get("A", "Key"), "upper");
    EXPECT_EQ(s.get("A", "key"), "<missing>"); // case and the blank count
    EXPECT_EQ(s.get("a", "Key"), "<missing>");
    EXPECT_EQ(s.get("B", "key"), "b"); // first of two
    ASSERT_EQ(s.store.set("A", "key", "a"), 0);
    EXPECT_EQ(s.get("A", "key"), "a");
    EXPECT_EQ(s.get("B", "key"), "b");
    ASSERT_EQ(s.store.set("B", "key", "new"), 0);
    EXPECT_EQ(s.get("B", "key"), "new");
    EXPECT_NE(std::string(s.store.text()).find("\rkey=dup-section\r"), std::string::npos);
    EXPECT_NE(std::string(s.store.text()).find("\rkey=b2\r"), std::string::npos);
    EXPECT_EQ(s.get("C", "key"), "c"); // a header line only has to begin with "[C]"
}

TEST(SettingsStore, NumbersAndEmptyValues) {
    Loaded s("[G]\nempty=\nneg= -12x\nword=abc\nhuge=99999999999\n");
    EXPECT_EQ(s.get("G", "empty"), "");
    EXPECT_EQ(s.store.getInt32("G", "empty", 5), 5);
    EXPECT_EQ(s.store.getInt32("G", "missing", 5), 5);
    EXPECT_EQ(s.store.getInt32("G", "neg", 5), -12);
    EXPECT_EQ(s.store.getInt32("G", "word", 5), 0);
    EXPECT_EQ(s.store.getInt32("G", "huge", 5), INT32_MAX);
}

TEST(SettingsStore, ByteOrderMarkNulAndNoFinalLineEnd) {
    Loaded bom("\xEF\xBB\xBF[G]\r\nx=1");
    EXPECT_EQ(bom.get("G", "x"), "<missing>"); // the mark belongs to the first line
    EXPECT_EQ(bom.saved(), withLineEnds("\xEF\xBB\xBF[G]\nx=1\n"));

    Loaded nul(std::string("[G]\nx=1\n\0[G]\ny=2\n", 17));
    EXPECT_EQ(nul.get("G", "x"), "1");
    EXPECT_EQ(nul.get("G", "y"), "<missing>");
}

TEST(SettingsStore, LongValuesAreReadWholeOrNotAtAll) {
    std::string big(100000, 'v');
    Loaded s("[G]\nbig=" + big + "\nafter=1");
    EXPECT_EQ(s.get("G", "big", 100001), big);
    char small[16] = "untouched";
    EXPECT_EQ(s.store.getString("G", "big", small, sizeof small), -1);
    EXPECT_STREQ(small, "untouched");
    EXPECT_EQ(s.store.getInt32("G", "big", 3), 3);
    EXPECT_EQ(s.get("G", "after"), "1");

    // One insertion far beyond the free room the buffer keeps.
    std::string bigger(300000, 'w');
    ASSERT_EQ(s.store.set("Other", "w", bigger.c_str()), 0);
    EXPECT_LT(s.store.textLength(), s.store.textCapacity());
    EXPECT_EQ(s.get("Other", "w", 300001), bigger);
    EXPECT_EQ(s.saved(),
              withLineEnds("[G]\nbig=" + big + "\nafter=1\n\n[Other]\nw=" + bigger + "\n"));
}

TEST(SettingsStore, NamesThatCannotBeOneLineAreRefused) {
    Loaded s("");
    std::string section252(252, 's'), key253(253, 'k');
    EXPECT_EQ(s.store.set(section252.c_str(), key253.c_str(), "ok"), 0);
    EXPECT_EQ(s.get(section252.c_str(), key253.c_str()), "ok");
    std::string section253(253, 's'), key254(254, 'k');
    std::string before = s.store.text();
    EXPECT_EQ(s.store.set(section253.c_str(), "k", "x"), -1);
    EXPECT_EQ(s.store.set("S", key254.c_str(), "x"), -1);
    EXPECT_EQ(s.store.set("S", "a=b", "x"), -1);
    EXPECT_EQ(s.store.set("S", "", "x"), -1);
    EXPECT_EQ(s.store.set("S\n", "k", "x"), -1);
    EXPECT_EQ(s.store.set("S", "k", "line\nLogging=1"), -1);
    EXPECT_EQ(s.store.text(), before);
    EXPECT_EQ(s.get(section253.c_str(), "k"), "<missing>");
}

TEST(SettingsStore, PathsGetIniAndTooLongPathsAreRefused) {
    TempDir dir;
    writeFile(dir.file("p.ini"), "[G]\nx=1\n");
    CMySettings store;
    EXPECT_EQ(store.setupWithPath(dir.file("p.txt").c_str()), 0);
    EXPECT_EQ(std::string(store.path), dir.file("p.ini"));
    EXPECT_EQ(store.getInt32("G", "x", 0), 1);

    std::string longPath = dir.path() + "/" + std::string(600, 'n') + ".ini";
    EXPECT_EQ(store.setupWithPath(longPath.c_str()), -1);
    EXPECT_STREQ(store.path, "");
    EXPECT_EQ(store.getInt32("G", "x", 0), 0);
    EXPECT_EQ(store.set("G", "x", 2), 0); // kept in memory
    EXPECT_EQ(store.getInt32("G", "x", 0), 2);
}

TEST(SettingsStore, MissingFileStartsEmptyAndFirstSaveCreatesIt) {
    TempDir dir;
    CMySettings store;
    ASSERT_EQ(store.setupWithPath(dir.file("new.ini").c_str()), 0);
    EXPECT_EQ(store.modDate, 0);
    EXPECT_EQ(store.getInt32("General", "AddAlways", 1), 1);
    EXPECT_FALSE(store.shallReload());
    ASSERT_EQ(store.set("General", "AddAlways", 0), 0);
    ASSERT_EQ(store.save(), 0);
    EXPECT_EQ(readFile(dir.file("new.ini")), withLineEnds("[General]\nAddAlways=0\n"));
    EXPECT_NE(store.modDate, 0);
    EXPECT_FALSE(store.shallReload());
}

TEST(SettingsStore, AHeaderWithTextAfterItIsFoundAndNotWrittenTwice) {
    for (const char* header : {"[General] ", "[General]\t; mine", "[General]]"}) {
        Loaded s(std::string("[Other]\na=1\n") + header + "\nAddAlways=0\n");
        EXPECT_EQ(s.store.getInt32("General", "AddAlways", 1), 0) << header;
        ASSERT_EQ(s.store.set("General", "Logging", 1), 0);
        std::string file = s.saved();
        EXPECT_EQ(file, withLineEnds(std::string("[Other]\na=1\n\n") + header +
                                     "\nLogging=1\nAddAlways=0\n"));
        // The section still ends at the next header.
        Loaded again(file + "[Later]\nx=2\n");
        EXPECT_EQ(again.get("General", "x"), "<missing>");
        EXPECT_EQ(again.get("Later", "x"), "2");
    }
    // "[General]]" is the section "General" and no other.
    Loaded alias("[General]]\nAddAlways=0\n");
    EXPECT_EQ(alias.store.getInt32("General", "AddAlways", 1), 0);
    EXPECT_EQ(alias.get("General]", "AddAlways"), "<missing>");
    EXPECT_EQ(alias.store.set("General]", "AddAlways", "1"), -1);
    // A name that only begins the same is another section.
    Loaded other("[Generally]\nAddAlways=0\n");
    EXPECT_EQ(other.store.getInt32("General", "AddAlways", 1), 1);
}

TEST(SettingsStore, AKeyThatWouldReadAsAHeaderIsRefused) {
    Loaded s("[G]\na=1\nb=2\n");
    EXPECT_EQ(s.store.set("G", "[x", "1"), -1);
    EXPECT_EQ(s.store.set("G", "[G]", "1"), -1);
    EXPECT_EQ(s.store.set("G", "x[", "1"), 0); // only the first byte matters
    EXPECT_EQ(s.get("G", "b"), "2");
    EXPECT_EQ(s.get("G", "[x"), "<missing>");
    EXPECT_EQ(s.saved(), withLineEnds("[G]\nx[=1\na=1\nb=2\n"));
}
