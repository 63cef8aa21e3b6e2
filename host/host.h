// The stand-in host application: it loads plug-ins through the set-up
// record, serves their function groups, keeps their callbacks, owns the
// open documents and reports errors to the user.
//
// One Host exists at a time in a process (the function groups reach it
// through Host::current()). Everything runs on the calling thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/callback_registry.h"
#include "host/documents.h"
#include "host/menus.h"
#include "host/output_styles.h"
#include "host/print_engine.h"
#include "ui/types.h"
#include "xt/xtsetup.h"

namespace plxhost {

struct HostOptions {
    bool refuseCompatibility = false; // the entry check answers "no"
    bool failInterfaceCheck = false;  // the binding layer's version check fails
    std::string refuseGroup;          // a group that cannot be bound, by name ("xtbox", …)
    bool pdfModule = true;            // the PDF module is installed
    std::string stylesFile;           // the output-styles file; empty: StyleStore::defaultPath()
    bool nativeWindows = false;       // the platform's own windows, where the build has them
                                      // (host/native_windows.h)
};

// An error the host showed the user.
struct HostError {
    int16_t code;
    std::string text;
};

struct PluginRecord {
    std::string path;           // module file, or "(linked)" for one linked in
    uint32_t id = 0;            // identifier given in the compatibility check
    void* module = nullptr;     // dlopen handle
    XTActivateProc activate = nullptr;
    XTReserveIdsProc reserveIds = nullptr;
    int32_t entryResult = 0;
    int32_t activationResult = 0;
    bool active = false;
};

class Host {
  public:
    explicit Host(HostOptions options = {});
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host of this process, or null.
    static Host* current();
    const HostOptions& options() const { return options_; }

    // Loads a plug-in module, calls its XTActivateCallback and, when that
    // accepts, its identifier reservation and activation routines. Returns
    // the first non-zero result (entry, then activation), 0 when active;
    // -1 with *error set when the module cannot be loaded.
    int32_t loadPlugin(const std::string& modulePath, std::string* error);
    // The same for a plug-in linked into this program.
    int32_t attachPlugin(XTActivateCallbackProc entry, const std::string& name = "(linked)");
    const std::vector<PluginRecord>& plugins() const { return plugins_; }

    // The set-up record entries plug-ins called, by name, in order.
    const std::vector<std::string>& setupCalls() const { return setupCalls_; }
    void noteSetupCall(const char* name) { setupCalls_.push_back(name); }
    // Every group bound so far, by identifier, in order.
    const std::vector<uint32_t>& boundGroups() const { return boundGroups_; }
    void noteBoundGroup(uint32_t id) { boundGroups_.push_back(id); }
    // The plug-in dialogs a plug-in told the host of (request 228), in order.
    const std::vector<XTWindowRef>& pluginDialogs() const { return pluginDialogs_; }
    void notePluginDialog(XTWindowRef window) { pluginDialogs_.push_back(window); }

    CallbackRegistry& callbacks() { return callbacks_; }
    // Calls the callbacks of a code; returns how many were called. The
    // record's header is filled in here.
    int sendCallback(int32_t code, void* record);
    void sendLanguage(uint16_t languageCode);
    void sendSettingsCheck();
    void sendQuit();

    Documents& documents() { return documents_; }
    StyleStore& styles() { return styles_; }
    PrintEngine& printEngine() { return print_; }
    Menus& menus() { return menus_; }

    // The host's main window: opened on request (a host that runs without
    // one leaves plug-in dialogs ownerless), closed with the host. The
    // screen group hands it to plug-ins; 0 while there is none.
    ui::Handle openMainWindow();
    ui::Handle mainWindow() const { return mainWindow_; }
    // Whether the host shows the platform's own windows (native_windows.h).
    bool usesNativeWindows() const;
    // The main window as plug-ins see it: the native one when the host
    // shows native windows, else the headless one; 0 while there is none.
    XTWindowRef mainWindowRef() const;
    // Whether a plug-in the host accepted gave this identifier.
    bool isPluginIdentifier(uint32_t id) const;

    // Shows an error to the user (recorded; the command line prints it).
    void reportError(int16_t code, const std::string& text = std::string());
    const std::vector<HostError>& errors() const { return errors_; }
    void clearErrors() { errors_.clear(); }

    // The PDF module's settings (setting 0 is the one plug-ins toggle).
    uint8_t pdfSetting(int32_t which) const;
    bool setPdfSetting(int32_t which, uint8_t value);

    XTSetupRec* setupRecord() { return &setup_; }

    // Set while a plug-in's entry function runs: where its activation and
    // reservation routines are recorded.
    PluginRecord* loading() { return loading_; }

  private:
    int32_t activate(PluginRecord& record, XTActivateCallbackProc entry);

    HostOptions options_;
    XTSetupRec setup_;
    std::vector<PluginRecord> plugins_;
    PluginRecord* loading_ = nullptr;
    bool quitSent_ = false;
    std::vector<std::string> setupCalls_;
    std::vector<uint32_t> boundGroups_;
    std::vector<XTWindowRef> pluginDialogs_;
    CallbackRegistry callbacks_;
    Documents documents_;
    StyleStore styles_;
    PrintEngine print_;
    Menus menus_;
    ui::Handle mainWindow_ = 0;
    XTWindowRef nativeMainWindow_ = 0;
    std::vector<HostError> errors_;
    uint8_t pdfSettings_[4] = {1, 0, 0, 0};
};

// The text the host shows for an error code.
std::string hostErrorText(int16_t code);

} // namespace plxhost
