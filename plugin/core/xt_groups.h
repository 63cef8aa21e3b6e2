// The host function groups the plug-in works through, bound at activation.
// Each handle points to the host's table of that group's functions; it is
// null until activation has bound it.
#pragma once

#include "xt/xtbox.h"
#include "xt/xtdoc.h"
#include "xt/xtfile.h"
#include "xt/xtmemory.h"
#include "xt/xtmenu.h"
#include "xt/xtoutput.h"
#include "xt/xtpage.h"
#include "xt/xtpanels.h"
#include "xt/xtrequest.h"
#include "xt/xtscreen.h"
#include "xt/xtsetup.h"
#include "xt/xtstrings.h"

extern XTSetupRec* xtsetupptr;

extern const XTAccessorStringFuncs* gQXAccessorStringFuncGrpH;
extern const XTMutableStringFuncs* gQXMutableStringFuncGrpH;
extern const XTDocFuncs* xtdoc_funchndl;
extern const XTProjectFuncs* xtproject_funchndl;
extern const XTFileFuncs* xtfile_funchndl;
extern const XTPageFuncs* xtpage_funchndl;
extern const XTMasterFuncs* xtmaster_funchndl;
extern const XTMemoryFuncs* xtmemory_funchndl;
extern const XTSpreadFuncs* xtspread_funchndl;
extern const XTBoxFuncs* xtbox_funchndl;
extern const XTTextBoxFuncs* xttxtbox_funchndl;
extern const XTErrorFuncs* xterror_funchndl;
extern const XTOutputStyleFuncs* xtoutputstyle_funchndl;
extern const XTXasFuncs* xtxas_funchndl;
extern const XTXMLNodeFuncs* xtxmlnode_funchndl;
extern const XTPrintFuncs* xtprint_funchndl;
extern const XTDocMeasureFuncs* xtdocmeasure_funchndl;
extern const XTShapeFuncs* xtshape_funchndl;
extern const XTFixedRectFuncs* xtfixedrect_funchndl;
extern const XTUtilityFuncs* xtutility_funchndl;
extern const XTMenuFuncs* xtmenu_funchndl;
extern const XTXMenuFuncs* xtxmenu_funchndl;
extern const XTTabControlFuncs* xtxdctltab_funchndl;
extern const XTButtonControlFuncs* xtxdctlbtn_funchndl;
extern const XTScreenFuncs* xtscreen_funchndl;
extern const XTHostRequestFuncs* xthostrequest_funchndl;

// The binding layer: checks the interface version, then binds every group
// above into its handle, in order. Returns 0, kXTInterfaceMismatch, or the
// host's code for the first group that could not be bound (nothing after
// it is bound then).
int32_t xtBindFunctionGroups(XTSetupRec* setup);

// Forgets every bound handle (used before a new activation).
void xtUnbindFunctionGroups();
