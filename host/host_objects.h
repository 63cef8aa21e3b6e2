// Objects the host hands out through its function groups: strings, memory
// blocks, file-information objects, XML trees and shapes. The host counts the live ones so
// that a test can see whether a plug-in releases what it was given.
#pragma once

#include <cstdint>
#include <string>

#include "xt/xttypes.h"

struct QXString_ {
    std::u16string text;
    int32_t refs = 1;
};

struct XTHandleRec_ {
    std::string bytes;
};

struct XTFileInfo_ {
    std::string path; // empty: holds no file
};

namespace plxhost {

struct LiveObjects {
    int64_t strings = 0;
    int64_t handles = 0;
    int64_t fileInfos = 0;
    int64_t xmlTrees = 0;
    int64_t shapes = 0;
    bool operator==(const LiveObjects& o) const {
        return strings == o.strings && handles == o.handles && fileInfos == o.fileInfos &&
               xmlTrees == o.xmlTrees && shapes == o.shapes;
    }
};

// Counts of objects handed out and not yet released.
LiveObjects liveObjects();

// When set, the next `count` memory allocations of the memory group fail
// (a host that runs out of memory).
void failNextAllocations(int count);

QXStringRef newHostString(const std::u16string& text);
QXStringRef newHostStringUtf8(const std::string& utf8);
void releaseHostString(QXStringRef s);
// Text of a host string as UTF-8 (invalid units become U+FFFD).
std::string hostStringUtf8(QXStringRef s);

XTHandle newHandle(int32_t size); // null when allocation is refused
void disposeHandle(XTHandle h);

XFileInfoRef newFileInfo(const std::string& path);
void disposeFileInfo(XFileInfoRef f);

// Kept by the XML-tree and shape registries, which own those objects.
void countLiveTree(int delta);
void countLiveShape(int delta);

// UTF-8 <-> UTF-16 for the host's own use.
std::u16string utf8ToUtf16(const std::string& s);
std::string utf16ToUtf8(const std::u16string& s);
// Appends one Unicode scalar value as UTF-8.
void appendUtf8(std::string& out, uint32_t codePoint);

} // namespace plxhost
