// How a host window with plug-in panels talks to the panels, whichever
// window system shows it (xt/xtpanels.h): taking the panels plug-ins add
// while the host asks for them, building each into a container the window
// makes (template request, then the controls declared), telling them of the
// opening and having them filled, passing on what a person does with a
// declared control, and having them save. The window does what needs its
// window system through PanelPanes; where the pages stand and which one
// shows is the window's own business.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "host/panel_container.h"
#include "xt/xtcallbacks.h"
#include "xt/xtpanels.h"

namespace plxhost {

class Host;

struct DeclaredControl {
    int32_t id = 0;
    int32_t kind = 0; // kXTControl…
};

// The window operations a panel session needs of its window.
class PanelPanes {
  public:
    virtual ~PanelPanes() = default;
    // A hidden, empty container of the window with the id, at the place
    // of the pages, for a plug-in to build its panel into; 0 when none
    // could be made.
    virtual XTWindowRef makePane(int id) = 0;
    // Whether the pane is still a live child of the window: a panel's
    // handler may have done anything with the window it was given.
    virtual bool paneIntact(XTWindowRef pane) = 0;
    virtual void destroyPane(XTWindowRef pane) = 0;
    // The pane's text, which its handler set to the panel's title.
    virtual std::string paneTitle(XTWindowRef pane) = 0;
    // Puts the built pane back at the place of the pages, keeping the
    // size its template gave it.
    virtual void placePane(XTWindowRef pane) = 0;
    // Whether the pane holds a control of the id (0), and of the declared
    // kind: kXTNotFoundErr without one, kXTParamErr for another kind.
    virtual int32_t findDeclared(XTWindowRef pane, int32_t id, int32_t kind) = 0;
};

class PanelSession : public PanelContainer {
  public:
    struct Panel {
        std::string title;
        XTWindowRef pane = 0;
        uint32_t callbackId = 0;
        int32_t value = 0; // the value given with addPanel
        XTPanelTemplate answer{};
        std::vector<DeclaredControl> declared;
    };

    // Panes get the ids from `firstId` on, one a panel in the order added.
    PanelSession(Host& host, PanelPanes& panes, int firstId);

    // Lets plug-ins add panels while `ask` sends the callback that carries
    // container(), then builds each one added; a panel whose handler does
    // not build it is dropped, its pane destroyed.
    void collect(const std::function<void()>& ask);
    // Tells every panel the window is about to open, then has each fill
    // its controls.
    void open();
    // Sends kXTPanelSave to every panel.
    void save();
    // A person worked the control of the id in `pane`, giving it a new
    // value: its panel hears of it when it declared the control.
    void controlWorked(XTWindowRef pane, int32_t id);

    const std::vector<Panel>& panels() const { return panels_; }
    // The index of the first panel that asked to be shown first, or -1.
    int shownFirst() const;
    // Whether `pane` is the pane of one of the panels.
    bool holds(XTWindowRef pane) const;

    int32_t addPanel(uint32_t callbackId, int32_t value) override;
    bool declaring(XTWindowRef panel) const override;
    int32_t declareControl(int32_t id, int32_t kind) override;

  private:
    int32_t send(Panel& panel, int32_t message, int32_t state, void* param);
    bool build(Panel& panel, int index);

    Host& host_;
    PanelPanes& panes_;
    int firstId_;
    bool accepting_ = false;   // plug-ins may add panels now
    Panel* declaring_ = nullptr; // the panel whose controls are being declared
    std::vector<Panel> panels_;
    std::vector<Panel> requested_; // added by plug-ins, not yet built
};

} // namespace plxhost
