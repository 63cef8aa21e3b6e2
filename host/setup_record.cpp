// The set-up record's entries: how a plug-in meets the host.
#include "host/groups.h"
#include "host/host.h"

namespace plxhost {

namespace {

Host& host() { return *Host::current(); }

uint8_t checkCompatibility(uint32_t xtId, int32_t zero1, int32_t platform,
                           uint32_t interfaceVersion, int32_t zero2) {
    host().noteSetupCall("checkCompatibility");
    if (host().options().refuseCompatibility) return 0;
    bool ok = xtId != 0 && zero1 == 0 && zero2 == 0 && platform == kXTPlatformThis &&
              interfaceVersion == static_cast<uint32_t>(kXTInterfaceVersion);
    if (ok && host().loading()) host().loading()->id = xtId;
    return ok ? 1 : 0;
}

int32_t announcePriority(int32_t) {
    host().noteSetupCall("announcePriority");
    return 0;
}

int32_t registerActivation(XTActivateProc proc, int32_t, int32_t, int32_t) {
    host().noteSetupCall("registerActivation");
    if (!proc || !host().loading()) return kXTParamErr;
    host().loading()->activate = proc;
    return 0;
}

int32_t registerReserveIds(XTReserveIdsProc proc, int32_t, int32_t, int32_t) {
    host().noteSetupCall("registerReserveIds");
    if (!proc || !host().loading()) return kXTParamErr;
    host().loading()->reserveIds = proc;
    return 0;
}

int32_t checkInterface(int32_t platform, int32_t version, uint32_t versionBase) {
    host().noteSetupCall("checkInterface");
    if (host().options().failInterfaceCheck) return kXTInterfaceMismatch;
    bool ok = platform == kXTPlatformThis && version == kXTBindingVersion &&
              versionBase == static_cast<uint32_t>(kXTBindingVersionBase);
    return ok ? 0 : kXTInterfaceMismatch;
}

int32_t bindFuncGroup(uint32_t groupId, const void** handle, int32_t, int32_t) {
    host().noteSetupCall("bindFuncGroup");
    if (!handle) return kXTParamErr;
    const GroupEntry* g = findGroup(groupId);
    if (!g || host().options().refuseGroup == g->name) return kXTNotFoundErr;
    *handle = g->table;
    host().noteBoundGroup(groupId);
    return 0;
}

int32_t registerCallback(int32_t cbCode, XTCallbackProc proc, int32_t flags, int32_t priority,
                         int32_t) {
    host().noteSetupCall("registerCallback");
    if (!proc) return kXTParamErr;
    host().callbacks().add(cbCode, proc, flags, priority);
    return 0;
}

int32_t getModuleCallbackCode(uint32_t moduleId, uint32_t* cbCode) {
    host().noteSetupCall("getModuleCallbackCode");
    if (!cbCode) return kXTParamErr;
    if (moduleId != XT_FOURCC('X', 'P', 'D', 'F') || !host().options().pdfModule)
        return kXTNotFoundErr;
    *cbCode = kPdfModuleCallbackCode;
    return 0;
}

int32_t getModuleGroupId(uint32_t cbCode, uint32_t* groupId) {
    host().noteSetupCall("getModuleGroupId");
    if (!groupId) return kXTParamErr;
    if (cbCode != kPdfModuleCallbackCode || !host().options().pdfModule) return kXTNotFoundErr;
    *groupId = kXTGroupPdf;
    return 0;
}

} // namespace

XTSetupRec makeSetupRecord() {
    XTSetupRec r{};
    r.structSize = sizeof(XTSetupRec);
    r.checkCompatibility = checkCompatibility;
    r.announcePriority = announcePriority;
    r.registerActivation = registerActivation;
    r.registerReserveIds = registerReserveIds;
    r.checkInterface = checkInterface;
    r.bindFuncGroup = bindFuncGroup;
    r.registerCallback = registerCallback;
    r.getModuleCallbackCode = getModuleCallbackCode;
    r.getModuleGroupId = getModuleGroupId;
    return r;
}

} // namespace plxhost
