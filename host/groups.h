// The host's function groups: one table of functions per group, found by
// identifier when a plug-in binds it.
#pragma once

#include <cstdint>

#include "xt/xtbox.h"
#include "xt/xtdoc.h"
#include "xt/xtfile.h"
#include "xt/xtgroups.h"
#include "xt/xtmemory.h"
#include "xt/xtmenu.h"
#include "xt/xtoutput.h"
#include "xt/xtpage.h"
#include "xt/xtpanels.h"
#include "xt/xtpdf.h"
#include "xt/xtrequest.h"
#include "xt/xtscreen.h"
#include "xt/xtsetup.h"
#include "xt/xtstrings.h"

namespace plxhost {

struct GroupEntry {
    uint32_t id;
    const char* name; // the name tests use to refuse a group
    const void* table;
};

// The group with that identifier, or null. The PDF module's group is
// listed only while the host has the module.
const GroupEntry* findGroup(uint32_t id);
// The group's name for an identifier ("?" when unknown).
const char* groupName(uint32_t id);

// The PDF module as the host knows it.
constexpr uint32_t kPdfModuleCallbackCode = 0x0900;
constexpr uint32_t kXTGroupPdf = XT_FOURCC('x', 'p', 'd', 'f');

extern const XTAccessorStringFuncs kAccessorStringGroup;
extern const XTMutableStringFuncs kMutableStringGroup;
extern const XTDocFuncs kDocGroup;
extern const XTProjectFuncs kProjectGroup;
extern const XTFileFuncs kFileGroup;
extern const XTPageFuncs kPageGroup;
extern const XTMasterFuncs kMasterGroup;
extern const XTSpreadFuncs kSpreadGroup;
extern const XTMemoryFuncs kMemoryGroup;
extern const XTBoxFuncs kBoxGroup;
extern const XTTextBoxFuncs kTextBoxGroup;
extern const XTErrorFuncs kErrorGroup;
extern const XTPdfFuncs kPdfGroup;
extern const XTOutputStyleFuncs kOutputStyleGroup;
extern const XTXasFuncs kXasGroup;
extern const XTXMLNodeFuncs kXMLNodeGroup;
extern const XTPrintFuncs kPrintGroup;
extern const XTDocMeasureFuncs kDocMeasureGroup;
extern const XTShapeFuncs kShapeGroup;
extern const XTFixedRectFuncs kFixedRectGroup;
extern const XTUtilityFuncs kUtilityGroup;
extern const XTMenuFuncs kMenuGroup;
extern const XTXMenuFuncs kXMenuGroup;
extern const XTTabControlFuncs kTabControlGroup;
extern const XTButtonControlFuncs kButtonControlGroup;
extern const XTScreenFuncs kScreenGroup;
extern const XTHostRequestFuncs kHostRequestGroup;

// The set-up record's entries.
XTSetupRec makeSetupRecord();

} // namespace plxhost
