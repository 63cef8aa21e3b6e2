#include "ui/png.h"

#include <array>
#include <cstddef>

namespace ui {

namespace {

// A stored deflate block holds at most this many bytes.
constexpr std::size_t kStoredBlock = 65535;

const std::array<std::uint32_t, 256>& crcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

// A chunk: length, type, data, and the CRC of type and data.
void putChunk(std::vector<std::uint8_t>& out, const char type[4],
              const std::vector<std::uint8_t>& data) {
    put32(out, static_cast<std::uint32_t>(data.size()));
    std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put32(out, pngCrc32(out.data() + typeAt, 4 + data.size()));
}

} // namespace

std::uint32_t pngCrc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    const std::array<std::uint32_t, 256>& table = crcTable();
    std::uint32_t c = crc ^ 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i)
        c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

bool encodePng(int width, int height, const std::vector<std::uint8_t>& rgb,
               std::vector<std::uint8_t>* png) {
    if (!png) return false;
    png->clear();
    if (width < 1 || height < 1 || width > kPngMaxSide || height > kPngMaxSide) return false;
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    if (rgb.size() != row * static_cast<std::size_t>(height)) return false;

    // The raw image: each row behind its filter byte (0, none).
    std::vector<std::uint8_t> raw;
    raw.reserve((row + 1) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const std::uint8_t* line = rgb.data() + row * static_cast<std::size_t>(y);
        raw.insert(raw.end(), line, line + row);
    }

    // zlib: header (deflate, 32K window, no dictionary, 0x78 0x01 checks
    // out as a multiple of 31), stored blocks, Adler-32 of the raw data.
    std::vector<std::uint8_t> z;
    z.reserve(raw.size() + raw.size() / kStoredBlock * 5 + 16);
    z.push_back(0x78);
    z.push_back(0x01);
    std::size_t at = 0;
    do {
        std::size_t n = raw.size() - at < kStoredBlock ? raw.size() - at : kStoredBlock;
        bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n));
        z.push_back(static_cast<std::uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                 raw.begin() + static_cast<std::ptrdiff_t>(at + n));
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521u;
        b = (b + a) % 65521u;
    }
    put32(z, (b << 16) | a);

    static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    png->assign(kSignature, kSignature + sizeof kSignature);
    std::vector<std::uint8_t> header;
    put32(header, static_cast<std::uint32_t>(width));
    put32(header, static_cast<std::uint32_t>(height));
    header.push_back(8); // bits per sample
    header.push_back(2); // RGB
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering
    header.push_back(0); // not interlaced
    putChunk(*png, "IHDR", header);
    putChunk(*png, "IDAT", z);
    putChunk(*png, "IEND", {});
    return true;
}

} // namespace ui
