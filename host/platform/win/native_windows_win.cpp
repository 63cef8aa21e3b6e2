// The host's preferences window and output-style editor on Win32: the same
// pages, controls and ids as their headless forms (preferences_window.cpp,
// style_editor.cpp), in a Win32PanelWindow.
#include "host/native_windows.h"

#include "host/host.h"
#include "host/platform/win/win32_panel_window.h"
#include "host/preferences_window.h"
#include "host/style_editor.h"
#include "xt/xtcallbacks.h"

namespace plxhost {

namespace {

bool sPreferencesOpen = false;
bool sEditing = false;

const char* mediumName(uint32_t medium) {
    if (medium == kXTMediumEPS) return "EPS";
    if (medium == kXTMediumPDF) return "PDF";
    return "none";
}

} // namespace

bool haveNativeWindows() {
    return true;
}

int runNativePreferencesWindow(Host& host) {
    if (sPreferencesOpen) return 0;
    sPreferencesOpen = true;
    int result = 2;
    {
        Win32PanelWindow window(host, kPreferencesTitle, "General", "OK");
        window.addHostControl(L"Static", PanelWindow::kFirstHostControlId,
                              "The host keeps no preferences of its own.", SS_LEFT, 0, 0, 300, 16);
        window.setHostPageSize(300, 40);
        window.collectPanels([&]() {
            XTAppPrefsRec rec{};
            rec.container = window.container();
            host.sendCallback(kXTCBAppPrefs, &rec);
        });
        result = window.run();
        if (result == 1) window.savePanels();
    }
    sPreferencesOpen = false;
    return result;
}

int editNativeOutputStyle(Host& host, OutputStyleRef style) {
    StyleStore& store = host.styles();
    if (!store.isStyle(style) || sEditing) return 0;
    sEditing = true;
    int result = 2;
    {
        Win32PanelWindow window(host, kEditStyleTitle, "Output", "Save");
        window.addHostControl(L"Static", kStyleNameTextId, "Name: " + style->name, SS_LEFT, 0, 0,
                              300, 16);
        window.addHostControl(L"Static", kStyleMediumTextId,
                              std::string("Medium: ") + mediumName(style->medium), SS_LEFT, 0, 24,
                              300, 16);
        bool hasSpreads = style->medium == kXTMediumEPS || style->medium == kXTMediumPDF;
        HWND spreads = nullptr;
        if (hasSpreads) {
            spreads = window.addHostControl(L"Button", kStyleSpreadsId, "Spreads",
                                            BS_AUTOCHECKBOX | WS_TABSTOP, 0, 48, 300, 20);
            SendMessageW(spreads, BM_SETCHECK, store.spreads(style) ? BST_CHECKED : BST_UNCHECKED,
                         0);
        }
        window.setHostPageSize(300, 80);
        window.collectPanels([&]() {
            XTOutputStylesRec rec{};
            rec.editor = &window;
            rec.style = style;
            rec.container = window.container();
            host.sendCallback(kXTCBOutputStyles, &rec);
        });
        result = window.run();
        if (result == 1) {
            window.savePanels();
            if (hasSpreads)
                store.setSpreads(style, SendMessageW(spreads, BM_GETCHECK, 0, 0) == BST_CHECKED);
            else
                store.save();
        }
        XTStylesPanelDoneRec done{};
        done.editor = &window;
        done.style = style;
        done.value = result == 1 ? kXTStylesEditorSaved : kXTStylesEditorDiscarded;
        host.sendCallback(kXTCBStylesPanelDone, &done);
    }
    sEditing = false;
    return result;
}

} // namespace plxhost
