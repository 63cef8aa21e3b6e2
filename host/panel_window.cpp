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

} // namespace

PanelWindow::PanelWindow(Host& host, const std::string& title, const std::string& hostTab,
                         const std::string& okTitle)
    : HostPanelWindow(host) {

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
    tabControl_ = ui::createControl(window_, ui::Kind::TabControl, kTabsId, ui::Rect{},
                                    std::string(), ui::style::TabStop);
    Tab own;
    own.title = hostTab;
    own.pane = ui::createControl(window_, ui::Kind::Pane, kHostPageId,
                                 ui::Rect{kMargin, kPageTop, 300, 100});
    tabs_.push_back(own);
    layout();
}

PanelWindow::~PanelWindow() {
    native_.reset();
    ui::destroyWindow(window_);
}

void PanelWindow::addHostText(int id, const std::string& text, int top) {
    ui::createControl(hostPage(), ui::Kind::Static, id, ui::Rect{0, top, 300, 16}, text);
}

void PanelWindow::addHostCheckBox(int id, const std::string& title, int top, bool checked) {
    ui::Handle box = ui::createControl(hostPage(), ui::Kind::CheckBox, id,
                                       ui::Rect{0, top, 300, 20}, title, ui::style::TabStop);
    ui::setValue(box, checked ? 1 : 0);
}

bool PanelWindow::hostCheckBox(int id) const {
    return ui::value(ui::findControl(hostPage(), id)) != 0;
}

void PanelWindow::setHostPageSize(int width, int height) {
    ui::setRect(hostPage(), ui::Rect{kMargin, kPageTop, width, height});
    layout();
}

void PanelWindow::collectPanels(const std::function<void()>& ask) {
    session_.collect(ask);
    for (const PanelSession::Panel& panel : session_.panels())
        tabs_.push_back(Tab{panel.title, static_cast<ui::Handle>(panel.pane), -1});
    int first = 0;
    native_ = takeNativePanels(window_);
    if (native_) {
        // A native panel's page holds its room only; its view is shown
        // beside the window.
        for (size_t n = 0; n < native_->pages().size(); ++n) {
            const NativePanels::Page& shown = native_->pages()[n];
            Tab tab;
            tab.title = shown.title;
            tab.native = static_cast<int>(n);
            tab.pane = ui::createControl(window_, ui::Kind::Pane,
                                         kFirstPanelId + static_cast<int>(tabs_.size()) - 1,
                                         ui::Rect{kMargin, kPageTop, shown.width, shown.height});
            ui::setVisible(tab.pane, false);
            if (shown.showFirst && first == 0) first = static_cast<int>(tabs_.size());
            tabs_.push_back(tab);
        }
    }
    layout();
    if (session_.shownFirst() >= 0) first = 1 + session_.shownFirst();
    session_.open();
    showPage(first);
}

XTWindowRef PanelWindow::makePane(int id) {
    ui::Handle pane =
        ui::createControl(window_, ui::Kind::Pane, id, ui::Rect{kMargin, kPageTop, 0, 0});
    ui::setVisible(pane, false);
    return pane;
}

bool PanelWindow::paneIntact(XTWindowRef pane) {
    auto handle = static_cast<ui::Handle>(pane);
    return ui::isWindow(handle) && ui::parent(handle) == window_;
}

void PanelWindow::destroyPane(XTWindowRef pane) {
    ui::destroyWindow(static_cast<ui::Handle>(pane));
}

std::string PanelWindow::paneTitle(XTWindowRef pane) {
    return ui::text(static_cast<ui::Handle>(pane));
}

void PanelWindow::placePane(XTWindowRef pane) {
    auto handle = static_cast<ui::Handle>(pane);
    ui::Rect r = ui::rect(handle);
    ui::setRect(handle, ui::Rect{kMargin, kPageTop, r.w, r.h});
}

int32_t PanelWindow::findDeclared(XTWindowRef pane, int32_t id, int32_t kind) {
    ui::Handle control = ui::findControl(static_cast<ui::Handle>(pane), id);
    if (!control) return kXTNotFoundErr;
    return kindMatches(ui::kind(control), kind) ? 0 : kXTParamErr;
}

void PanelWindow::layout() {
    int width = 0;
    int height = 0;
    for (const Tab& tab : tabs_) {
        ui::Rect r = ui::rect(tab.pane);
        width = std::max(width, r.w);
        height = std::max(height, r.h);
    }
    int windowWidth = std::max(kMinimumWidth, width + 2 * kMargin);
    int buttonsTop = kPageTop + height + kMargin;
    ui::setRect(tabControl_, ui::Rect{kMargin, kMargin, windowWidth - 2 * kMargin, kTabsHeight});
    ui::setRect(ok_, ui::Rect{windowWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth,
                              kButtonHeight});
    ui::setRect(cancel_, ui::Rect{windowWidth - 2 * (kMargin + kButtonWidth), buttonsTop,
                                  kButtonWidth, kButtonHeight});
    std::vector<std::string> titles;
    for (const Tab& tab : tabs_)
        titles.push_back(tab.title);
    int selected = ui::selection(tabControl_);
    ui::setItems(tabControl_, titles);
    ui::setSelection(tabControl_, selected < 0 ? 0 : selected);
    ui::Size screen = ui::screenSize();
    int windowHeight = buttonsTop + kButtonHeight + kMargin;
    ui::setRect(window_, ui::Rect{(screen.w - windowWidth) / 2, (screen.h - windowHeight) / 4,
                                  windowWidth, windowHeight});
}

void PanelWindow::showPage(int index) {
    if (index < 0 || static_cast<size_t>(index) >= tabs_.size()) index = 0;
    ui::setSelection(tabControl_, index);
    for (size_t i = 0; i < tabs_.size(); ++i)
        ui::setVisible(tabs_[i].pane, static_cast<int>(i) == index);
    if (native_) native_->show(tabs_[static_cast<size_t>(index)].native);
}

int PanelWindow::selectedPage() const {
    return ui::selection(tabControl_);
}

int PanelWindow::run() {
    ui::Handle main = host_.mainWindow();
    bool mainWasEnabled = main && ui::setEnabled(main, false);
    int result = ui::runModal(window_);
    if (main) ui::setEnabled(main, mainWasEnabled);
    return result == 1 ? 1 : 2;
}

void PanelWindow::savePanels() {
    session_.save();
    if (native_) native_->save();
}

bool PanelWindow::onPanel(ui::Handle control, ui::Handle* pane) const {
    for (size_t i = 1; i < tabs_.size(); ++i) {
        for (ui::Handle h = control; h; h = ui::parent(h)) {
            if (h != tabs_[i].pane) continue;
            *pane = h;
            return true;
        }
    }
    return false;
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
        if (msg.source == w->tabControl_) {
            if (msg.notify == ui::Notify::SelectionChanged)
                w->showPage(ui::selection(w->tabControl_));
            return 1;
        }
        ui::Handle pane = ui::kNoWindow;
        if (w->onPanel(msg.source, &pane)) {
            if (settles(msg.notify)) w->session_.controlWorked(pane, ui::id(msg.source));
            return 1;
        }
    }
    return ui::defaultProc(self, msg);
}

} // namespace plxhost
