// XML-node group: the trees output styles hand out, and their nodes.
#include "host/groups.h"
#include "host/host_objects.h"
#include "host/xml_text.h"
#include "host/xml_tree.h"

namespace plxhost {

namespace {

XTXMLNodeRef rootNode(XTXMLTreeRef tree) { return isLiveTree(tree) ? &tree->root : nullptr; }

int32_t findChild(XTXMLNodeRef node, QXStringRef name, XTXMLNodeRef* child) {
    if (!child) return kXTParamErr;
    *child = nullptr;
    if (!isLiveNode(node) || !name) return kXTParamErr;
    *child = node->child(hostStringUtf8(name));
    return *child ? 0 : kXTNotFoundErr;
}

int32_t createChild(XTXMLNodeRef node, QXStringRef name, XTXMLNodeRef* child) {
    if (!child) return kXTParamErr;
    *child = nullptr;
    std::string text = hostStringUtf8(name);
    // Only names the settings file can hold: a tree is stored as written.
    if (!isLiveNode(node) || !name || !isXmlName(text)) return kXTParamErr;
    *child = node->addChild(text);
    registerLiveNode(*child);
    return 0;
}

int32_t getAttribute(XTXMLNodeRef node, QXStringRef name, QXStringRef* value) {
    if (!value) return kXTParamErr;
    *value = nullptr;
    if (!isLiveNode(node) || !name) return kXTParamErr;
    const std::string* text = node->attribute(hostStringUtf8(name));
    if (!text) return kXTNotFoundErr;
    *value = newHostStringUtf8(*text);
    return 0;
}

int32_t setAttribute(XTXMLNodeRef node, QXStringRef name, QXStringRef value) {
    std::string key = hostStringUtf8(name);
    if (!isLiveNode(node) || !name || !value || !isXmlName(key)) return kXTParamErr;
    node->setAttribute(key, hostStringUtf8(value));
    return 0;
}

} // namespace

const XTXMLNodeFuncs kXMLNodeGroup = {
    sizeof(XTXMLNodeFuncs), rootNode, findChild, createChild, getAttribute, setAttribute,
    disposeLiveTree,
};

} // namespace plxhost
