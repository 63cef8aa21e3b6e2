// XML text for the host's settings files: a small reader and writer of
// elements and attributes. Text content between elements is not kept (the
// host stores everything in attributes); comments, the declaration and
// processing instructions are skipped.
#pragma once

#include <memory>
#include <string>

#include "host/xml_tree.h"

namespace plxhost {

// Whether text can be an element or attribute name in the files the host
// writes: ASCII letters, digits, "_", "-", ".", ":" and any non-ASCII
// character, not starting with a digit, "-" or ".".
bool isXmlName(const std::string& text);

// Reads one document. Returns null with *error set ("line N: what") for
// text that is not well-formed XML of this kind.
std::unique_ptr<XTXMLTree_> parseXml(const std::string& text, std::string* error);

// The document as text with the declaration, two-space indentation and LF
// line ends; attribute values escaped.
std::string writeXml(const XTXMLTree_& tree);

} // namespace plxhost
