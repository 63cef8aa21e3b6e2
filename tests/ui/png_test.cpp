// PNG pictures: read back chunk by chunk and block by block as a decoder
// would, with checksums computed here bit by bit.
#include "ui/png.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

uint32_t get32(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint32_t>(b[at]) << 24 | static_cast<uint32_t>(b[at + 1]) << 16 |
           static_cast<uint32_t>(b[at + 2]) << 8 | b[at + 3];
}

uint32_t bitwiseCrc(const uint8_t* p, size_t n) {
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

struct Decoded {
    std::vector<std::string> chunks;
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> raw; // filter bytes and pixels
    int blocks = 0;
    bool checksumsHold = true;
};

// Walks the chunks, checks each CRC, and inflates the stored blocks.
Decoded decode(const std::vector<uint8_t>& png) {
    Decoded d;
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_EQ(0, std::memcmp(png.data(), signature, 8));
    std::vector<uint8_t> z;
    size_t at = 8;
    while (at + 12 <= png.size()) {
        uint32_t length = get32(png, at);
        std::string type(reinterpret_cast<const char*>(&png[at + 4]), 4);
        d.chunks.push_back(type);
        if (bitwiseCrc(&png[at + 4], length + 4) != get32(png, at + 8 + length))
            d.checksumsHold = false;
        if (type == "IHDR") {
            d.width = get32(png, at + 8);
            d.height = get32(png, at + 12);
            EXPECT_EQ(8, png[at + 16]);
            EXPECT_EQ(2, png[at + 17]);
        }
        if (type == "IDAT") z.insert(z.end(), &png[at + 8], &png[at + 8] + length);
        at += 12 + length;
    }
    EXPECT_EQ(png.size(), at);
    EXPECT_EQ(0, (z[0] * 256 + z[1]) % 31);
    size_t p = 2;
    for (;;) {
        bool last = z[p] & 1;
        EXPECT_EQ(0, z[p] & 6) << "stored blocks only";
        size_t n = z[p + 1] | z[p + 2] << 8;
        size_t complement = z[p + 3] | z[p + 4] << 8;
        EXPECT_EQ(n ^ 0xFFFF, complement);
        d.raw.insert(d.raw.end(), &z[p + 5], &z[p + 5] + n);
        p += 5 + n;
        ++d.blocks;
        if (last) break;
    }
    uint32_t a = 1, b = 0;
    for (uint8_t byte : d.raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    if (get32(z, p) != (b << 16 | a)) d.checksumsHold = false;
    EXPECT_EQ(z.size(), p + 4);
    return d;
}

} // namespace

TEST(Png, PixelsComeBackRowByRowWithEveryChecksumRight) {
    std::vector<uint8_t> rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::vector<uint8_t> png;
    ASSERT_TRUE(ui::encodePng(3, 2, rgb, &png));
    Decoded d = decode(png);
    EXPECT_EQ((std::vector<std::string>{"IHDR", "IDAT", "IEND"}), d.chunks);
    EXPECT_EQ(3u, d.width);
    EXPECT_EQ(2u, d.height);
    EXPECT_TRUE(d.checksumsHold);
    std::vector<uint8_t> expected = {0, 255, 0, 0, 0, 255, 0, 0, 0, 255,
                                     0, 1,   2, 3, 4, 5,   6, 7, 8, 9};
    EXPECT_EQ(expected, d.raw);
    // Every PNG ends in these four bytes: the CRC of an empty IEND chunk.
    EXPECT_EQ(0xAE426082u, ui::pngCrc32(reinterpret_cast<const uint8_t*>("IEND"), 4));
}

TEST(Png, APictureLargerThanOneStoredBlockSpansSeveral) {
    const int w = 300, h = 200; // 180,200 bytes of rows: three blocks
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = static_cast<uint8_t>(i * 7 + 3);
    std::vector<uint8_t> png;
    ASSERT_TRUE(ui::encodePng(w, h, rgb, &png));
    Decoded d = decode(png);
    EXPECT_TRUE(d.checksumsHold);
    EXPECT_EQ(3, d.blocks);
    ASSERT_EQ(static_cast<size_t>(h) * (w * 3 + 1), d.raw.size());
    EXPECT_EQ(0, std::memcmp(&d.raw[1], rgb.data(), w * 3));
    EXPECT_EQ(0, std::memcmp(&d.raw[(w * 3 + 1) * 199 + 1], &rgb[w * 3 * 199], w * 3));
}

TEST(Png, RefusesSidesOutOfRangeAndBuffersOfTheWrongSize) {
    std::vector<uint8_t> png = {1};
    EXPECT_FALSE(ui::encodePng(0, 1, {}, &png));
    EXPECT_TRUE(png.empty());
    EXPECT_FALSE(ui::encodePng(1, -1, {}, &png));
    EXPECT_FALSE(ui::encodePng(ui::kPngMaxSide + 1, 1,
                               std::vector<uint8_t>(3 * (ui::kPngMaxSide + 1)), &png));
    EXPECT_FALSE(ui::encodePng(2, 2, std::vector<uint8_t>(11), &png));
    EXPECT_FALSE(ui::encodePng(2, 2, std::vector<uint8_t>(13), &png));
    EXPECT_FALSE(ui::encodePng(1, 1, {0, 0, 0}, nullptr));
    EXPECT_TRUE(ui::encodePng(1, 1, {0, 0, 0}, &png));
}
