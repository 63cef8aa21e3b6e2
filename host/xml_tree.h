// The host's XML trees: what output styles keep under their keys and hand
// out through the XML-node group. A tree owns its nodes; the host keeps a
// registry of live trees and nodes so that a handle a plug-in passes back
// is checked before it is used, and so that tests can count leaks.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "xt/xttypes.h"

struct XTXMLNode_ {
    std::string name; // UTF-8
    std::vector<std::pair<std::string, std::string>> attributes; // in order of creation
    std::vector<std::unique_ptr<XTXMLNode_>> children;
    XTXMLTree_* tree = nullptr;
    int line = 0; // where the element began in the text it was read from

    const XTXMLNode_* child(const std::string& childName) const;
    XTXMLNode_* child(const std::string& childName);
    XTXMLNode_* addChild(const std::string& childName);
    const std::string* attribute(const std::string& attrName) const;
    void setAttribute(const std::string& attrName, const std::string& value);
};

struct XTXMLTree_ {
    XTXMLNode_ root;
};

namespace plxhost {

// The name of the root element of a tree the host makes.
extern const char* const kXmlRootName;

// A tree that lives only inside the host (a style's stored data). Not
// counted and not registered: plug-ins never see these objects.
std::unique_ptr<XTXMLTree_> makeTree(const std::string& rootName = kXmlRootName);
std::unique_ptr<XTXMLTree_> copyTree(const XTXMLTree_& tree);
// A tree whose root is a copy of the node (and everything under it).
std::unique_ptr<XTXMLTree_> treeFromNode(const XTXMLNode_& node);
// Appends a copy of the node (and everything under it) to the parent.
void appendCopy(XTXMLNode_& parent, const XTXMLNode_& node);

// A tree handed to a plug-in: registered and counted until disposeTree.
XTXMLTree_* newLiveTree(const XTXMLTree_& from);
void disposeLiveTree(XTXMLTree_* tree);
bool isLiveTree(const XTXMLTree_* tree);
bool isLiveNode(const XTXMLNode_* node);
// Registers a node created inside a live tree.
void registerLiveNode(XTXMLNode_* node);

} // namespace plxhost
