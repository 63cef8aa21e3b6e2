// Localized strings. Every text the user sees is written in the code and
// in the window descriptions as a short key ("lastFolder"); it is looked up
// in the string table of the current language, an XML resource
// "MyStrings_E.xml" (English, the fallback) or "MyStrings_D.xml" (German)
// whose elements are found by the rules of xmlread.h. A key the table
// lacks, an empty text, or no table at all shows the key itself.
#pragma once

#include <cstdint>
#include <string>

// The plug-in's language: 3 for German, 0 for every other host language.
// Set when the host reports its language, before setupMyStrings runs.
extern int16_t gLanguage;

constexpr int16_t kLangEnglish = 0;
constexpr int16_t kLangGerman = 3;

// gLanguage's value for a host language code (3 German and 19 Swiss
// German give German, anything else English).
int16_t languageFromHost(int32_t hostLanguage);

// A new heap copy (release with myfree) of the embedded resource `name`
// of type `type`, followed by two zero bytes; null when there is none.
// The bare name is tried first, then name + "_D" for German (language 3)
// or name + "_E" for any other language, then name + "_E" as fallback.
char* getResourceData(const char* name, const char* type, int16_t language);

// Loads the table "MyStrings" of type "xml" for gLanguage, releasing the
// previous one. 0, or -1 when no table was found (lookups then show keys).
int32_t setupMyStrings();

// Releases the loaded table (lookups show keys until the next set-up).
void releaseMyStrings();

// Takes a copy of text as the loaded table, releasing the previous one
// (the fuzz targets feed tables that come from no resource). Null
// releases the table.
void useMyStringsText(const char* text);

// Size a destination of getString and translateString must have at least.
constexpr int32_t kMyStringSize = 251;

// Writes the text of `key` into dst (at least kMyStringSize bytes), at
// most 250 bytes cut at a character boundary, or the key itself (cut the
// same way) when the table has no text for it. A null key gives an empty
// text. dst may be the key's own buffer. Returns dst.
char* getString(const char* key, char* dst);

// As getString, for texts that end in punctuation the table does not
// carry: a trailing ":" or "…" (U+2026, when the text is longer than the
// ellipsis) is looked up without it and appended to the result. The
// result stays within 250 bytes: when the looked-up text and the
// punctuation do not fit together, the text is cut to make room. `text`
// is left as it came in. Returns dst.
char* translateString(char* text, char* dst);

// The localized form of a UTF-8 text of any length, by the rules of
// translateString but reading the table's whole text (no 250-byte cut).
// An empty text comes back empty; a null text gives an empty string.
std::string localizeString(const char* text);
