#include "host/panel_session.h"

#include "host/host.h"

namespace plxhost {

namespace {

bool knownKind(int32_t kind) {
    return kind >= kXTControlStaticText && kind <= kXTControlPopup;
}

} // namespace

PanelSession::PanelSession(Host& host, PanelPanes& panes, int firstId)
    : host_(host), panes_(panes), firstId_(firstId) {}

void PanelSession::collect(const std::function<void()>& ask) {
    accepting_ = true;
    ask();
    accepting_ = false;
    std::vector<Panel> requested;
    requested.swap(requested_);
    for (Panel& panel : requested) {
        // Built in place, so that the panel declaring its controls is the
        // one the window keeps.
        panels_.push_back(panel);
        if (!build(panels_.back(), static_cast<int>(panels_.size()) - 1)) panels_.pop_back();
    }
}

bool PanelSession::build(Panel& panel, int index) {
    panel.pane = panes_.makePane(firstId_ + index);
    if (!panel.pane) return false;
    bool built =
        send(panel, kXTPanelTemplateRequest, 0, &panel.answer) == 1 && panel.answer.templateId != 0;
    if (built) {
        declaring_ = &panel;
        built = send(panel, kXTPanelDeclareControls, 1, &panel.answer) == 1;
        declaring_ = nullptr;
    }
    built = built && panes_.paneIntact(panel.pane);
    if (!built) {
        panes_.destroyPane(panel.pane);
        return false;
    }
    panel.title = panes_.paneTitle(panel.pane);
    if (panel.title.empty()) panel.title = "Plug-in";
    panes_.placePane(panel.pane);
    return true;
}

void PanelSession::open() {
    for (Panel& panel : panels_)
        send(panel, kXTPanelNotify, kXTPanelStateOpening, nullptr);
    for (Panel& panel : panels_)
        send(panel, kXTPanelInit, 0, nullptr);
}

void PanelSession::save() {
    for (Panel& panel : panels_)
        send(panel, kXTPanelSave, 0, nullptr);
}

void PanelSession::controlWorked(XTWindowRef pane, int32_t id) {
    for (Panel& panel : panels_) {
        if (panel.pane != pane) continue;
        for (const DeclaredControl& d : panel.declared) {
            if (d.id != id) continue;
            send(panel, kXTPanelNotify, kXTPanelStateControlHit, &id);
            return;
        }
        return;
    }
}

int PanelSession::shownFirst() const {
    for (size_t i = 0; i < panels_.size(); ++i)
        if (panels_[i].value == kXTPanelShowFirst) return static_cast<int>(i);
    return -1;
}

bool PanelSession::holds(XTWindowRef pane) const {
    for (const Panel& panel : panels_)
        if (panel.pane == pane) return true;
    return false;
}

int32_t PanelSession::send(Panel& panel, int32_t message, int32_t state, void* param) {
    XTPanelMsgRec rec{};
    rec.message = message;
    rec.state = state;
    rec.param = param;
    rec.panel = panel.pane;
    rec.result = 0;
    host_.sendCallback(static_cast<int32_t>(panel.callbackId), &rec);
    return rec.result;
}

int32_t PanelSession::addPanel(uint32_t callbackId, int32_t value) {
    if (!accepting_ || !host_.callbacks().has(static_cast<int32_t>(callbackId))) return kXTParamErr;
    Panel panel;
    panel.callbackId = callbackId;
    panel.value = value;
    requested_.push_back(panel);
    return 0;
}

bool PanelSession::declaring(XTWindowRef panel) const {
    return declaring_ && panel == declaring_->pane;
}

int32_t PanelSession::declareControl(int32_t id, int32_t kind) {
    if (!declaring_ || !knownKind(kind)) return kXTParamErr;
    if (int32_t found = panes_.findDeclared(declaring_->pane, id, kind)) return found;
    for (DeclaredControl& d : declaring_->declared) {
        if (d.id == id) {
            d.kind = kind;
            return 0;
        }
    }
    declaring_->declared.push_back(DeclaredControl{id, kind});
    return 0;
}

} // namespace plxhost
