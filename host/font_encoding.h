// The 8-bit text the host draws with: its standard font re-encoded to
// Windows-1252, so that every character of that code page reaches its
// glyph ("é", "€", "–", "“", "Œ", …). A character beyond it cannot be drawn
// with the font and is shown as a visible box instead.
#pragma once

#include <set>
#include <string>

namespace plxhost {

// Stands in the converted text for a character the font cannot draw:
// 0x81 is unassigned in Windows-1252, so no character converts to it.
constexpr char kUndrawable = '\x81';

// UTF-8 text as Windows-1252 bytes for the re-encoded font. Each character
// without a byte (including controls other than TAB, which becomes a blank,
// and each byte of invalid UTF-8) becomes kUndrawable and is added to
// *missing (as U+FFFD for invalid UTF-8) when it is given.
std::string fontText(const std::string& utf8, std::set<char32_t>* missing);

// PostScript that builds the encoding vector from ISOLatin1Encoding and
// leaves it on the stack: "… plxWinAnsi" with the differences put in.
const std::string& winAnsiEncodingProgram();

// "€ (U+20AC)" style text of a character, for messages.
std::string describeCharacter(char32_t c);
// The characters that were shown as boxes, for the run's one warning:
// "Ω (U+03A9), ∞ (U+221E)".
std::string undrawnList(const std::set<char32_t>& characters);

} // namespace plxhost
