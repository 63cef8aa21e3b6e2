// The export dialog on Win32: the system's save dialog with the export
// panel (template 25051) as its child template, driven from the template's
// hook. The panel's behaviour is the portable one (export_panel.cpp); this
// file only wires it to the system dialog's notifications.
#include "plugin/core/xt_groups.h"
#include "plugin/dialogs/dialog_builder.h"
#include "plugin/export/export_dialog.h"
#include "plugin/platform/win/dialogs/dlg_win.h"
#include "plugin/platform/win/wide_text.h"
#include "plugin/support/mystrings.h"
#include "xt/xtrequest.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cwchar>

namespace {

constexpr WORD kPanelTemplate = 25051;
// Room for the chosen path in UTF-16: the record keeps at most 511 bytes
// of UTF-8, which never take more UTF-16 units than bytes.
constexpr DWORD kPathUnits = 1024;

ExportData* recordOf(HWND panel) {
    return reinterpret_cast<ExportData*>(valueProp(panel, kPropUser));
}

// The save dialog's file-name field: a combo box in the newer layouts, an
// edit field in the older ones.
int nameFieldId(HWND dialog) {
    return GetDlgItem(dialog, cmb13) ? cmb13 : edt1;
}

// Centres the panel's rows in the save dialog: every control but the
// placeholder (the first child) moves right so that the span from the
// absolute check box's left edge to the All button's right edge has as
// much room on its left as on its right in the dialog. Moving them by half
// of what the width leaves beside the span alone would also add the
// template's own left margin. A dialog narrower than the rows leaves them
// where the template put them.
void centreRows(HWND dialog, HWND panel) {
    HWND absolute = GetDlgItem(panel, kExpAbsolute), all = GetDlgItem(panel, kExpAll);
    if (!absolute || !all) return;
    RECT left, right, client;
    GetWindowRect(absolute, &left);
    GetWindowRect(all, &right);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&left), 2);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&right), 2);
    GetClientRect(dialog, &client);
    int span = right.right - left.left;
    if (span <= 0 || client.right <= span) return;
    int dx = (client.right - span) / 2 - left.left;
    if (dx == 0) return;
    HWND first = GetWindow(panel, GW_CHILD);
    for (HWND child = first ? GetWindow(first, GW_HWNDNEXT) : nullptr; child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
        SetWindowPos(child, nullptr, r.left + dx, r.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// The host may adjust a plug-in's dialog as it adjusts its own.
void tellHost(HWND dialog) {
    if (!xthostrequest_funchndl) return;
    XTWindowRef window = static_cast<XTWindowRef>(reinterpret_cast<uintptr_t>(dialog));
    xthostrequest_funchndl->sendHostRequest(kXTRequestPluginDialog, &window);
}

// Which notification of a panel control is the person's action: a click
// of a button or check box, a new choice in the style list.
bool acted(int id, WORD code) {
    if (id == kExpStyles) return code == CBN_SELCHANGE;
    if (id == kExpAll || id == kExpAbsolute || id == kExpBaseName || id == kExpEditStyle)
        return code == BN_CLICKED;
    return false;
}

UINT_PTR CALLBACK panelHook(HWND panel, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        const auto* ofn = reinterpret_cast<const OPENFILENAMEW*>(lp);
        setValueProp(panel, kPropUser, static_cast<intptr_t>(ofn->lCustData));
        localizeWindowTexts(panel);
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto* note = reinterpret_cast<const OFNOTIFYW*>(lp);
        ExportData* data = recordOf(panel);
        HWND dialog = GetParent(panel);
        if (!data) return 0;
        if (note->hdr.code == static_cast<UINT>(CDN_INITDONE)) {
            data->dialogWindow = reinterpret_cast<void*>(dialog);
            exportPanelOpened(plxOf(dialog), plxOf(panel), data);
            centreRows(dialog, panel);
            tellHost(dialog);
        } else if (note->hdr.code == static_cast<UINT>(CDN_FILEOK)) {
            // A nonzero result keeps the dialog open.
            LONG_PTR refuse = exportPanelConfirmed(plxOf(panel), data) ? 0 : 1;
            SetWindowLongPtrW(panel, DWLP_MSGRESULT, refuse);
            return static_cast<UINT_PTR>(refuse);
        }
        return 0;
    }
    case WM_COMMAND: {
        ExportData* data = recordOf(panel);
        int id = LOWORD(wp);
        if (!data || notificationsSuppressed() || !acted(id, HIWORD(wp))) return 0;
        exportPanelCommand(plxOf(GetParent(panel)), plxOf(panel), id, data);
        return 0;
    }
    case WM_DESTROY:
        freeStringProps(panel);
        return 0;
    default:
        return 0;
    }
}

} // namespace

bool getExportPath2(ExportData* data) {
    char title[kMyStringSize];
    getString(data->mode == 1 ? "exportBoxCmd" : "exportPagesCmd", title);
    std::wstring wideTitle, proposal;
    widen(title, &wideTitle);
    widen(data->exportPath, &proposal);
    wchar_t path[kPathUnits] = {0};
    wcsncpy(path, proposal.c_str(), kPathUnits - 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hwndOf(gHostMainWindow);
    if (!ofn.hwndOwner) ofn.hwndOwner = GetActiveWindow();
    ofn.hInstance = toolkitInstance();
    ofn.lpstrFilter = L"*.*\0*.*\0";
    ofn.lpstrFile = path;
    ofn.nMaxFile = kPathUnits;
    ofn.lpstrTitle = wideTitle.empty() ? nullptr : wideTitle.c_str();
    // No overwrite prompt; the process's current folder is the host's and
    // stays where it is.
    ofn.Flags = OFN_EXPLORER | OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY |
                OFN_NOCHANGEDIR;
    ofn.lpTemplateName = MAKEINTRESOURCEW(kPanelTemplate);
    ofn.lpfnHook = panelHook;
    ofn.lCustData = reinterpret_cast<LPARAM>(data);

    data->dialogWindow = nullptr;
    BOOL confirmed = GetSaveFileNameW(&ofn);
    data->dialogWindow = nullptr;
    if (!confirmed) return false;
    char chosen[512];
    exportDialogAccepted(narrowInto(path, chosen, sizeof chosen) ? chosen : nullptr, data);
    return true;
}

void setSaveDialogFileName(PlxWindow dialog, const char* name) {
    HWND h = hwndOf(dialog);
    if (!h) return;
    std::wstring wide;
    widen(name ? name : "", &wide);
    SendMessageW(h, CDM_SETCONTROLTEXT, static_cast<WPARAM>(nameFieldId(h)),
                 reinterpret_cast<LPARAM>(wide.c_str()));
}
