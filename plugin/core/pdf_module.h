// The host's optional PDF module, looked up at activation. Exports toggle
// its setting 0 around a run when it is there.
#pragma once

#include <cstdint>

#include "xt/xtpdf.h"
#include "xt/xtsetup.h"

extern uint8_t gPDF;                 // 1 when the PDF group is bound
extern uint32_t gPDFBaseFuncGrpId;   // the group's identifier
extern uint32_t pdfcbcode;           // the module's callback code
extern const XTPdfFuncs* gPDFFuncGrpHndl;

// Asks the host for the module's callback code, then its group identifier,
// then binds the group; gPDF becomes 1 only when all three succeed.
void lookUpPdfModule(XTSetupRec* setup);
