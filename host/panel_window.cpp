#include "host/panel_window.h"

#include <algorithm>

#include "host/host.h"
#include "ui/ui.h"

namespace plxhost {

namespace {

constexpr int kMargin = 10;
constexpr int kTabsHeight = 24;
constexpr int kPageTop = kMargin + kTabsHeight + kMargin;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 24;
constexpr int kMinimumWidth = 320;

bool kindMatches(ui::Kind kind, int32_t declared) {
    switch (declared) {
    case kXTControlStaticText:
        return kind == ui::Kind::Static;
    case kXTControlPushButton:
        return kind == ui::Kind::PushButton;
    case kXTControlCheckBox:
        return kind == ui::Kind::CheckBox;
    case kXTControlRadioButton:
        return kind == ui::Kind::RadioButton;
    case kXTControlEditText:
        return kind == ui::Kind::Edit;
    case kXTControlPopup:
        return kind == ui::Kind::Popup || kind == ui::Kind::ComboBox;
    default:
        return false;
    }
}

// The notification that tells a control has a new value; opening a list
// or confirming the choice just made are no news to a panel.
bool settles(ui::Notify notify) {
    return notify == ui::Notify::Clicked || notify == ui::Notify::TextChanged ||
           notify == ui::Notify::SelectionChanged;
}

bool knownKind(int32_t declared) {
    return declared >= kXTControlStaticText && declared <= kXTControlPopup;
}

} // namespace

PanelWindow::PanelWindow(Host& host, const std::string& title, const std::string& hostTab,
                         const std::string& okTitle)
    : host_(host) {

    ui::CreateParams p;
    p.text = title;
    p.owner = host.mainWindow();
    p.rect = ui::Rect{0, 0, kMinimumWidth, 200};
    window_ = ui::createWindow(p);
    ui::setWindowProc(window_, windowProc, this);
    // The buttons come first, so that their titles name them and not the
    // like-titled buttons a plug-in's panel may carry.
    ok_ = ui::createControl(window_, ui::Kind::PushButton, kOkId, ui::Rect{}, okTitle,
                            ui::style::DefaultButton | ui::style::TabStop);
    cancel_ = ui::createControl(window_, ui::Kind::PushButton, kCancelId, ui::Rect{}, "Cancel",
                                ui::style::TabStop);
    tabs_ = ui::createControl(window_, ui::Kind::TabControl, kTabsId, ui::Rect{}, std::string(),
                              ui::style::TabStop);
    PanelPage own;
    own.title = hostTab;
    own.pane = ui::createControl(window_, ui::Kind::Pane, kHostPageId,
                                 ui::Rect{kMargin, kPageTop, 300, 100});
    pages_.push_back(own);
    layout();
}

PanelWindow::~PanelWindow() {
    native_.reset();
    ui::destroyWindow(window_);
}

void PanelWindow::setHostPageSize(int width, int height) {
    ui::setRect(hostPage(), ui::Rect{kMargin, kPageTop, width, height});
    layout();
}

void PanelWindow::collectPanels(const std::function<void()>& ask) {
    accepting_ = true;
    ask();
    accepting_ = false;
    std::vector<PanelPage> requested;
    requested.swap(requested_);
    for (PanelPage& page : requested) {
        pages_.push_back(page);
        if (!buildPanel(pages_.size() - 1)) pages_.pop_back();
    }
    int first = 0;
    native_ = takeNativePanels(window_);
    if (native_) {
        // A native panel's page holds its room only; its view is shown
        // beside the window.
        for (size_t n = 0; n < native_->pages().size(); ++n) {
            const NativePanels::Page& shown = native_->pages()[n];
            PanelPage page;
            page.title = shown.title;
            page.native = static_cast<int>(n);
            page.pane = ui::createControl(window_, ui::Kind::Pane,
                                          kFirstPanelId + static_cast<int>(pages_.size()) - 1,
                                          ui::Rect{kMargin, kPageTop, shown.width, shown.height});
            ui::setVisible(page.pane, false);
            if (shown.showFirst && first == 0) first = static_cast<int>(pages_.size());
            pages_.push_back(page);
        }
    }
    layout();
    for (size_t i = 1; i < pages_.size(); ++i) {
        if (pages_[i].native < 0 && pages_[i].value == kXTPanelShowFirst) {
            first = static_cast<int>(i);
            break;
        }
    }
    for (size_t i = 1; i < pages_.size(); ++i)
        send(pages_[i], kXTPanelNotify, kXTPanelStateOpening, nullptr);
    for (size_t i = 1; i < pages_.size(); ++i)
        send(pages_[i], kXTPanelInit, 0, nullptr);
    showPage(first);
}

bool PanelWindow::buildPanel(size_t index) {
    PanelPage& page = pages_[index];
    page.pane =
        ui::createControl(window_, ui::Kind::Pane, kFirstPanelId + static_cast<int>(index) - 1,
                          ui::Rect{kMargin, kPageTop, 0, 0});
    ui::setVisible(page.pane, false);
    bool built =
        send(page, kXTPanelTemplateRequest, 0, &page.answer) == 1 && page.answer.templateId != 0;
    if (built) {
        declaring_ = static_cast<int>(index);
        built = send(page, kXTPanelDeclareControls, 1, &page.answer) == 1;
        declaring_ = -1;
    }
    // A handler may have done anything with the window it was given.
    built = built && ui::isWindow(page.pane) && ui::parent(page.pane) == window_;
    if (!built) {
        ui::destroyWindow(page.pane);
        return false;
    }
    page.title = ui::text(page.pane);
    if (page.title.empty()) page.title = "Plug-in";
    ui::Rect r = ui::rect(page.pane);
    ui::setRect(page.pane, ui::Rect{kMargin, kPageTop, r.w, r.h});
    return true;
}

int32_t PanelWindow::send(PanelPage& page, int32_t message, int32_t state, void* param) {
    // Native panels hear from their platform's objects, not through
    // panel messages.
    if (page.native >= 0) return 0;
    XTPanelMsgRec rec{};
    rec.message = message;
    rec.state = state;
    rec.param = param;
    rec.panel = page.pane;
    rec.result = 0;
    host_.sendCallback(static_cast<int32_t>(page.callbackId), &rec);
    return rec.result;
}

void PanelWindow::layout() {
    int width = 0;
    int height = 0;
    for (const PanelPage& page : pages_) {
        ui::Rect r = ui::rect(page.pane);
        width = std::max(width, r.w);
        height = std::max(height, r.h);
    }
    int windowWidth = std::max(kMinimumWidth, width + 2 * kMargin);
    int buttonsTop = kPageTop + height + kMargin;
    ui::setRect(tabs_, ui::Rect{kMargin, kMargin, windowWidth - 2 * kMargin, kTabsHeight});
    ui::setRect(ok_, ui::Rect{windowWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth,
                              kButtonHeight});
    ui::setRect(cancel_, ui::Rect{windowWidth - 2 * (kMargin + kButtonWidth), buttonsTop,
                                  kButtonWidth, kButtonHeight});
    std::vector<std::string> titles;
    for (const PanelPage& page : pages_)
        titles.push_back(page.title);
    int selected = ui::selection(tabs_);
    ui::setItems(tabs_, titles);
    ui::setSelection(tabs_, selected < 0 ? 0 : selected);
    ui::Size screen = ui::screenSize();
    int windowHeight = buttonsTop + kButtonHeight + kMargin;
    ui::setRect(window_, ui::Rect{(screen.w - windowWidth) / 2, (screen.h - windowHeight) / 4,
                                  windowWidth, windowHeight});
}

void PanelWindow::showPage(int index) {
    if (index < 0 || static_cast<size_t>(index) >= pages_.size()) index = 0;
    ui::setSelection(tabs_, index);
    for (size_t i = 0; i < pages_.size(); ++i)
        ui::setVisible(pages_[i].pane, static_cast<int>(i) == index);
    if (native_) native_->show(pages_[static_cast<size_t>(index)].native);
}

int PanelWindow::selectedPage() const {
    return ui::selection(tabs_);
}

int PanelWindow::run() {
    ui::Handle main = host_.mainWindow();
    bool mainWasEnabled = main && ui::setEnabled(main, false);
    int result = ui::runModal(window_);
    if (main) ui::setEnabled(main, mainWasEnabled);
    return result == 1 ? 1 : 2;
}

void PanelWindow::savePanels() {
    for (size_t i = 1; i < pages_.size(); ++i)
        send(pages_[i], kXTPanelSave, 0, nullptr);
    if (native_) native_->save();
}

PanelPage* PanelWindow::pageOf(ui::Handle control) {
    for (size_t i = 1; i < pages_.size(); ++i)
        for (ui::Handle h = control; h; h = ui::parent(h))
            if (h == pages_[i].pane) return &pages_[i];
    return nullptr;
}

void PanelWindow::controlWorked(PanelPage& page, ui::Handle control, ui::Notify notify) {
    if (!settles(notify)) return;
    int32_t id = ui::id(control);
    for (const DeclaredControl& d : page.declared) {
        if (d.id != id) continue;
        send(page, kXTPanelNotify, kXTPanelStateControlHit, &id);
        return;
    }
}

std::intptr_t PanelWindow::windowProc(ui::Handle self, const ui::Message& msg, void* user) {
    auto* w = static_cast<PanelWindow*>(user);
    if (msg.msg == ui::Msg::Key) {
        auto key = static_cast<ui::Key>(msg.value);
        if (key == ui::Key::Return || key == ui::Key::Escape) {
            ui::Handle button = key == ui::Key::Return ? w->ok_ : w->cancel_;
            if (ui::isUsable(button))
                ui::endModal(self, key == ui::Key::Return ? 1 : 2);
            else
                ui::beep();
            return 1;
        }
    }
    if (msg.msg == ui::Msg::Command && msg.source) {
        if (msg.source == w->ok_ || msg.source == w->cancel_) {
            if (msg.notify == ui::Notify::Clicked) ui::endModal(self, msg.source == w->ok_ ? 1 : 2);
            return 1;
        }
        if (msg.source == w->tabs_) {
            if (msg.notify == ui::Notify::SelectionChanged) w->showPage(ui::selection(w->tabs_));
            return 1;
        }
        if (PanelPage* page = w->pageOf(msg.source)) {
            w->controlWorked(*page, msg.source, msg.notify);
            return 1;
        }
    }
    return ui::defaultProc(self, msg);
}

int32_t PanelWindow::addPanel(uint32_t callbackId, int32_t value) {
    if (!accepting_ || !host_.callbacks().has(static_cast<int32_t>(callbackId))) return kXTParamErr;
    PanelPage page;
    page.callbackId = callbackId;
    page.value = value;
    requested_.push_back(page);
    return 0;
}

bool PanelWindow::declaring(XTWindowRef panel) const {
    return declaring_ >= 0 && panel == pages_[static_cast<size_t>(declaring_)].pane;
}

int32_t PanelWindow::declareControl(int32_t id, int32_t kind) {
    if (declaring_ < 0) return kXTParamErr;
    PanelPage& page = pages_[static_cast<size_t>(declaring_)];
    if (!knownKind(kind)) return kXTParamErr;
    ui::Handle control = ui::findControl(page.pane, id);
    if (!control) return kXTNotFoundErr;
    if (!kindMatches(ui::kind(control), kind)) return kXTParamErr;
    for (DeclaredControl& d : page.declared) {
        if (d.id == id) {
            d.kind = kind;
            return 0;
        }
    }
    page.declared.push_back(DeclaredControl{id, kind});
    return 0;
}

} // namespace plxhost
