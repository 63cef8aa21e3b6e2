// What the tab-control and button-control groups talk to: a window of the
// host that takes plug-in panels (the preferences window, the output-style
// editor), whichever window system shows it. The container a 279 or 728
// record carries points to one; a container or panel window a plug-in hands
// back is checked against the windows alive now before it is used.
#pragma once

#include <cstdint>

#include "xt/xttypes.h"

namespace plxhost {
class PanelContainer;
}

// The container a 279 or 728 record carries: the window being filled.
struct XTPanelContainer_ {
    plxhost::PanelContainer* window = nullptr;
};

namespace plxhost {

class PanelContainer {
  public:
    PanelContainer();
    virtual ~PanelContainer();
    PanelContainer(const PanelContainer&) = delete;
    PanelContainer& operator=(const PanelContainer&) = delete;

    XTPanelContainerRef container() { return &container_; }

    // Takes a panel served by the handler under `callbackId` while the
    // window collects panels; kXTParamErr otherwise or for an identifier
    // no handler is registered under.
    virtual int32_t addPanel(uint32_t callbackId, int32_t value) = 0;
    // Whether `panel` is the panel whose controls are being declared now.
    virtual bool declaring(XTWindowRef panel) const = 0;
    // Declares a control of that panel (xt/xtpanels.h tells the results).
    virtual int32_t declareControl(int32_t id, int32_t kind) = 0;

    // The live window whose container this is, or null.
    static PanelContainer* fromContainer(XTPanelContainerRef container);
    // Declares a control of whichever live window is declaring `panel`.
    static int32_t declareIn(XTWindowRef panel, int32_t id, int32_t kind);

  private:
    XTPanelContainer_ container_;
};

} // namespace plxhost
