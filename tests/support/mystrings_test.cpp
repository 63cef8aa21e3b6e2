#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/unicode.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <set>
#include <string>

namespace {

const std::string kEllipsis = "\xE2\x80\xA6";

// Loads the table of one language and puts English back afterwards.
class SupportStrings : public ::testing::Test {
  protected:
    void use(int16_t language) {
        gLanguage = language;
        ASSERT_EQ(0, setupMyStrings());
    }
    void SetUp() override { use(kLangEnglish); }
    void TearDown() override { use(kLangEnglish); }
    static std::string text(const char* key) {
        char dst[kMyStringSize];
        return getString(key, dst);
    }
    static std::string translated(const std::string& key) {
        char in[512];
        char dst[kMyStringSize];
        strcpy(in, key.c_str());
        return translateString(in, dst);
    }
};

std::string resource(const char* name, int16_t language = kLangEnglish) {
    char* data = getResourceData(name, "xml", language);
    std::string s = data ? data : "<none>";
    myfree(data);
    return s;
}

std::multiset<std::string> keysOf(const std::string& table) {
    std::multiset<std::string> keys;
    static const std::regex kLine("\t<([A-Za-z]+)>([^\n]*)</\\1>\n");
    for (std::sregex_iterator it(table.begin(), table.end(), kLine), end; it != end; ++it)
        keys.insert((*it)[1]);
    return keys;
}

// The keys the plug-in's code names itself, in English and German.
const char* const kCodeKeys[][3] = {
    {"cancel", "Cancel", "Abbrechen"},
    {"about", "%s %s", "%s %s"},
    {"saveAsEPS", "Save Page(s) as EPS", "Seite(n) als EPS sichern"},
    {"saveAsPDF", "Save Page(s) as PDF", "Seite(n) als PDF sichern"},
    {"exportPagesCmd", "Save page(s) as EPS/PDF", "Seiten als EPS/PDF"},
    {"exportBoxCmd", "Save current box as EPS/PDF", "Rahmen als EPS/PDF"},
    {"prefsCmd", "Preferences", "Voreinstellungen"},
    {"aboutCmd", "About",
     "\xC3\x9C"
     "ber"},
    {"kNoValidPageNum", "Invalid page range!", "Keine g\xC3\xBCltige Seitennummer"},
    {"project", "Project", "Projekt"},
    {"layout", "Layout", "Layout"},
    {"none", "None", "Keine"},
};

} // namespace

TEST_F(SupportStrings, code_keys_in_english_and_german) {
    for (auto& k : kCodeKeys)
        EXPECT_EQ(k[1], text(k[0])) << k[0];
    EXPECT_EQ(" Copy", text("kCopyOptions")); // blanks are kept
    use(kLangGerman);
    for (auto& k : kCodeKeys)
        EXPECT_EQ(k[2], text(k[0])) << k[0];
    EXPECT_NE(std::string::npos, text("copyright").find("%d"));
}

TEST(SupportStringTables, both_tables_carry_the_same_keys_in_the_house_format) {
    std::string en = resource("MyStrings_E");
    std::string de = resource("MyStrings_D");
    for (const std::string* t : {&en, &de}) {
        EXPECT_EQ(0u, t->rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<strings>\n", 0));
        EXPECT_TRUE(isValidUTF8(t->data(), t->size()));
    }
    std::multiset<std::string> enKeys = keysOf(en), deKeys = keysOf(de);
    EXPECT_EQ(std::set<std::string>(enKeys.begin(), enKeys.end()),
              std::set<std::string>(deKeys.begin(), deKeys.end()));
    EXPECT_EQ(57u, deKeys.size());
    EXPECT_EQ(2u, enKeys.count("saveAsEPS")); // the first one is found
}

TEST_F(SupportStrings, resource_variants_fall_back_to_english) {
    EXPECT_EQ(resource("MyStrings_E"), resource("MyStrings", 7));
    EXPECT_EQ(resource("MyStrings_D"), resource("MyStrings", kLangGerman));
    EXPECT_EQ("<none>", resource("NoSuchTable", kLangGerman));
    EXPECT_EQ("<none>", resource(std::string(300, 'M').c_str()));
    EXPECT_EQ("<none>", resource(nullptr));
}

TEST_F(SupportStrings, missing_keys_show_themselves) {
    EXPECT_EQ("noSuchMessage", text("noSuchMessage"));
    std::string longKey(65, 'k');
    EXPECT_EQ(longKey, text(longKey.c_str()));
    EXPECT_EQ("", text(nullptr));
    char self[kMyStringSize] = "noSuchMessage"; // the key may be the destination
    EXPECT_STREQ("noSuchMessage", getString(self, self));
    releaseMyStrings();
    EXPECT_EQ("cancel", text("cancel"));
    EXPECT_EQ("prefsCmd:", translated("prefsCmd:"));
    EXPECT_EQ("prefsCmd", localizeString("prefsCmd"));
}

TEST_F(SupportStrings, trailing_punctuation_stays_outside_the_key) {
    EXPECT_EQ("Use last folder:", translated("lastFolder:"));
    EXPECT_EQ("Use last folder" + kEllipsis, translated("lastFolder" + kEllipsis));
    EXPECT_EQ(kEllipsis, translated(kEllipsis));
    EXPECT_EQ("Use last folder:", localizeString("lastFolder:"));
    EXPECT_EQ("Use last folder" + kEllipsis, localizeString(("lastFolder" + kEllipsis).c_str()));
    // The text may be the destination itself.
    char buf[kMyStringSize] = "prefsCmd:";
    EXPECT_STREQ("Preferences:", translateString(buf, buf));
}

TEST_F(SupportStrings, lookups_stay_within_250_bytes_on_character_boundaries) {
    std::string umlauts;
    for (int i = 0; i < 150; ++i)
        umlauts += "\xC3\xA4";
    EXPECT_EQ(250u, text(umlauts.c_str()).size());
    // Room for the colon would split a character at byte 249.
    std::string got = translated(umlauts + ":");
    EXPECT_EQ(249u, got.size());
    EXPECT_TRUE(isValidUTF8(got.data(), got.size()));
    got = translated(std::string(249, 'x') + kEllipsis);
    EXPECT_EQ(std::string(247, 'x') + kEllipsis, got);
    // localizeString has no bound.
    std::string longText(1000, 'z');
    EXPECT_EQ(longText, localizeString(longText.c_str()));
    EXPECT_EQ("", localizeString(nullptr));
}
