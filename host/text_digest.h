// A 128-bit digest of a text, fed in pieces: what a project file held when
// it was read is remembered by its size and digest, so that saving can
// tell whether the file is still that text without keeping the text.
//
// Two lanes run over the text's 8-byte words, each step x = rotl((x ^ word)
// * odd, r): every step maps the lane one to one, so a text that differs
// from another in a single word always has another digest, and texts that
// differ more meet by chance only. It costs about one instruction a byte
// (a cryptographic hash cost sixty, a tenth of a long export's parsing);
// it guards against edits, not against someone who makes a file to match.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace plxhost {

class TextDigest {
  public:
    using Value = std::array<uint64_t, 2>;

    void update(const void* data, size_t size);
    // The digest of everything fed so far; the object is spent afterwards.
    Value finish();

    static Value of(const std::string& bytes);

  private:
    void word(uint64_t w);

    uint64_t a_ = 0x9E3779B97F4A7C15ull;
    uint64_t b_ = 0xC2B2AE3D27D4EB4Full;
    uint64_t length_ = 0;
    unsigned char partial_[8] = {};
    size_t buffered_ = 0;
};

} // namespace plxhost
