#include "host/platform/win/win32_modal.h"

namespace plxhost {

int runWin32Modal(HWND window, HWND owner, HWND focus, const int* result) {
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    if (focus) SetFocus(focus);
    int ended = 0;
    MSG msg;
    while ((ended = *result) == 0) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            ended = 2;
            break;
        }
        if (!IsDialogMessageW(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // The owner is enabled again before the window goes, so that it is the
    // window activated next.
    if (owner) EnableWindow(owner, ownerWasEnabled);
    ShowWindow(window, SW_HIDE);
    return ended;
}

} // namespace plxhost
