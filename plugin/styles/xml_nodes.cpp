#include "plugin/styles/xml_nodes.h"

#include <cstdio>
#include <cstdlib>

#include "plugin/core/xt_groups.h"
#include "plugin/support/mystr.h"

XTXMLNodeRef childNode(XTXMLNodeRef node, const char* name) {
    if (!node || !name) return nullptr;
    MyStr key(name);
    XTXMLNodeRef child = nullptr;
    if (!key.qxStr() || xtxmlnode_funchndl->findChild(node, key.qxStr(), &child) != 0) return nullptr;
    return child;
}

XTXMLNodeRef getNode(XTXMLTreeRef tree, const char* name) {
    XTXMLNodeRef root = tree ? xtxmlnode_funchndl->rootNode(tree) : nullptr;
    if (!root) return nullptr;
    if (XTXMLNodeRef child = childNode(root, name)) return child;
    MyStr key(name);
    XTXMLNodeRef child = nullptr;
    if (!key.qxStr() || xtxmlnode_funchndl->createChild(root, key.qxStr(), &child) != 0) return nullptr;
    return child;
}

int32_t getNodeAttr(XTXMLNodeRef node, const char* name, char* buffer, int16_t size) {
    if (!node || !name || !buffer || size <= 0) return 0;
    MyStr key(name);
    QXStringRef value = nullptr;
    if (!key.qxStr() || xtxmlnode_funchndl->getAttribute(node, key.qxStr(), &value) != 0 || !value)
        return 0;
    MyStr text(value, true);
    text.getString(buffer, size, kEncUTF8); // leaves the empty text when it does not fit
    return 0;
}

int32_t getNodeAttr(XTXMLNodeRef node, const char* name, int32_t defaultValue) {
    char text[32] = {0};
    getNodeAttr(node, name, text, sizeof text);
    if (!text[0]) return defaultValue;
    return static_cast<int32_t>(std::atol(text));
}

int32_t setNodeAttr(XTXMLNodeRef node, const char* name, QXStringRef value) {
    if (!node || !name || !value) return kXTParamErr;
    MyStr key(name);
    if (!key.qxStr()) return kXTParamErr;
    return xtxmlnode_funchndl->setAttribute(node, key.qxStr(), value);
}

int32_t setNodeAttr(XTXMLNodeRef node, const char* name, const char* value) {
    MyStr text(value ? value : "");
    return setNodeAttr(node, name, text.qxStr());
}

int32_t setNodeAttr(XTXMLNodeRef node, const char* name, int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return setNodeAttr(node, name, text);
}
