// Screen group and host requests: the host's main window, and the things a
// plug-in may ask the host's own user interface to do.
#include "host/groups.h"
#include "host/host.h"
#include "host/style_editor.h"

namespace plxhost {

namespace {

int32_t getMainWindow(XTWindowRef* window) {
    if (!window) return kXTParamErr;
    *window = Host::current()->mainWindowRef();
    return 0;
}

int32_t sendHostRequest(int32_t request, void* param) {
    switch (request) {
    case kXTRequestEditOutputStyles:
        return runOutputStylesWindow(*Host::current()) == 0 ? kXTParamErr : 0;
    case kXTRequestPluginDialog:
        // This host's dialogs need nothing done to them, nor do the plug-in's;
        // it only notes which it was told of.
        if (!param) return kXTParamErr;
        Host::current()->notePluginDialog(*static_cast<const XTWindowRef*>(param));
        return 0;
    default:
        return kXTParamErr;
    }
}

} // namespace

const XTScreenFuncs kScreenGroup = {sizeof(XTScreenFuncs), getMainWindow};

const XTHostRequestFuncs kHostRequestGroup = {sizeof(XTHostRequestFuncs), sendHostRequest};

} // namespace plxhost
