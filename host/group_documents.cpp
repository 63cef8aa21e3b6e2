// Document, project and file groups.
#include <filesystem>

#include "host/file_open.h"
#include "host/groups.h"
#include "host/host.h"
#include "host/host_objects.h"

namespace plxhost {

namespace {

Documents& docs() { return Host::current()->documents(); }

int32_t getFrontDocNum(int16_t* docNum) {
    if (!docNum) return kXTParamErr;
    *docNum = docs().frontDocNum();
    return 0;
}

int32_t docNumToRef(int16_t docNum, int32_t* docRef) {
    if (!docRef) return kXTParamErr;
    *docRef = docs().docRefOfNum(docNum);
    return *docRef == -1 ? kXTParamErr : 0;
}

DocViewRef getDocView(int32_t docRef) {
    Layout* l = docs().layout(docRef);
    return l ? &l->view : nullptr;
}

int32_t getCurPage(DocViewRef view, int16_t* page) {
    Layout* l = docs().findView(view);
    if (!l || !page) return kXTParamErr;
    *page = static_cast<int16_t>(l->currentPage);
    return 0;
}

int32_t setDocChanged(int32_t docRef) {
    if (!docs().layout(docRef)) return kXTParamErr;
    docs().markChanged(docRef);
    return 0;
}

int32_t getProjectOfDoc(int32_t docRef, int32_t* projRef) {
    if (!projRef) return kXTParamErr;
    Project* p = docs().projectOfLayout(docRef);
    *projRef = p ? p->projRef : -1;
    return p ? 0 : kXTParamErr;
}

int32_t getCurProject(int32_t* projRef) {
    if (!projRef) return kXTParamErr;
    Layout* l = docs().front();
    Project* p = l ? docs().projectOfLayout(l->docRef) : nullptr;
    *projRef = p ? p->projRef : -1;
    return 0;
}

int32_t getProjectFiles(int32_t projRef, XFileInfoRef first, XFileInfoRef second,
                        uint8_t* secondHoldsFile) {
    Project* p = docs().project(projRef);
    if (!p || !first || !second || !secondHoldsFile) return kXTParamErr;
    if (p->path.empty()) return kXTFileNotFoundErr;
    // The file goes into the second object, its folder into the first: the
    // flag is what tells the caller which is which.
    first->path = utf8Path(fileSystemPath(p->path).parent_path());
    second->path = p->path;
    *secondHoldsFile = 1;
    return 0;
}

int32_t getLayoutName(int32_t docRef, QXStringRef* name) {
    if (!name) return kXTParamErr;
    Layout* l = docs().layout(docRef);
    *name = l ? newHostStringUtf8(l->name) : nullptr;
    return l ? 0 : kXTParamErr;
}

int32_t getProjectName(int32_t projRef, QXStringRef* name) {
    if (!name) return kXTParamErr;
    Project* p = docs().project(projRef);
    *name = p ? newHostStringUtf8(p->name) : nullptr;
    return p ? 0 : kXTParamErr;
}

int32_t newFileInfoEntry(XFileInfoRef* out) {
    if (!out) return kXTParamErr;
    *out = newFileInfo(std::string());
    return 0;
}

int32_t fileInfoFromPath(QXStringRef path, XFileInfoRef* out) {
    if (!out || !path) return kXTParamErr;
    *out = newFileInfo(hostStringUtf8(path));
    return 0;
}

int32_t getFilePath(XFileInfoRef info, QXStringRef* path) {
    if (!path) return kXTParamErr;
    *path = nullptr;
    if (!info) return kXTParamErr;
    if (info->path.empty()) return kXTFileNotFoundErr;
    *path = newHostStringUtf8(info->path);
    return 0;
}

} // namespace

const XTDocFuncs kDocGroup = {
    sizeof(XTDocFuncs), getFrontDocNum, docNumToRef, getDocView, getCurPage, setDocChanged,
};

const XTProjectFuncs kProjectGroup = {
    sizeof(XTProjectFuncs), getProjectOfDoc, getCurProject, getProjectFiles,
    getLayoutName,          getProjectName,
};

const XTFileFuncs kFileGroup = {
    sizeof(XTFileFuncs), newFileInfoEntry, fileInfoFromPath, getFilePath, disposeFileInfo,
};

} // namespace plxhost
