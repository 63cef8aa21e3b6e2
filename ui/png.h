// Pictures as PNG files: 8-bit RGB, no interlacing, the image data in
// stored (uncompressed) deflate blocks. Pictures of windows are small and
// written for people and tests to look at, so size matters less than having
// no library beneath: the checksums (CRC-32 of every chunk, Adler-32 of the
// zlib stream) are computed here.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/types.h"

namespace ui {

// The largest width or height encodePng takes.
constexpr int kPngMaxSide = 16384;

// Encodes width x height pixels given as rows of R, G, B bytes, top row
// first (rgb holds exactly width * height * 3 bytes). False, and *png
// left empty, for a side outside 1..kPngMaxSide or a buffer of another
// size.
UI_API bool encodePng(int width, int height, const std::vector<std::uint8_t>& rgb,
                      std::vector<std::uint8_t>* png);

// CRC-32 as PNG and zlib use it (polynomial 0xEDB88320), continued from
// `crc` (0 to start).
UI_API std::uint32_t pngCrc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

} // namespace ui
