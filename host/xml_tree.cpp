#include "host/xml_tree.h"

#include <unordered_set>

#include "host/host_objects.h"

const XTXMLNode_* XTXMLNode_::child(const std::string& childName) const {
    for (const auto& c : children)
        if (c->name == childName) return c.get();
    return nullptr;
}

XTXMLNode_* XTXMLNode_::child(const std::string& childName) {
    for (auto& c : children)
        if (c->name == childName) return c.get();
    return nullptr;
}

XTXMLNode_* XTXMLNode_::addChild(const std::string& childName) {
    children.push_back(std::make_unique<XTXMLNode_>());
    children.back()->name = childName;
    children.back()->tree = tree;
    return children.back().get();
}

const std::string* XTXMLNode_::attribute(const std::string& attrName) const {
    for (const auto& a : attributes)
        if (a.first == attrName) return &a.second;
    return nullptr;
}

void XTXMLNode_::setAttribute(const std::string& attrName, const std::string& value) {
    for (auto& a : attributes) {
        if (a.first == attrName) {
            a.second = value;
            return;
        }
    }
    attributes.emplace_back(attrName, value);
}

namespace plxhost {

const char* const kXmlRootName = "Root";

namespace {

std::unordered_set<const XTXMLTree_*> gLiveTrees;
std::unordered_set<const XTXMLNode_*> gLiveNodes;

void copyChildren(const XTXMLNode_& from, XTXMLNode_& to) {
    to.attributes = from.attributes;
    for (const auto& c : from.children) copyChildren(*c, *to.addChild(c->name));
}

void forEachNode(XTXMLNode_& node, void (*f)(XTXMLNode_*)) {
    f(&node);
    for (auto& c : node.children) forEachNode(*c, f);
}

} // namespace

std::unique_ptr<XTXMLTree_> makeTree(const std::string& rootName) {
    auto tree = std::make_unique<XTXMLTree_>();
    tree->root.name = rootName;
    tree->root.tree = tree.get();
    return tree;
}

std::unique_ptr<XTXMLTree_> copyTree(const XTXMLTree_& tree) { return treeFromNode(tree.root); }

std::unique_ptr<XTXMLTree_> treeFromNode(const XTXMLNode_& node) {
    auto copy = makeTree(node.name);
    copyChildren(node, copy->root);
    return copy;
}

void appendCopy(XTXMLNode_& parent, const XTXMLNode_& node) {
    copyChildren(node, *parent.addChild(node.name));
}

XTXMLTree_* newLiveTree(const XTXMLTree_& from) {
    XTXMLTree_* tree = copyTree(from).release();
    gLiveTrees.insert(tree);
    forEachNode(tree->root, [](XTXMLNode_* n) { gLiveNodes.insert(n); });
    countLiveTree(+1);
    return tree;
}

void disposeLiveTree(XTXMLTree_* tree) {
    if (!tree || !gLiveTrees.erase(tree)) return;
    forEachNode(tree->root, [](XTXMLNode_* n) { gLiveNodes.erase(n); });
    countLiveTree(-1);
    delete tree;
}

bool isLiveTree(const XTXMLTree_* tree) { return tree && gLiveTrees.count(tree) != 0; }

bool isLiveNode(const XTXMLNode_* node) { return node && gLiveNodes.count(node) != 0; }

void registerLiveNode(XTXMLNode_* node) { gLiveNodes.insert(node); }

} // namespace plxhost
