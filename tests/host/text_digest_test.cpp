#include "host/text_digest.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using plxhost::TextDigest;

// The same digest however the text is cut into pieces (a file is digested
// as it is read, 64 KB at a time).
TEST(HostTextDigest, PiecesDoNotMatter) {
    std::string text;
    for (int i = 0; text.size() < 5000; ++i) text += "  box " + std::to_string(i) + " page=1 w=1 h=1\r\n";
    const TextDigest::Value whole = TextDigest::of(text);
    for (size_t piece : {1u, 3u, 7u, 8u, 9u, 64u, 4999u}) {
        TextDigest digest;
        for (size_t at = 0; at < text.size(); at += piece)
            digest.update(text.data() + at, std::min(piece, text.size() - at));
        EXPECT_EQ(digest.finish(), whole) << piece;
    }
}

// What a person or program might do to a project file between its reading
// and its saving: any one byte changed, two lines swapped, zero bytes or a
// line end added or taken away. Every such text has a digest of its own.
TEST(HostTextDigest, EditsChangeTheDigest) {
    const std::string text = "layout \"Spring\"\n  pages 12\n  spreads facing\n  data BWYA \"Default EPS\"\n";
    std::set<TextDigest::Value> seen = {TextDigest::of(text)};
    size_t texts = 1;
    auto add = [&](const std::string& other) {
        ++texts;
        seen.insert(TextDigest::of(other));
        EXPECT_EQ(seen.size(), texts) << other;
    };
    for (size_t i = 0; i < text.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            std::string other = text;
            other[i] = static_cast<char>(other[i] ^ (1 << bit));
            add(other);
        }
    add("  pages 12\nlayout \"Spring\"\n  spreads facing\n  data BWYA \"Default EPS\"\n");
    add(text + std::string(1, '\0'));
    add(text + std::string(8, '\0'));
    add(text.substr(0, text.size() - 1));
    add(std::string(8, '\0'));
    add("");
}
