#include "host/panel_container.h"

#include <algorithm>
#include <vector>

namespace plxhost {

namespace {
// The windows that take panels now.
std::vector<PanelContainer*> sLive;
} // namespace

PanelContainer::PanelContainer() {
    container_.window = this;
    sLive.push_back(this);
}

PanelContainer::~PanelContainer() {
    sLive.erase(std::remove(sLive.begin(), sLive.end(), this), sLive.end());
}

PanelContainer* PanelContainer::fromContainer(XTPanelContainerRef container) {
    for (PanelContainer* w : sLive)
        if (container == &w->container_) return w;
    return nullptr;
}

int32_t PanelContainer::declareIn(XTWindowRef panel, int32_t id, int32_t kind) {
    for (PanelContainer* w : sLive)
        if (w->declaring(panel)) return w->declareControl(id, kind);
    return kXTParamErr;
}

} // namespace plxhost
