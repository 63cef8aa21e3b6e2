// The host operations the rest of the plug-in calls: thin wrappers over
// the bound function groups. They hold no state; texts in and out are
// UTF-8 in the caller's buffers, never written past the sizes given.
#pragma once

#include <cstdint>

#include "xt/xttypes.h"

// Documents, projects and layouts. A document reference of -1 stands for
// the front layout wherever the wrapper says "-1 = current".

// The front layout's reference, or -1 when no layout is open.
int32_t xtGetCurDocRef();
// The view of a layout (-1 = current); null when there is none.
DocViewRef xtGetDocView(int32_t docRef);
// The project holding a layout, or -1.
int32_t getProjectFromDocRef(int32_t docRef);
// Writes the full path of the layout's project file (-1 = current) into a
// buffer the caller cleared; true when the buffer is not empty afterwards.
bool xtGetDocPath(int32_t docRef, char* buffer, int32_t length);
// Writes the project file's path; false (buffer untouched) when the
// project has no file or the path is no longer than 1 byte.
bool xtGetProjectPath(int32_t projRef, char* buffer, int32_t length);
// The project's file object (-1 = current project), which the caller
// disposes of through the file group; null when there is none.
XFileInfoRef XTGetDocFile(int32_t projRef);
// Writes the file object's path; an empty text when it has none or when
// it does not fit the buffer.
void XTGetPathFromXFile(XFileInfoRef file, char* buffer, int32_t length);
// The layout's and the project's names, UTF-8, at most capacity bytes with
// the terminator (a longer name is cut at a character boundary); false
// (buffer empty) when the host gives none.
bool xtGetLayoutName(int32_t docRef, char* buffer, int32_t capacity);
bool xtGetProjectName(int32_t projRef, char* buffer, int32_t capacity);

// Pages and spreads.

int16_t xtNumPages(int32_t docRef);   // -1 = current
int16_t xtGetCurPage(int32_t docRef); // -1 = current; 0 when there is no view
// Absolute page number of the current layout's page with that label; 0 or
// less when no page has it.
int16_t xtGetPageNum(const char* label);
// Writes the label of an absolute page of the current layout, at most
// capacity bytes with the terminator (a longer label is cut at a character
// boundary); an empty text when there is none.
void xtGetPageStr(int16_t page, char* buffer, int16_t capacity);
// The host's page-number data of a page; the first member is its spread.
XTPageNumData xtGetPageNumData(int32_t docRef, int16_t page, int16_t flag);
// Pages of a spread as a host memory block of int16 page numbers, which the
// caller disposes of; null when there is none.
XTHandle xtGetSpreadPages(int32_t docRef, int16_t spread);
// Converts a page rectangle into the coordinates of its spread.
int32_t xtPageRectToSpread(int32_t docRef, const XTPageNumData& page, fixedrect* rect);

// Boxes.

// The selected box, or null; null without asking the box group when no
// document is open.
boxid xtGetCurBox();

// Slug data.

enum : int16_t {
    kSlugBox = 0,        // the box's holder (3 means the same)
    kSlugBoxSecond = 1,  // the box's second holder
    kSlugBoxToo = 3,
    kSlugLayout = 4      // the current layout's holder
};

// Stores a copy of the data under the tag (box null = current box). Host
// errors are shown through the error group and returned; -108 when no
// memory block can be had. On success the document holding the box (or the
// current one) is marked as changed and 0 is returned.
int32_t xt_setslugdata(boxid box, int16_t kind, uint32_t tag, const void* data, int32_t length);
// Copies at most *length bytes stored under the tag in a layout into the
// buffer, setting *length to the number copied; nothing stored leaves the
// buffer as it was.
void xtGetLayoutSlugData(int32_t docRef, uint32_t tag, void* buffer, int32_t* length);

// A host file object made from a path, released with the object.
class XFile {
  public:
    explicit XFile(const char* path);
    ~XFile();
    XFile(const XFile&) = delete;
    XFile& operator=(const XFile&) = delete;

    XFileInfoRef fileInfo = nullptr;
    char path[512] = {0};
};
