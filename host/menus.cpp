#include "host/menus.h"

#include <algorithm>

#include "host/host.h"
#include "host/native_windows.h"
#include "host/preferences_window.h"
#include "host/style_editor.h"
#include "xt/xtcallbacks.h"

namespace plxhost {

namespace {

void appendItem(XTMenu_* menu, const std::string& text, int16_t command) {
    MenuItem item;
    item.text = text;
    item.command = command;
    menu->items.push_back(item);
}

} // namespace

Menus::Menus(Host& host) : host_(host) {}

Menus::~Menus() = default;

XTMenu_* Menus::mainMenu() {
    if (!main_) build();
    return main_;
}

void Menus::build() {
    main_ = createMenu("Plexhost");
    XTMenu_* edit = createMenu("Edit");
    XTMenu_* utilities = createMenu("Utilities");
    appendItem(edit, "Output Styles\xE2\x80\xA6", kCmdOutputStyles);
    appendItem(edit, "Preferences\xE2\x80\xA6", kCmdPreferences);
    // The main menu's own items open its menus; they carry numbers so that
    // the menus hang from them like any submenu.
    int16_t number = 0;
    for (XTMenu_* menu : {edit, utilities}) {
        newCommandNumber(&number);
        appendItem(main_, menu->title, number);
        main_->items.back().submenu = menu;
        menu->parent = main_;
    }
    // Plug-ins add their menus once the host's own are in place.
    XTMenuRec rec{};
    rec.menu = utilities;
    host_.sendCallback(kXTCBAddMenus, &rec);
    if (host_.usesNativeWindows()) showNativeMenuBar(host_, main_);
}

XTMenu_* Menus::menuTitled(const std::string& title) {
    for (const MenuItem& item : mainMenu()->items)
        if (item.submenu && item.submenu->title == title) return item.submenu;
    return nullptr;
}

void Menus::update() {
    mainMenu();
    setEnabled(kCmdDeselect, host_.documents().currentBox() != nullptr);
    XTBasicCBRec rec{};
    host_.sendCallback(kXTCBUpdateMenus, &rec);
}

bool Menus::choose(int16_t command) {
    update();
    MenuItem* item = findCommand(mainMenu(), command);
    if (!item && context_) item = findCommand(context_, command);
    // An item that opens a submenu is no command of its own.
    if (!item || !item->enabled || item->submenu) return false;
    return carryOut(command);
}

bool Menus::carryOut(int16_t command) {
    switch (command) {
    case kCmdOutputStyles:
        runOutputStylesWindow(host_);
        return true;
    case kCmdPreferences:
        runPreferencesWindow(host_);
        return true;
    case kCmdDeselect: {
        Layout* front = host_.documents().front();
        if (front) host_.documents().selectBox(front->docRef, 0);
        return true;
    }
    default:
        break;
    }
    XTMenuCommandRec rec{};
    rec.command = command;
    host_.sendCallback(kXTCBMenuCommand, &rec);
    // Whatever the command output is on disk before it counts as done.
    host_.printEngine().endRun();
    return true;
}

XTMenu_* Menus::contextMenu() {
    mainMenu();
    if (context_) release(context_);
    context_ = nullptr;
    if (!host_.documents().front()) return nullptr;
    context_ = createMenu("Layout");
    appendItem(context_, "Deselect", kCmdDeselect);
    XTMenuRec rec{};
    rec.menu = context_;
    host_.sendCallback(kXTCBContextMenu, &rec);
    update();
    return context_;
}

MenuItem* Menus::findCommand(XTMenu_* menu, int16_t command) {
    if (!menu || command == 0) return nullptr;
    for (MenuItem& item : menu->items) {
        if (item.command == command) return &item;
        if (MenuItem* inner = findCommand(item.submenu, command)) return inner;
    }
    return nullptr;
}

int32_t Menus::newCommandNumber(int16_t* command) {
    if (!command) return kXTParamErr;
    if (nextCommand_ == INT16_MAX) return kXTMemFullErr;
    *command = nextCommand_++;
    return 0;
}

XTMenu_* Menus::createMenu(const std::string& title) {
    menus_.push_back(std::make_unique<XTMenu_>());
    menus_.back()->title = title;
    return menus_.back().get();
}

bool Menus::isMenu(const XTMenu_* menu) const {
    if (!menu) return false;
    return std::any_of(menus_.begin(), menus_.end(),
                       [menu](const std::unique_ptr<XTMenu_>& m) { return m.get() == menu; });
}

bool Menus::setEnabled(int16_t command, bool enabled) {
    bool found = false;
    for (const std::unique_ptr<XTMenu_>& menu : menus_)
        for (MenuItem& item : menu->items)
            if (item.command == command && command != 0) {
                item.enabled = enabled;
                found = true;
            }
    return found;
}

void Menus::release(XTMenu_* menu) {
    std::vector<XTMenu_*> doomed{menu};
    for (size_t i = 0; i < doomed.size(); ++i)
        for (const MenuItem& item : doomed[i]->items)
            if (item.submenu) doomed.push_back(item.submenu);
    menus_.erase(std::remove_if(menus_.begin(), menus_.end(),
                                [&doomed](const std::unique_ptr<XTMenu_>& m) {
                                    return std::find(doomed.begin(), doomed.end(), m.get()) !=
                                           doomed.end();
                                }),
                 menus_.end());
}

std::string describeMenu(const XTMenu_* menu, int indent) {
    std::string out;
    if (!menu) return out;
    std::string pad(static_cast<size_t>(indent) * 2, ' ');
    for (const MenuItem& item : menu->items) {
        if (item.separator()) {
            out += pad + "----\n";
            continue;
        }
        out += pad + item.text + (item.enabled ? "" : " (disabled)") + "\n";
        out += describeMenu(item.submenu, indent + 1);
    }
    return out;
}

} // namespace plxhost
