// Tab-control and button-control groups: plug-in panels in the host's
// preferences window and output-style editor.
#include "host/groups.h"
#include "host/panel_container.h"

namespace plxhost {

namespace {

int32_t addPanel(XTPanelContainerRef container, uint32_t callbackId, int32_t value) {
    PanelContainer* window = PanelContainer::fromContainer(container);
    return window ? window->addPanel(callbackId, value) : kXTParamErr;
}

int32_t declareControl(XTWindowRef panel, int32_t id, int32_t kind) {
    return PanelContainer::declareIn(panel, id, kind);
}

} // namespace

const XTTabControlFuncs kTabControlGroup = {sizeof(XTTabControlFuncs), addPanel};

const XTButtonControlFuncs kButtonControlGroup = {sizeof(XTButtonControlFuncs), declareControl};

} // namespace plxhost
