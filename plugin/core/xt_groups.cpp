#include "plugin/core/xt_groups.h"

#include "plugin/core/plexmoor.h"
#include "xt/xtgroups.h"

XTSetupRec* xtsetupptr = nullptr;

const XTAccessorStringFuncs* gQXAccessorStringFuncGrpH = nullptr;
const XTMutableStringFuncs* gQXMutableStringFuncGrpH = nullptr;
const XTDocFuncs* xtdoc_funchndl = nullptr;
const XTProjectFuncs* xtproject_funchndl = nullptr;
const XTFileFuncs* xtfile_funchndl = nullptr;
const XTPageFuncs* xtpage_funchndl = nullptr;
const XTMasterFuncs* xtmaster_funchndl = nullptr;
const XTMemoryFuncs* xtmemory_funchndl = nullptr;
const XTSpreadFuncs* xtspread_funchndl = nullptr;
const XTBoxFuncs* xtbox_funchndl = nullptr;
const XTTextBoxFuncs* xttxtbox_funchndl = nullptr;
const XTErrorFuncs* xterror_funchndl = nullptr;
const XTOutputStyleFuncs* xtoutputstyle_funchndl = nullptr;
const XTXasFuncs* xtxas_funchndl = nullptr;
const XTXMLNodeFuncs* xtxmlnode_funchndl = nullptr;
const XTPrintFuncs* xtprint_funchndl = nullptr;
const XTDocMeasureFuncs* xtdocmeasure_funchndl = nullptr;
const XTShapeFuncs* xtshape_funchndl = nullptr;
const XTFixedRectFuncs* xtfixedrect_funchndl = nullptr;
const XTUtilityFuncs* xtutility_funchndl = nullptr;
const XTMenuFuncs* xtmenu_funchndl = nullptr;
const XTXMenuFuncs* xtxmenu_funchndl = nullptr;
const XTTabControlFuncs* xtxdctltab_funchndl = nullptr;
const XTButtonControlFuncs* xtxdctlbtn_funchndl = nullptr;
const XTScreenFuncs* xtscreen_funchndl = nullptr;
const XTHostRequestFuncs* xthostrequest_funchndl = nullptr;

namespace {

struct GroupBinding {
    uint32_t id;
    const void** handle;
};

template <typename T> const void** slot(const T** handle) {
    return reinterpret_cast<const void**>(handle);
}

// The groups the host names by number come first, then the xt groups, in
// the order the activation has always bound them.
const GroupBinding kNumberedGroups[] = {
    {kXTGroupMutableString, slot(&gQXMutableStringFuncGrpH)},
    {kXTGroupAccessorString, slot(&gQXAccessorStringFuncGrpH)},
};

const GroupBinding kXTGroups[] = {
    {kXTGroupBox, slot(&xtbox_funchndl)},
    {kXTGroupDoc, slot(&xtdoc_funchndl)},
    {kXTGroupDocMeasure, slot(&xtdocmeasure_funchndl)},
    {kXTGroupError, slot(&xterror_funchndl)},
    {kXTGroupFile, slot(&xtfile_funchndl)},
    {kXTGroupFixedRect, slot(&xtfixedrect_funchndl)},
    {kXTGroupHostRequest, slot(&xthostrequest_funchndl)},
    {kXTGroupMaster, slot(&xtmaster_funchndl)},
    {kXTGroupMemory, slot(&xtmemory_funchndl)},
    {kXTGroupMenu, slot(&xtmenu_funchndl)},
    {kXTGroupOutputStyle, slot(&xtoutputstyle_funchndl)},
    {kXTGroupPage, slot(&xtpage_funchndl)},
    {kXTGroupPrint, slot(&xtprint_funchndl)},
    {kXTGroupProject, slot(&xtproject_funchndl)},
    {kXTGroupScreen, slot(&xtscreen_funchndl)},
    {kXTGroupShape, slot(&xtshape_funchndl)},
    {kXTGroupSpread, slot(&xtspread_funchndl)},
    {kXTGroupTextBox, slot(&xttxtbox_funchndl)},
    {kXTGroupUtility, slot(&xtutility_funchndl)},
    {kXTGroupXas, slot(&xtxas_funchndl)},
    {kXTGroupButtonControl, slot(&xtxdctlbtn_funchndl)},
    {kXTGroupTabControl, slot(&xtxdctltab_funchndl)},
    {kXTGroupXMenu, slot(&xtxmenu_funchndl)},
    {kXTGroupXMLNode, slot(&xtxmlnode_funchndl)},
};

} // namespace

int32_t xtBindFunctionGroups(XTSetupRec* setup) {
    if (setup->checkInterface(kPlxPlatform, kXTBindingVersion, kXTBindingVersionBase) != 0)
        return kXTInterfaceMismatch;
    for (const GroupBinding& g : kNumberedGroups) {
        int32_t err = setup->bindFuncGroup(g.id, g.handle, 0, 0);
        if (err != 0) return err;
    }
    for (const GroupBinding& g : kXTGroups) {
        int32_t err = setup->bindFuncGroup(g.id, g.handle, 0, 0);
        if (err != 0) return err;
    }
    return 0;
}

void xtUnbindFunctionGroups() {
    for (const GroupBinding& g : kNumberedGroups) *g.handle = nullptr;
    for (const GroupBinding& g : kXTGroups) *g.handle = nullptr;
}
