#include "plugin/styles/style_data.h"

#include <cstring>

#include "plugin/core/plexmoor.h"
#include "plugin/core/xt_groups.h"
#include "plugin/styles/xml_nodes.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mystr.h"
#include "xt/xtoutput.h"

namespace {
const char kNodeName[] = "Plx";
} // namespace

PlxStyleData styleDataForStyle(OutputStyleRef style) {
    PlxStyleData data;
    std::memset(&data, 0, sizeof data);
    XTXMLTreeRef tree = nullptr;
    if (!style || xtoutputstyle_funchndl->getStyleData(style, kPlxId, &tree) != 0 || !tree)
        return data;
    if (XTXMLNodeRef node = getNode(tree, kNodeName)) {
        data.base = static_cast<uint32_t>(getNodeAttr(node, "Base", 0));
        copyText(data.separator, sizeof data.separator, "_");
        getNodeAttr(node, "Sep", data.separator, sizeof data.separator);
        data.numbering = static_cast<uint32_t>(getNodeAttr(node, "Numbers", 2));
        copyText(data.suffix, sizeof data.suffix,
                 outputMediaForStyle(style) == kXTMediumEPS ? ".eps" : ".pdf");
        getNodeAttr(node, "Suffix", data.suffix, sizeof data.suffix);
        data.pageMargins = static_cast<uint8_t>(getNodeAttr(node, "PageMargins", 0));
        data.numberBeforeName = static_cast<uint8_t>(getNodeAttr(node, "NumberBeforeName", 0));
    }
    xtxmlnode_funchndl->disposeTree(tree);
    return data;
}

PlxStyleData styleDataForName(const char* name) {
    OutputStyleRef style = styleRefForName(name);
    if (style) return styleDataForStyle(style);
    PlxStyleData data;
    std::memset(&data, 0, sizeof data);
    return data;
}

void setStyleData(OutputStyleRef style, const PlxStyleData& data) {
    XTXMLTreeRef tree = nullptr;
    if (!style || xtoutputstyle_funchndl->getStyleData(style, kPlxId, &tree) != 0 || !tree) return;
    if (XTXMLNodeRef node = getNode(tree, kNodeName)) {
        // A text without its terminator inside the field is stored as the
        // empty text rather than read past the field.
        char separator[sizeof data.separator] = {0}, suffix[sizeof data.suffix] = {0};
        if (memchr(data.separator, 0, sizeof data.separator))
            copyText(separator, sizeof separator, data.separator);
        if (memchr(data.suffix, 0, sizeof data.suffix)) copyText(suffix, sizeof suffix, data.suffix);
        setNodeAttr(node, "Base", static_cast<int32_t>(data.base));
        setNodeAttr(node, "Sep", separator);
        setNodeAttr(node, "Numbers", static_cast<int32_t>(data.numbering));
        setNodeAttr(node, "Suffix", suffix);
        setNodeAttr(node, "PageMargins", static_cast<int32_t>(data.pageMargins));
        setNodeAttr(node, "NumberBeforeName", static_cast<int32_t>(data.numberBeforeName));
    }
    xtoutputstyle_funchndl->setStyleData(style, kPlxId, tree);
    xtxmlnode_funchndl->disposeTree(tree);
}

OutputStyleRef styleRefForName(const char* name) {
    if (!name) return nullptr;
    MyStr text(name);
    if (!text.qxStr()) return nullptr;
    XTOutputStyleContextRef context = nullptr;
    xtoutputstyle_funchndl->getCurrentContext(&context);
    OutputStyleRef style = nullptr;
    if (xtoutputstyle_funchndl->findStyleByName(context, text.qxStr(), &style) != 0) return nullptr;
    return style;
}

uint32_t outputMediaForStyle(OutputStyleRef style) {
    uint32_t medium = kXTMediumNone;
    if (style) xtoutputstyle_funchndl->getOutputMedium(style, &medium);
    return medium;
}

uint32_t outputMediaForStyle(const char* name) {
    OutputStyleRef style = styleRefForName(name);
    return style ? outputMediaForStyle(style) : static_cast<uint32_t>(kXTMediumNone);
}
