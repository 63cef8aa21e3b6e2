// The plug-in's panels in the host's windows on Win32: the dialog template
// of the panel's number, made as a child dialog inside the container the
// host hands over. The container takes the panel's size and title; what a
// person does in the panel is passed on to the container, for the host to
// tell the panel's handler which declared control was worked.
#include "plugin/core/panel_support.h"
#include "plugin/platform/win/dialogs/dlg_win.h"
#include "plugin/support/mystrings.h"

namespace {

INT_PTR CALLBACK panelProc(HWND panel, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        // The host's window decides where the focus goes.
        return FALSE;
    case WM_COMMAND:
        SendMessageW(GetParent(panel), WM_COMMAND, wParam, lParam);
        return TRUE;
    case WM_DESTROY:
        freeStringProps(panel);
        return FALSE;
    default:
        return FALSE;
    }
}

bool buildChildDialog(XTPanelMsgRec* rec, int32_t templateId) {
    HWND container = hwndOf(static_cast<PlxWindow>(rec->panel));
    if (!container) return false;
    HWND panel =
        CreateDialogParamW(toolkitInstance(), MAKEINTRESOURCEW(static_cast<WORD>(templateId)),
                           container, panelProc, 0);
    if (!panel) return false;
    localizeWindowTexts(panel);
    // The template's caption is the panel's title in the host's tabs.
    std::string title = windowText(panel);
    try {
        title = localizeString(title.c_str());
    } catch (...) {
    }
    setWindowTextUtf8(container, title.c_str());
    RECT r{};
    GetWindowRect(panel, &r);
    SetWindowPos(panel, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(container, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(panel, SW_SHOWNA);
    return true;
}

// Wherever this toolkit is linked, panels are its templates.
[[maybe_unused]] const bool sBuilderSet = (setPanelTemplateBuilder(buildChildDialog), true);

} // namespace
