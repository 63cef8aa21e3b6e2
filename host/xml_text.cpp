#include "host/xml_text.h"

#include <cstdint>

#include "host/host_objects.h"

namespace plxhost {

namespace {

bool nameChar(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.' || c == ':';
}

// Elements nested deeper than this are refused rather than recursed into,
// so a hostile file cannot exhaust the stack.
constexpr int kMaxDepth = 200;

class Reader {
  public:
    Reader(const std::string& text, std::string* error) : s_(text), error_(error) {}

    std::unique_ptr<XTXMLTree_> document() {
        if (s_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
        if (!skipMisc()) return nullptr;
        if (!at('<')) return fail("the file holds no element");
        auto tree = makeTree();
        if (!element(tree->root, 0)) return nullptr;
        if (!skipMisc()) return nullptr;
        if (pos_ < s_.size()) return fail("text after the last element");
        return tree;
    }

  private:
    std::nullptr_t fail(const std::string& what) {
        if (error_) *error_ = "line " + std::to_string(line_) + ": " + what;
        return nullptr;
    }

    bool at(char c) const { return pos_ < s_.size() && s_[pos_] == c; }
    bool startsWith(const char* t) const { return s_.compare(pos_, std::char_traits<char>::length(t), t) == 0; }

    void advance(size_t n) {
        for (size_t i = 0; i < n && pos_ < s_.size(); ++i)
            if (s_[pos_++] == '\n') ++line_;
    }

    void skipSpace() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\r' ||
                                    s_[pos_] == '\n'))
            advance(1);
    }

    bool skipTo(const char* end) {
        size_t found = s_.find(end, pos_);
        if (found == std::string::npos) {
            fail(std::string("no closing \"") + end + "\"");
            return false;
        }
        advance(found + std::char_traits<char>::length(end) - pos_);
        return true;
    }

    // Space, comments, the declaration and processing instructions.
    bool skipMisc() {
        for (;;) {
            skipSpace();
            if (startsWith("<!--")) {
                if (!skipTo("-->")) return false;
            } else if (startsWith("<?")) {
                if (!skipTo("?>")) return false;
            } else if (startsWith("<!")) {
                fail("document type declarations are not read");
                return false;
            } else {
                return true;
            }
        }
    }

    bool name(std::string* out) {
        size_t start = pos_;
        while (pos_ < s_.size() && nameChar(s_[pos_])) ++pos_;
        out->assign(s_, start, pos_ - start);
        if (!isXmlName(*out)) {
            fail("a name was expected");
            return false;
        }
        return true;
    }

    // An entity after '&' up to and including ';'.
    bool entity(std::string& out) {
        size_t end = s_.find(';', pos_);
        if (end == std::string::npos || end - pos_ > 12) {
            fail("an unfinished entity");
            return false;
        }
        std::string e = s_.substr(pos_ + 1, end - pos_ - 1);
        advance(end + 1 - pos_);
        if (e == "lt") out += '<';
        else if (e == "gt") out += '>';
        else if (e == "amp") out += '&';
        else if (e == "quot") out += '"';
        else if (e == "apos") out += '\'';
        else if (e.size() > 1 && e[0] == '#') {
            bool hex = e[1] == 'x';
            std::string digits = e.substr(hex ? 2 : 1);
            if (digits.empty()) {
                fail("an empty character reference");
                return false;
            }
            uint32_t cp = 0;
            for (char c : digits) {
                int v = c >= '0' && c <= '9' ? c - '0'
                        : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                      : -1;
                if (v < 0 || cp > 0x10FFFF) {
                    fail("a bad character reference");
                    return false;
                }
                cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(v);
            }
            if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
                fail("a character reference outside Unicode");
                return false;
            }
            appendUtf8(out, cp);
        } else {
            fail("an unknown entity \"&" + e + ";\"");
            return false;
        }
        return true;
    }

    bool attributeValue(std::string* out) {
        if (!at('"') && !at('\'')) {
            fail("an attribute value in quotes was expected");
            return false;
        }
        char quote = s_[pos_];
        advance(1);
        out->clear();
        while (pos_ < s_.size() && s_[pos_] != quote) {
            if (s_[pos_] == '<') {
                fail("\"<\" inside an attribute value");
                return false;
            }
            if (s_[pos_] == '&') {
                if (!entity(*out)) return false;
            } else {
                *out += s_[pos_];
                advance(1);
            }
        }
        if (!at(quote)) {
            fail("an attribute value without its closing quote");
            return false;
        }
        advance(1);
        return true;
    }

    bool element(XTXMLNode_& node, int depth) {
        if (depth > kMaxDepth) {
            fail("elements nested too deeply");
            return false;
        }
        node.line = line_;
        advance(1); // '<'
        if (!name(&node.name)) return false;
        for (;;) {
            bool spaced = pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t' ||
                                               s_[pos_] == '\r' || s_[pos_] == '\n');
            skipSpace();
            if (startsWith("/>")) {
                advance(2);
                return true;
            }
            if (at('>')) {
                advance(1);
                break;
            }
            if (pos_ >= s_.size()) {
                fail("the element <" + node.name + "> is not closed");
                return false;
            }
            if (!spaced) {
                fail("a space was expected between attributes");
                return false;
            }
            std::string key, value;
            if (!name(&key)) return false;
            skipSpace();
            if (!at('=')) {
                fail("\"=\" was expected after the attribute " + key);
                return false;
            }
            advance(1);
            skipSpace();
            if (!attributeValue(&value)) return false;
            if (node.attribute(key)) {
                fail("the attribute " + key + " is given twice");
                return false;
            }
            node.attributes.emplace_back(key, value);
        }
        // Content: child elements, comments and text (not kept).
        for (;;) {
            if (pos_ >= s_.size()) {
                fail("the element <" + node.name + "> is not closed");
                return false;
            }
            if (startsWith("</")) {
                advance(2);
                std::string end;
                if (!name(&end)) return false;
                if (end != node.name) {
                    fail("</" + end + "> closes <" + node.name + ">");
                    return false;
                }
                skipSpace();
                if (!at('>')) {
                    fail("\">\" was expected");
                    return false;
                }
                advance(1);
                return true;
            }
            if (startsWith("<!--")) {
                if (!skipTo("-->")) return false;
            } else if (startsWith("<![CDATA[")) {
                if (!skipTo("]]>")) return false;
            } else if (startsWith("<?")) {
                if (!skipTo("?>")) return false;
            } else if (at('<')) {
                if (!element(*node.addChild(std::string()), depth + 1)) return false;
            } else if (at('&')) {
                std::string ignored;
                if (!entity(ignored)) return false;
            } else {
                advance(1);
            }
        }
    }

    const std::string& s_;
    std::string* error_;
    size_t pos_ = 0;
    int line_ = 1;
};

void escape(std::string& out, const std::string& value) {
    for (char c : value) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        case '\n': out += "&#10;"; break;
        case '\r': out += "&#13;"; break;
        case '\t': out += "&#9;"; break;
        default: out += c;
        }
    }
}

void writeNode(std::string& out, const XTXMLNode_& node, int depth) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    out += '<';
    out += node.name;
    for (const auto& a : node.attributes) {
        out += ' ';
        out += a.first;
        out += "=\"";
        escape(out, a.second);
        out += '"';
    }
    if (node.children.empty()) {
        out += "/>\n";
        return;
    }
    out += ">\n";
    for (const auto& c : node.children) writeNode(out, *c, depth + 1);
    out.append(static_cast<size_t>(depth) * 2, ' ');
    out += "</" + node.name + ">\n";
}

} // namespace

bool isXmlName(const std::string& text) {
    if (text.empty() || (text[0] >= '0' && text[0] <= '9') || text[0] == '-' || text[0] == '.')
        return false;
    for (char c : text)
        if (!nameChar(c)) return false;
    return true;
}

std::unique_ptr<XTXMLTree_> parseXml(const std::string& text, std::string* error) {
    return Reader(text, error).document();
}

std::string writeXml(const XTXMLTree_& tree) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    writeNode(out, tree.root, 0);
    return out;
}

} // namespace plxhost
