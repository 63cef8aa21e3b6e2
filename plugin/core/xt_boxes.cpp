#include <cstring>

#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/support/mystr.h"

boxid xtGetCurBox() {
    int16_t docNum = -1;
    xtdoc_funchndl->getFrontDocNum(&docNum);
    if (docNum < 0) return nullptr;
    return xtbox_funchndl->getCurBox();
}

int32_t xt_setslugdata(boxid box, int16_t kind, uint32_t tag, const void* data, int32_t length) {
    if (length < 0 || (length > 0 && !data)) return kXTParamErr;
    XTHandle block = xtmemory_funchndl->newHandleClear(length);
    if (!block) return kXTMemFullErr;
    if (length > 0) std::memcpy(xtmemory_funchndl->handleData(block), data, static_cast<size_t>(length));

    if (!box) box = xtGetCurBox();
    XTSlugHolderRef holder = nullptr;
    switch (kind) {
    case kSlugBox:
    case kSlugBoxToo: holder = xtbox_funchndl->boxSlugHolder(box); break;
    case kSlugBoxSecond: holder = xttxtbox_funchndl->textSlugHolder(box); break;
    case kSlugLayout: holder = xtbox_funchndl->layoutSlugHolder(xtGetCurDocRef()); break;
    default: break;
    }
    int32_t err = xtbox_funchndl->setSlugData(holder, tag, block);
    xtmemory_funchndl->disposeHandle(block);
    if (err != 0) {
        xterror_funchndl->reportError(static_cast<int16_t>(err));
        return err;
    }
    int32_t docRef = -1;
    if (box) xtbox_funchndl->getBoxDocRef(box, &docRef);
    if (docRef == -1) docRef = xtGetCurDocRef();
    xtdoc_funchndl->setDocChanged(docRef);
    return 0;
}

void xtGetLayoutSlugData(int32_t docRef, uint32_t tag, void* buffer, int32_t* length) {
    if (!buffer || !length || *length <= 0) return;
    XTSlugHolderRef holder = xtbox_funchndl->layoutSlugHolder(docRef);
    if (holder) xtbox_funchndl->getSlugData(holder, tag, buffer, length);
}

XFile::XFile(const char* p) {
    if (!p) return;
    size_t n = std::strlen(p);
    if (n >= sizeof path) return; // a cut path would name another file
    std::memcpy(path, p, n + 1);
    MyStr s(path);
    QXStringRef text = s.qxStr();
    if (text) xtfile_funchndl->fileInfoFromPath(text, &fileInfo);
}

XFile::~XFile() {
    if (fileInfo) xtfile_funchndl->disposeFileInfo(fileInfo);
}
