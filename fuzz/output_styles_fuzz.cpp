// The host's output-styles file and its XML. The input is a file. Any XML
// the reader accepts is written and read back to the same tree, and
// writing that tree again gives the same text. A styles file the store
// accepts is saved and read by a new store as the same styles with the
// same data; a file it refuses is set aside, never lost.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "fuzz/fuzz_support.h"
#include "host/output_styles.h"
#include "host/xml_text.h"

using namespace plxhost;

namespace {

// A text in a description: its length, then its bytes as they are, so that
// no name or value can pass for another. Descriptions are made for every
// input and only printed (printable) when a property fails.
std::string counted(const std::string& text) { return std::to_string(text.size()) + ":" + text; }

void describe(const XTXMLNode_& node, int depth, std::string* out) {
    out->append(static_cast<size_t>(depth), ' ');
    *out += "<" + counted(node.name);
    for (const auto& [name, value] : node.attributes) *out += " " + counted(name) + "=" + counted(value);
    *out += ">\n";
    for (const auto& child : node.children) describe(*child, depth + 1, out);
}

std::string describe(const XTXMLTree_& tree) {
    std::string out;
    describe(tree.root, 0, &out);
    return out;
}

std::string describe(StyleStore& store) {
    std::string out;
    for (OutputStyleRef s : store.styles()) {
        out += "style " + counted(s->name) + " " + styleKeyText(s->medium) + "\n";
        for (const auto& [key, tree] : s->data) out += "data " + styleKeyText(key) + "\n" + describe(*tree);
    }
    return out;
}

// Whether the text is XML.
bool checkXml(const std::string& text) {
    std::string error;
    std::unique_ptr<XTXMLTree_> first = parseXml(text, &error);
    if (!first) {
        PLX_FUZZ_CHECK(error.compare(0, 5, "line ") == 0, "an error without its line: " + error);
        return false;
    }
    std::string written = writeXml(*first);
    std::unique_ptr<XTXMLTree_> second = parseXml(written, &error);
    PLX_FUZZ_CHECK(second != nullptr, "the written XML cannot be read: " + error + "\n" +
                                          plxfuzz::printable(written, 2000));
    std::string before = describe(*first), after = describe(*second);
    PLX_FUZZ_CHECK(before == after, "written and read back, the tree changed\n--- read:\n" +
                                        plxfuzz::printable(before, 1 << 20) + "\n--- read back:\n" +
                                        plxfuzz::printable(after, 1 << 20));
    PLX_FUZZ_CHECK(writeXml(*second) == written, "writing the tree read back gives another text");
    return true;
}

bool exists(const std::string& path) { return access(path.c_str(), F_OK) == 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    bool isXml = checkXml(text);

    plxfuzz::removeHomeFiles("OutputStyles");
    const std::string path = plxfuzz::homeFile("OutputStyles.xml");
    if (!plxfuzz::writeFile(path, text)) plxfuzz::fail(__FILE__, __LINE__, "cannot write " + path);
    std::string styles;
    {
        StyleStore store(path);
        styles = describe(store);
        PLX_FUZZ_CHECK(store.find(kDefaultEpsStyle) && store.find(kDefaultPdfStyle),
                       "the default styles are missing");
        PLX_FUZZ_CHECK(exists(path), "the store left no styles file");
        if (!isXml) {
            // A file that is not XML is kept beside the new one.
            PLX_FUZZ_CHECK(plxfuzz::homeFileHolding("OutputStyles", text),
                           "an unreadable styles file was not kept");
        }
        PLX_FUZZ_CHECK(store.save() == 0, "the styles could not be saved");
    }
    StyleStore again(path);
    std::string reread = describe(again);
    PLX_FUZZ_CHECK(reread == styles, "saved and read back, the styles changed\n--- read:\n" +
                                         plxfuzz::printable(styles, 1 << 20) + "\n--- read back:\n" +
                                         plxfuzz::printable(reread, 1 << 20));
    return 0;
}
