#include <cstring>

#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mystr.h"

namespace {

int32_t resolveDocRef(int32_t docRef) { return docRef == -1 ? xtGetCurDocRef() : docRef; }

// Copies a host string the caller owns into a UTF-8 buffer and releases it.
// A name longer than the buffer is cut at a character boundary: it still
// makes a file name, where an empty one would make none.
bool takeHostText(QXStringRef text, char* buffer, int32_t capacity) {
    if (!buffer || capacity <= 0) {
        MyStr release(text, true);
        return false;
    }
    buffer[0] = 0;
    MyStr s(text, true);
    copyText(buffer, static_cast<size_t>(capacity), s.UTF8Str());
    return buffer[0] != 0;
}

} // namespace

int32_t xtGetCurDocRef() {
    int16_t docNum = -1;
    xtdoc_funchndl->getFrontDocNum(&docNum);
    if (docNum == -1) return -1;
    int32_t docRef = -1;
    xtdoc_funchndl->docNumToRef(docNum, &docRef);
    return docRef;
}

DocViewRef xtGetDocView(int32_t docRef) {
    docRef = resolveDocRef(docRef);
    return docRef == -1 ? nullptr : xtdoc_funchndl->getDocView(docRef);
}

int32_t getProjectFromDocRef(int32_t docRef) {
    int32_t projRef = -1;
    if (xtproject_funchndl->getProjectOfDoc(docRef, &projRef) != 0) return -1;
    return projRef;
}

bool xtGetDocPath(int32_t docRef, char* buffer, int32_t length) {
    if (!buffer || length <= 0) return false;
    int32_t projRef = getProjectFromDocRef(resolveDocRef(docRef));
    if (projRef != -1) xtGetProjectPath(projRef, buffer, length);
    return buffer[0] != 0;
}

bool xtGetProjectPath(int32_t projRef, char* buffer, int32_t length) {
    if (!buffer || length <= 0) return false;
    XFileInfoRef file = XTGetDocFile(projRef);
    if (!file) return false;
    char path[512] = {0};
    XTGetPathFromXFile(file, path, sizeof path);
    xtfile_funchndl->disposeFileInfo(file);
    size_t n = std::strlen(path);
    if (n <= 1 || n >= static_cast<size_t>(length)) return false;
    std::memcpy(buffer, path, n + 1);
    return true;
}

XFileInfoRef XTGetDocFile(int32_t projRef) {
    if (projRef == -1) xtproject_funchndl->getCurProject(&projRef);
    XFileInfoRef first = nullptr, second = nullptr;
    xtfile_funchndl->newFileInfo(&first);
    xtfile_funchndl->newFileInfo(&second);
    uint8_t secondHoldsFile = 0;
    int32_t err = first && second
                      ? xtproject_funchndl->getProjectFiles(projRef, first, second, &secondHoldsFile)
                      : kXTMemFullErr;
    if (err != 0) {
        xtfile_funchndl->disposeFileInfo(first);
        xtfile_funchndl->disposeFileInfo(second);
        return nullptr;
    }
    xtfile_funchndl->disposeFileInfo(secondHoldsFile ? first : second);
    return secondHoldsFile ? second : first;
}

void XTGetPathFromXFile(XFileInfoRef file, char* buffer, int32_t length) {
    if (!buffer || length <= 0) return;
    buffer[0] = 0;
    QXStringRef text = nullptr;
    if (!file || xtfile_funchndl->getFilePath(file, &text) != 0) return;
    MyStr s(text, true);
    char path[512] = {0};
    s.getPath(path);
    size_t n = std::strlen(path);
    // A path cut short would name another file: leave the buffer empty.
    if (n < static_cast<size_t>(length)) std::memcpy(buffer, path, n + 1);
}

bool xtGetLayoutName(int32_t docRef, char* buffer, int32_t capacity) {
    QXStringRef name = nullptr;
    xtproject_funchndl->getLayoutName(docRef, &name);
    return takeHostText(name, buffer, capacity);
}

bool xtGetProjectName(int32_t projRef, char* buffer, int32_t capacity) {
    QXStringRef name = nullptr;
    xtproject_funchndl->getProjectName(projRef, &name);
    return takeHostText(name, buffer, capacity);
}
