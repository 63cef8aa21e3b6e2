// Memory group: blocks the host allocates for plug-ins.
#include <cstring>

#include "host/groups.h"
#include "host/host_objects.h"

namespace plxhost {

namespace {

int32_t getHandleSize(XTHandle h) { return h ? static_cast<int32_t>(h->bytes.size()) : 0; }

void* handleData(XTHandle h) { return h ? h->bytes.data() : nullptr; }

void clearMem(void* address, int32_t size) {
    if (address && size > 0) std::memset(address, 0, static_cast<size_t>(size));
}

} // namespace

const XTMemoryFuncs kMemoryGroup = {
    sizeof(XTMemoryFuncs), newHandle, disposeHandle, getHandleSize, handleData, clearMem,
};

} // namespace plxhost
