#include "tests/host/ui_plugin.h"

#include <cstdio>

#include "host/host_objects.h"
#include "ui/ui.h"
#include "xt/xtcallbacks.h"
#include "xt/xtmenu.h"
#include "xt/xtpanels.h"

namespace plxtest {

namespace {

UiPluginScript gScript;
UiPluginSeen gSeen;
XTSetupRec* gSetup = nullptr;
uint32_t gPanelId = 0;
const XTMenuFuncs* gMenu = nullptr;
const XTXMenuFuncs* gXMenu = nullptr;
const XTTabControlFuncs* gTabs = nullptr;
const XTButtonControlFuncs* gButtons = nullptr;

void note(const std::string& event) {
    gSeen.events.push_back(event);
}

std::string hex(int32_t v) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(v));
    return buf;
}

void append(XTMenuRef menu, const char* text, int16_t command) {
    QXStringRef s = plxhost::newHostStringUtf8(text);
    gMenu->appendItem(menu, s, command);
    plxhost::releaseHostString(s);
}

int32_t addMenus(void* record) {
    note("6");
    auto* rec = static_cast<XTMenuRec*>(record);
    QXStringRef title = plxhost::newHostStringUtf8("Tester");
    XTMenuRef sub = nullptr;
    gXMenu->createMenu(title, &sub);
    plxhost::releaseHostString(title);
    int16_t item = 0, one = 0, two = 0;
    gMenu->newCommandNumber(&item);
    gMenu->newCommandNumber(&one);
    gMenu->newCommandNumber(&two);
    gSeen.commands = {item, one, two};
    append(sub, "One", one);
    gMenu->appendSeparator(sub);
    append(sub, "Two", two);
    XTMenuRef menu = nullptr;
    gMenu->menuFromRecord(rec->menu, &menu);
    append(menu, "Tester", item);
    gMenu->attachSubmenu(menu, item, sub);
    return 0;
}

int32_t updateMenus(void*) {
    note("7");
    if (gSeen.commands.size() == 3) gMenu->enableCommand(gSeen.commands[2], gScript.enableSecond);
    return 0;
}

int32_t contextMenu(void* record) {
    note("318");
    auto* rec = static_cast<XTMenuRec*>(record);
    gMenu->menuFromRecord(rec->menu, &gSeen.contextMenu);
    gMenu->appendSeparator(gSeen.contextMenu);
    if (gSeen.commands.size() == 3) append(gSeen.contextMenu, "Two here", gSeen.commands[2]);
    return 0;
}

int32_t menuCommand(void* record) {
    note("618 " + std::to_string(static_cast<XTMenuCommandRec*>(record)->command));
    return 0;
}

void addPanel(XTPanelContainerRef container) {
    if (!gScript.addPanel) return;
    uint32_t id = gScript.panelIdOverride ? gScript.panelIdOverride : gPanelId;
    gSeen.addPanelResult = gTabs->addPanel(container, id, gScript.panelValue);
}

int32_t appPrefs(void* record) {
    note("279");
    addPanel(static_cast<XTAppPrefsRec*>(record)->container);
    return 0;
}

int32_t outputStyles(void* record) {
    auto* rec = static_cast<XTOutputStylesRec*>(record);
    note("728 " + rec->style->name);
    addPanel(rec->container);
    return 0;
}

int32_t stylesPanelDone(void* record) {
    gSeen.stylesPanelDoneValue =
        static_cast<uint32_t>(static_cast<XTStylesPanelDoneRec*>(record)->value);
    return 0;
}

void buildPanel(XTWindowRef panel) {
    auto pane = static_cast<ui::Handle>(panel);
    ui::setRect(pane, ui::Rect{999, 999, 250, 90});
    ui::setText(pane, gScript.panelTitle);
    ui::createControl(pane, ui::Kind::Static, 1, ui::Rect{0, 0, 100, 16}, "Label");
    ui::createControl(pane, ui::Kind::CheckBox, 3, ui::Rect{0, 20, 100, 20}, "Check",
                      ui::style::TabStop);
    ui::Handle popup = ui::createControl(pane, ui::Kind::Popup, 6, ui::Rect{0, 50, 100, 20});
    ui::setItems(popup, {"a", "b"});
    gSeen.declareResults = {
        gButtons->declareControl(panel, 3, kXTControlCheckBox),
        gButtons->declareControl(panel, 1, kXTControlStaticText),
        gButtons->declareControl(panel, 6, kXTControlPopup),
        gButtons->declareControl(panel, 6, kXTControlCheckBox),     // of another kind
        gButtons->declareControl(panel, 42, kXTControlCheckBox),    // no such control
        gButtons->declareControl(panel, 3, 99),                     // no such kind
        gButtons->declareControl(panel + 1, 3, kXTControlCheckBox), // another window
    };
}

int32_t panelHandler(void* record) {
    auto* rec = static_cast<XTPanelMsgRec*>(record);
    // A worked control is noted as a hit alone.
    if (rec->message != kXTPanelNotify || rec->state != kXTPanelStateControlHit)
        note("panel " + hex(rec->message) + " " + std::to_string(rec->state));
    switch (rec->message) {
    case kXTPanelTemplateRequest:
        if (!gScript.answerTemplate) return 0;
        static_cast<XTPanelTemplate*>(rec->param)->module = &gScript;
        static_cast<XTPanelTemplate*>(rec->param)->templateId = 4711;
        rec->result = 1;
        return 0;
    case kXTPanelDeclareControls:
        if (!gScript.buildControls) return 0;
        buildPanel(rec->panel);
        rec->result = 1;
        return 0;
    case kXTPanelNotify:
        if (rec->state == kXTPanelStateControlHit)
            note("hit " + std::to_string(*static_cast<int32_t*>(rec->param)));
        rec->result = 1;
        return 0;
    case kXTPanelSave:
        gSeen.checkAtSave = ui::value(ui::findControl(static_cast<ui::Handle>(rec->panel), 3));
        rec->result = 1;
        return 0;
    default:
        rec->result = 1;
        return 0;
    }
}

int32_t reserveIds(XTReserveIdsRec* rec) {
    return rec->reserveCallbackIds(1, &gPanelId);
}

template <typename T> int32_t bind(uint32_t id, const T** handle) {
    return gSetup->bindFuncGroup(id, reinterpret_cast<const void**>(handle), 0, 0);
}

int32_t activate(XTSetupRec* setup) {
    gSetup = setup;
    if (bind(kXTGroupMenu, &gMenu) || bind(kXTGroupXMenu, &gXMenu) ||
        bind(kXTGroupTabControl, &gTabs) || bind(kXTGroupButtonControl, &gButtons))
        return kXTFailure;
    setup->registerCallback(kXTCBAddMenus, addMenus, 0, 100, 0);
    setup->registerCallback(kXTCBUpdateMenus, updateMenus, 0, 100, 0);
    setup->registerCallback(kXTCBContextMenu, contextMenu, 0, 100, 0);
    setup->registerCallback(kXTCBMenuCommand, menuCommand, 0, 100, 0);
    setup->registerCallback(kXTCBAppPrefs, appPrefs, 0, 100, 0);
    setup->registerCallback(kXTCBOutputStyles, outputStyles, 0, 100, 0);
    setup->registerCallback(kXTCBStylesPanelDone, stylesPanelDone, 0, 100, 0);
    setup->registerCallback(static_cast<int32_t>(gPanelId), panelHandler, 0, 100, 0);
    return 0;
}

int32_t entry(XTSetupRec* setup) {
    setup->checkCompatibility(kUiPluginId, 0, kXTPlatformThis, kXTInterfaceVersion, 0);
    setup->registerActivation(activate, 0, 100, 0);
    setup->registerReserveIds(reserveIds, 0, 100, 0);
    return 0;
}

} // namespace

UiPluginScript& uiPluginScript() {
    return gScript;
}
UiPluginSeen& uiPluginSeen() {
    return gSeen;
}

int32_t attachUiPlugin(plxhost::Host& host) {
    gScript = UiPluginScript{};
    gSeen = UiPluginSeen{};
    return host.attachPlugin(entry, "ui test plug-in");
}

} // namespace plxtest
