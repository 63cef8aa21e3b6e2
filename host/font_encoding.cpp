#include "host/font_encoding.h"

#include <cstdio>

namespace plxhost {

namespace {

// 0x80 to 0x9F of Windows-1252: the characters and their glyph names
// (0 where the code page leaves the byte unassigned).
struct HighChar {
    char32_t code;
    const char* glyph;
};
const HighChar kHigh[32] = {
    {0x20AC, "Euro"},          {0, nullptr},           {0x201A, "quotesinglbase"},
    {0x0192, "florin"},        {0x201E, "quotedblbase"}, {0x2026, "ellipsis"},
    {0x2020, "dagger"},        {0x2021, "daggerdbl"},  {0x02C6, "circumflex"},
    {0x2030, "perthousand"},   {0x0160, "Scaron"},     {0x2039, "guilsinglleft"},
    {0x0152, "OE"},            {0, nullptr},           {0x017D, "Zcaron"},
    {0, nullptr},              {0, nullptr},           {0x2018, "quoteleft"},
    {0x2019, "quoteright"},    {0x201C, "quotedblleft"}, {0x201D, "quotedblright"},
    {0x2022, "bullet"},        {0x2013, "endash"},     {0x2014, "emdash"},
    {0x02DC, "tilde"},         {0x2122, "trademark"},  {0x0161, "scaron"},
    {0x203A, "guilsinglright"}, {0x0153, "oe"},        {0, nullptr},
    {0x017E, "zcaron"},        {0x0178, "Ydieresis"},
};

bool byteOf(char32_t c, unsigned char* byte) {
    if (c == '\t') c = ' ';
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF)) {
        *byte = static_cast<unsigned char>(c);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (kHigh[i].code && kHigh[i].code == c) {
            *byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

// One character of UTF-8 at text[*i]; U+FFFD (one byte consumed) for a
// byte that does not start a valid sequence.
char32_t nextCharacter(const std::string& text, size_t* i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char first = byte(*i);
    int length = first < 0x80 ? 1 : first >= 0xC2 && first < 0xE0 ? 2 : first >= 0xE0 && first < 0xF0 ? 3
               : first >= 0xF0 && first < 0xF5 ? 4 : 0;
    if (length == 0 || *i + length > text.size()) {
        ++*i;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? first : first & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        unsigned char next = byte(*i + k);
        if ((next & 0xC0) != 0x80) {
            ++*i;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        ++*i;
        return 0xFFFD;
    }
    *i += static_cast<size_t>(length);
    return c;
}

} // namespace

std::string fontText(const std::string& utf8, std::set<char32_t>* missing) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        char32_t c = nextCharacter(utf8, &i);
        unsigned char byte = 0;
        if (byteOf(c, &byte)) {
            out += static_cast<char>(byte);
        } else {
            out += kUndrawable;
            if (missing) missing->insert(c);
        }
    }
    return out;
}

const std::string& winAnsiEncodingProgram() {
    // Every job with text sends it: made once.
    static const std::string program = [] {
        // ISOLatin1Encoding already holds 0xA0 to 0xFF as Windows-1252 has
        // them; the quote and grave of ASCII and the block 0x80 to 0x9F differ.
        std::string text = "ISOLatin1Encoding dup length array copy\n"
                           "dup 39 /quotesingle put dup 96 /grave put\n";
        for (int i = 0; i < 32; ++i) {
            char entry[48];
            std::snprintf(entry, sizeof entry, "dup %d /%s put\n", 0x80 + i,
                          kHigh[i].glyph ? kHigh[i].glyph : ".notdef");
            text += entry;
        }
        return text;
    }();
    return program;
}

std::string describeCharacter(char32_t c) {
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    std::string shown;
    // Controls and the replacement of invalid bytes are named by code only.
    if (c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0) && c != 0xFFFD) {
        if (c < 0x80) {
            shown += static_cast<char>(c);
        } else if (c < 0x800) {
            shown += static_cast<char>(0xC0 | (c >> 6));
            shown += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            shown += static_cast<char>(0xE0 | (c >> 12));
            shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            shown += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            shown += static_cast<char>(0xF0 | (c >> 18));
            shown += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            shown += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            shown += static_cast<char>(0x80 | (c & 0x3F));
        }
        return shown + " (" + code + ")";
    }
    return code;
}

std::string undrawnList(const std::set<char32_t>& characters) {
    std::string list;
    for (char32_t c : characters) list += (list.empty() ? "" : ", ") + describeCharacter(c);
    return list;
}

} // namespace plxhost
