// SHA-256 (FIPS 180-4), fed in pieces: what a project file held when it
// was read is remembered by its digest, so that saving can tell whether
// the file is still that text without keeping the text itself.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace plxhost {

class Sha256 {
  public:
    using Digest = std::array<uint8_t, 32>;

    Sha256();
    void update(const void* data, size_t size);
    // The digest of everything fed so far; the object is spent afterwards.
    Digest finish();

    static Digest of(const std::string& bytes);

  private:
    void block(const uint8_t* p);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t length_ = 0; // bytes fed
};

} // namespace plxhost
