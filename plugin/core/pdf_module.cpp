#include "plugin/core/pdf_module.h"

#include "plugin/core/plexmoor.h"

uint8_t gPDF = 0;
uint32_t gPDFBaseFuncGrpId = 0;
uint32_t pdfcbcode = 0;
const XTPdfFuncs* gPDFFuncGrpHndl = nullptr;

void lookUpPdfModule(XTSetupRec* setup) {
    gPDF = 0;
    gPDFFuncGrpHndl = nullptr;
    if (setup->getModuleCallbackCode(kPdfModuleId, &pdfcbcode) != 0) return;
    if (setup->getModuleGroupId(pdfcbcode, &gPDFBaseFuncGrpId) != 0) return;
    if (setup->bindFuncGroup(gPDFBaseFuncGrpId, reinterpret_cast<const void**>(&gPDFFuncGrpHndl), 0,
                             0) != 0) {
        gPDFFuncGrpHndl = nullptr;
        return;
    }
    gPDF = 1;
}
