#include "host/sha256.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string hex(const plxhost::Sha256::Digest& d) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (uint8_t b : d) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

} // namespace

// The standard's examples, and the same digest however the bytes are cut
// into pieces (the project file is hashed as it is read, 64 KB at a time).
TEST(HostSha256, StandardExamplesWholeAndInPieces) {
    EXPECT_EQ(hex(plxhost::Sha256::of("")),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hex(plxhost::Sha256::of("abc")),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    const std::string two = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
    EXPECT_EQ(hex(plxhost::Sha256::of(two)),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    const std::string million(1000000, 'a');
    const std::string expected = "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0";
    EXPECT_EQ(hex(plxhost::Sha256::of(million)), expected);
    for (size_t piece : {1u, 55u, 63u, 64u, 65u, 65536u}) {
        plxhost::Sha256 sha;
        for (size_t at = 0; at < million.size(); at += piece)
            sha.update(million.data() + at, std::min(piece, million.size() - at));
        EXPECT_EQ(hex(sha.finish()), expected) << piece;
    }
}
