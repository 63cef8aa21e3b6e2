// Panels a plug-in hands the host as platform objects rather than
// templates (the Cocoa panel controllers of the macOS build, added to the
// container of code 279 or 728 with addView:). The host shows each as a
// page of its window: a tab of the panel's title whose page is the
// panel's own view, in a platform window of the same title beside the
// host's window, whose controls a person reaches as the window's
// (ui/foreign.h). Where plug-ins hand over no such panels there are none.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/types.h"

namespace plxhost {

class NativePanels {
  public:
    struct Page {
        std::string title;
        int width = 0, height = 0;
        bool showFirst = false; // the window opens on this page
    };
    virtual ~NativePanels() = default;
    virtual const std::vector<Page>& pages() const = 0;
    // Shows page `index` (of pages()); -1 shows none.
    virtual void show(int index) = 0;
    // The host's window was confirmed: the panels store what they show.
    virtual void save() = 0;
};

// The panels plug-ins handed over while the host asked for them (code 279
// or 728), to be shown with `window`; null when there are none.
std::unique_ptr<NativePanels> takeNativePanels(ui::Handle window);

} // namespace plxhost
