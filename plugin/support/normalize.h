// Unicode composition of texts at the file system's border. The macOS
// file system hands out names decomposed ("U" + U+0308 for "Ü"), while
// texts typed or read elsewhere are composed; MyStr::normalize brings a
// text to Normalization Form C so that both compare and show alike. Where
// the platform's strings do not do this (Linux, Windows), texts stay as
// they are. One implementation per platform folder.
#pragma once

#include <cstdint>
#include <vector>

// Replaces the UTF-16 units (no terminator) by their composed form; false
// (units unchanged) when the platform composes nothing or cannot.
bool composeCanonical(std::vector<uint16_t>& units);
