#include "host/text_digest.h"

#include <cstring>

namespace plxhost {

namespace {

inline uint64_t rotl(uint64_t x, int r) { return (x << r) | (x >> (64 - r)); }

// The 64-bit finaliser of a well-known hash family: one to one, and every
// input bit reaches every output bit.
inline uint64_t mix(uint64_t x) {
    x ^= x >> 33;
    x *= 0xFF51AFD7ED558CCDull;
    x ^= x >> 33;
    x *= 0xC4CEB9FE1A85EC53ull;
    x ^= x >> 33;
    return x;
}

} // namespace

inline void TextDigest::word(uint64_t w) {
    a_ = rotl((a_ ^ w) * 0x87C37B91114253D5ull, 31);
    b_ = rotl((b_ ^ w) * 0x4CF5AD432745937Full, 27);
}

void TextDigest::update(const void* data, size_t size) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    length_ += size;
    if (buffered_ > 0) {
        size_t take = sizeof partial_ - buffered_ < size ? sizeof partial_ - buffered_ : size;
        std::memcpy(partial_ + buffered_, p, take);
        buffered_ += take;
        p += take;
        size -= take;
        if (buffered_ < sizeof partial_) return;
        uint64_t w;
        std::memcpy(&w, partial_, sizeof w);
        word(w);
        buffered_ = 0;
    }
    for (; size >= sizeof(uint64_t); p += sizeof(uint64_t), size -= sizeof(uint64_t)) {
        uint64_t w;
        std::memcpy(&w, p, sizeof w);
        word(w);
    }
    std::memcpy(partial_, p, size);
    buffered_ = size;
}

TextDigest::Value TextDigest::finish() {
    if (buffered_ > 0) {
        std::memset(partial_ + buffered_, 0, sizeof partial_ - buffered_);
        uint64_t w;
        std::memcpy(&w, partial_, sizeof w);
        word(w);
        buffered_ = 0;
    }
    // The length tells a text from the same text with zero bytes added.
    word(length_);
    return Value{mix(a_), mix(b_)};
}

TextDigest::Value TextDigest::of(const std::string& bytes) {
    TextDigest digest;
    digest.update(bytes.data(), bytes.size());
    return digest.finish();
}

} // namespace plxhost
