// Print and utility groups: what plug-ins do with the job being output.
#include <cstring>

#include "host/groups.h"
#include "host/host.h"
#include "host/host_objects.h"
#include "host/shapes.h"

namespace plxhost {

namespace {

PrintEngine& engine() { return Host::current()->printEngine(); }

int32_t outputLayout(int32_t docRef, uint32_t medium, int32_t flags) {
    return engine().outputLayout(docRef, medium, flags);
}

int32_t setJobPageRange(int16_t zero1, int16_t zero2, int16_t first, int16_t last) {
    if (zero1 != 0 || zero2 != 0) return kXTParamErr;
    return engine().setPageRange(first, last);
}

int32_t setJobOutputArea(XTShapeRef shape, int32_t value) {
    if (!isLiveShape(shape)) return kXTParamErr;
    return engine().setOutputArea(shape->rect, value);
}

int32_t setJobOutputFile(XFileInfoRef file) {
    if (!file) return kXTParamErr;
    return engine().setOutputFile(file->path);
}

int32_t getPrintSetup(XTPrintSetupRec* record, int32_t size) {
    return engine().getPrintSetup(record, size);
}

int32_t psWrite(const char* text, int32_t length) { return engine().psWrite(text, length); }

} // namespace

const XTPrintFuncs kPrintGroup = {
    sizeof(XTPrintFuncs), outputLayout,     setJobPageRange, setJobOutputArea,
    setJobOutputFile,     getPrintSetup,
};

const XTUtilityFuncs kUtilityGroup = {sizeof(XTUtilityFuncs), psWrite};

} // namespace plxhost
