#include "host/host.h"

#include <cstring>

#include "host/groups.h"
#include "host/module_loader.h"
#include "host/native_windows.h"
#include "ui/ui.h"
#include "xt/xtcallbacks.h"

namespace plxhost {

namespace {
Host* gCurrentHost = nullptr;
} // namespace

Host::Host(HostOptions options)
    : options_(std::move(options)), setup_(makeSetupRecord()), styles_(options_.stylesFile),
      menus_(*this) {
    gCurrentHost = this;
}

Host::~Host() {
    // A host that shuts down tells its plug-ins before it unloads them.
    bool anyActive = false;
    for (const PluginRecord& p : plugins_) anyActive = anyActive || p.active;
    if (anyActive && !quitSent_) sendQuit();
    documents_.closeAll();
    ui::destroyWindow(mainWindow_);
    closeNativeMainWindow(nativeMainWindow_);
    for (PluginRecord& p : plugins_)
        unloadModule(p.module);
    if (gCurrentHost == this) gCurrentHost = nullptr;
}

bool Host::usesNativeWindows() const {
    return options_.nativeWindows && haveNativeWindows();
}

XTWindowRef Host::mainWindowRef() const {
    return usesNativeWindows() ? nativeMainWindow_ : mainWindow_;
}

ui::Handle Host::openMainWindow() {
    if (usesNativeWindows()) {
        if (!nativeMainWindow_) {
            nativeMainWindow_ = openNativeMainWindow(*this);
            if (menus_.built()) showNativeMenuBar(*this, menus_.mainMenu());
        }
        return ui::kNoWindow;
    }
    if (ui::isWindow(mainWindow_)) return mainWindow_;
    ui::CreateParams p;
    p.text = "Plexhost";
    ui::Size screen = ui::screenSize();
    p.rect = ui::Rect{0, 0, screen.w, screen.h};
    mainWindow_ = ui::createWindow(p);
    ui::setActiveWindow(mainWindow_);
    return mainWindow_;
}

Host* Host::current() { return gCurrentHost; }

bool Host::isPluginIdentifier(uint32_t id) const {
    for (const PluginRecord& p : plugins_)
        if (p.id == id && p.id != 0 && p.entryResult == 0) return true;
    return false;
}

int32_t Host::loadPlugin(const std::string& modulePath, std::string* error) {
    void* module = loadModule(modulePath, error);
    if (!module) return -1;
    auto entry =
        reinterpret_cast<XTActivateCallbackProc>(moduleSymbol(module, "XTActivateCallback"));
    if (!entry) {
        if (error) *error = modulePath + ": the module exports no XTActivateCallback";
        unloadModule(module);
        return -1;
    }
    plugins_.push_back(PluginRecord{});
    plugins_.back().path = modulePath;
    plugins_.back().module = module;
    return activate(plugins_.back(), entry);
}

int32_t Host::attachPlugin(XTActivateCallbackProc entry, const std::string& name) {
    plugins_.push_back(PluginRecord{});
    plugins_.back().path = name;
    return activate(plugins_.back(), entry);
}

int32_t Host::activate(PluginRecord& record, XTActivateCallbackProc entry) {
    loading_ = &record;
    record.entryResult = entry(&setup_);
    loading_ = nullptr;
    if (record.entryResult != 0) return record.entryResult;
    if (record.reserveIds) {
        XTReserveIdsRec rec{sizeof(XTReserveIdsRec), [](int32_t count, uint32_t* firstId) -> int32_t {
                                if (count < 1 || !firstId) return kXTParamErr;
                                *firstId = Host::current()->callbacks().reserveIds(count);
                                return 0;
                            }};
        record.reserveIds(&rec);
    }
    if (!record.activate) return kXTFailure;
    record.activationResult = record.activate(&setup_);
    record.active = record.activationResult == 0;
    return record.activationResult;
}

int Host::sendCallback(int32_t code, void* record) {
    auto* header = static_cast<XTCBHeader*>(record);
    header->cbCode = code;
    header->reserved = 0;
    return callbacks_.call(code, record);
}

void Host::sendLanguage(uint16_t languageCode) {
    XTLanguageRec rec{};
    rec.language = languageCode;
    sendCallback(kXTCBLanguage, &rec);
}

void Host::sendSettingsCheck() {
    XTBasicCBRec rec{};
    sendCallback(kXTCBSettingsCheck, &rec);
}

void Host::sendQuit() {
    quitSent_ = true;
    XTBasicCBRec rec{};
    sendCallback(kXTCBQuit, &rec);
}

void Host::reportError(int16_t code, const std::string& text) {
    errors_.push_back(HostError{code, text.empty() ? hostErrorText(code) : text});
}

uint8_t Host::pdfSetting(int32_t which) const {
    return which >= 0 && which < 4 ? pdfSettings_[which] : 0;
}

bool Host::setPdfSetting(int32_t which, uint8_t value) {
    if (which < 0 || which >= 4) return false;
    pdfSettings_[which] = value;
    return true;
}

std::string hostErrorText(int16_t code) {
    switch (code) {
    case kXTParamErr: return "Error -50: an invalid value was given.";
    case kXTFileNotFoundErr: return "Error -43: the file was not found.";
    case kXTIOErr: return "Error -36: the file could not be read or written.";
    case kXTMemFullErr: return "Error -108: there is not enough memory.";
    case static_cast<int16_t>(kXTNotFoundErr): return "Error -1728: the item was not found.";
    default: return "Error " + std::to_string(code) + ".";
    }
}

} // namespace plxhost
