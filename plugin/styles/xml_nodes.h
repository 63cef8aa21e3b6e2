// The plug-in's node inside an output style's XML data: thin wrappers over
// the host's XML-node group. Names and values are UTF-8.
#pragma once

#include <cstdint>

#include "xt/xttypes.h"

// The child element of that name, or null.
XTXMLNodeRef childNode(XTXMLNodeRef node, const char* name);
// The tree's root's child of that name, created when it does not exist yet;
// null when neither works.
XTXMLNodeRef getNode(XTXMLTreeRef tree, const char* name);
// An existing attribute's value into buffer (at most size-1 bytes and the
// terminator; a value that does not fit gives the empty text). A missing
// attribute leaves the buffer as it was. Returns 0.
int32_t getNodeAttr(XTXMLNodeRef node, const char* name, char* buffer, int16_t size);
// An attribute's decimal value, or the default when it is missing or empty.
int32_t getNodeAttr(XTXMLNodeRef node, const char* name, int32_t defaultValue);
// Sets an attribute; the host's result code (0 = success).
int32_t setNodeAttr(XTXMLNodeRef node, const char* name, QXStringRef value);
int32_t setNodeAttr(XTXMLNodeRef node, const char* name, const char* value);
int32_t setNodeAttr(XTXMLNodeRef node, const char* name, int32_t value);
