#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/resources.h"
#include "plugin/support/unicode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <set>
#include <string>

namespace {

// Loads the table of one language and puts English back afterwards.
class SupportStrings : public ::testing::Test {
  protected:
    void use(int16_t language) {
        gLanguage = language;
        ASSERT_EQ(0, setupMyStrings());
    }
    void SetUp() override { use(kLangEnglish); }
    void TearDown() override {
        gLanguage = kLangEnglish;
        setupMyStrings();
    }
    static std::string text(const char* key) {
        char dst[kMyStringSize];
        return getString(key, dst);
    }
    static std::string translated(const char* key) {
        char in[512];
        char dst[kMyStringSize];
        strcpy(in, key);
        return translateString(in, dst);
    }
};

std::string resource(const char* name) {
    char* data = getResourceData(name, "xml", kLangEnglish);
    std::string s = data ? data : "";
    myfree(data);
    return s;
}

// The element names of a table, in order, with duplicates.
std::vector<std::string> keysOf(const std::string& table) {
    std::vector<std::string> keys;
    static const std::regex kLine("\t<([A-Za-z]+)>([^\n]*)</\\1>\n");
    for (std::sregex_iterator it(table.begin(), table.end(), kLine), end; it != end; ++it)
        keys.push_back((*it)[1]);
    return keys;
}

// Keys the plug-in's code names itself, with their English and German texts.
struct KeyTexts {
    const char* key;
    const char* english;
    const char* german;
};
const KeyTexts kCodeKeys[] = {
    {"cancel", "Cancel", "Abbrechen"},
    {"about", "%s %s", "%s %s"},
    {"saveAsEPS", "Save Page(s) as EPS", "Seite(n) als EPS sichern"},
    {"saveAsPDF", "Save Page(s) as PDF", "Seite(n) als PDF sichern"},
    {"exportPagesCmd", "Save page(s) as EPS/PDF", "Seiten als EPS/PDF"},
    {"exportBoxCmd", "Save current box as EPS/PDF", "Rahmen als EPS/PDF"},
    {"prefsCmd", "Preferences", "Voreinstellungen"},
    {"aboutCmd", "About", "\xC3\x9C" "ber"},
    {"kNoValidPageNum", "Invalid page range!", "Keine g\xC3\xBCltige Seitennummer"},
    {"project", "Project", "Projekt"},
    {"layout", "Layout", "Layout"},
    {"none", "None", "Keine"},
};

} // namespace

TEST_F(SupportStrings, code_keys_in_english_and_german) {
    for (const KeyTexts& k : kCodeKeys) EXPECT_EQ(k.english, text(k.key)) << k.key;
    use(kLangGerman);
    for (const KeyTexts& k : kCodeKeys) EXPECT_EQ(k.german, text(k.key)) << k.key;
    // The copyright line is a printf format for the year in both tables.
    EXPECT_NE(std::string::npos, text("copyright").find("%d"));
    EXPECT_NE(std::string::npos, text("copyright").find("Korvane"));
}

TEST(SupportStringTables, both_tables_carry_the_same_keys_in_the_house_format) {
    std::string en = resource("MyStrings_E");
    std::string de = resource("MyStrings_D");
    for (const std::string* t : {&en, &de}) {
        EXPECT_EQ(0u, t->rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<strings>\n", 0));
        EXPECT_NE(std::string::npos, t->find("\n\n\t<"));
        EXPECT_TRUE(isValidUTF8(t->data(), t->size()));
    }
    std::vector<std::string> enKeys = keysOf(en);
    std::vector<std::string> deKeys = keysOf(de);
    EXPECT_EQ(std::set<std::string>(enKeys.begin(), enKeys.end()),
              std::set<std::string>(deKeys.begin(), deKeys.end()));
    EXPECT_EQ(54u, deKeys.size());
    EXPECT_EQ(55u, enKeys.size()); // saveAsEPS twice
}

TEST_F(SupportStrings, first_element_wins_and_texts_keep_their_blanks) {
    EXPECT_EQ("Save Page(s) as EPS", text("saveAsEPS"));
    EXPECT_EQ(" Copy", text("kCopyOptions"));
    EXPECT_EQ("Plexmoor:     Page %s", text("kProgress"));
    EXPECT_EQ("Different Postscript names for TrueType font (%s <--> %s)!", text("kPSNameErr"));
}

TEST_F(SupportStrings, language_choice_and_fallback) {
    EXPECT_EQ(kLangGerman, languageFromHost(3));
    EXPECT_EQ(kLangGerman, languageFromHost(19));
    EXPECT_EQ(kLangEnglish, languageFromHost(2)); // French host: English texts
    use(5);
    EXPECT_EQ("Save current box as EPS/PDF", text("exportBoxCmd"));
    // A language variant that is missing falls back to English; the bare
    // name wins when it exists; no variant at all gives none.
    char* en = getResourceData("MyStrings", "xml", 7);
    ASSERT_NE(nullptr, en);
    EXPECT_EQ(resource("MyStrings_E"), en);
    myfree(en);
    EXPECT_NE(nullptr, strstr(resource("MyStrings_D").c_str(), "Rahmen"));
    EXPECT_EQ(nullptr, getResourceData("NoSuchTable", "xml", kLangGerman));
    EXPECT_EQ(nullptr, getResourceData(std::string(300, 'M').c_str(), "xml", 0));
    EXPECT_EQ(nullptr, getResourceData(nullptr, "xml", 0));
}

TEST_F(SupportStrings, missing_keys_show_themselves) {
    EXPECT_EQ("writePrefsErr", text("writePrefsErr"));
    std::string longKey(65, 'k');
    EXPECT_EQ(longKey, text(longKey.c_str()));
    EXPECT_EQ("", text(nullptr));
    releaseMyStrings();
    EXPECT_EQ("cancel", text("cancel"));
    EXPECT_EQ("cancel:", translated("cancel:"));
    EXPECT_EQ("prefsCmd", localizeString("prefsCmd"));
}

TEST_F(SupportStrings, translate_keeps_trailing_punctuation) {
    const std::string kEllipsis = "\xE2\x80\xA6";
    EXPECT_EQ("Use last folder:", translated("lastFolder:"));
    EXPECT_EQ("Use last folder" + kEllipsis, translated(("lastFolder" + kEllipsis).c_str()));
    EXPECT_EQ("Use last folder", translated("lastFolder"));
    EXPECT_EQ(":", translated(":"));
    EXPECT_EQ(kEllipsis, translated(kEllipsis.c_str()));
    EXPECT_EQ("", translated(""));
    // The text may be the destination itself and comes back unaltered.
    char buf[kMyStringSize] = "prefsCmd:";
    EXPECT_STREQ("Preferences:", translateString(buf, buf));
    char dst[kMyStringSize];
    EXPECT_STREQ("", translateString(nullptr, dst));
}

TEST_F(SupportStrings, results_stay_within_250_bytes_on_character_boundaries) {
    // 150 two-byte characters: a byte cut at 250 falls between characters,
    // a cut at 249 (to make room for a colon) would split one.
    std::string umlauts;
    for (int i = 0; i < 150; ++i) umlauts += "\xC3\xA4";
    std::string got = text(umlauts.c_str());
    EXPECT_EQ(250u, got.size());
    got = translated((umlauts + ":").c_str());
    EXPECT_LE(got.size(), 250u);
    EXPECT_EQ(':', got.back());
    EXPECT_TRUE(isValidUTF8(got.data(), got.size()));
    std::string ellipsis = translated((std::string(249, 'x') + "\xE2\x80\xA6").c_str());
    EXPECT_EQ(250u, ellipsis.size());
    EXPECT_EQ(0u, ellipsis.find(std::string(247, 'x') + "\xE2\x80\xA6"));
}

TEST_F(SupportStrings, localizeString_reads_whole_texts) {
    EXPECT_EQ("Use last folder:", localizeString("lastFolder:"));
    EXPECT_EQ("Use last folder\xE2\x80\xA6", localizeString("lastFolder\xE2\x80\xA6"));
    std::string longText(1000, 'z');
    EXPECT_EQ(longText, localizeString(longText.c_str()));
    EXPECT_EQ("", localizeString(""));
    EXPECT_EQ("", localizeString(nullptr));
    use(kLangGerman);
    EXPECT_EQ("Die Schrift %s einer platzierten EPS-Datei ist nicht verf\xC3\xBC" "gbar!",
              localizeString("kEPSFontNotFound"));
}
