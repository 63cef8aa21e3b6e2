#include "host/platform/win/win32_panel_window.h"

#include <commctrl.h>

#include <algorithm>

#include "host/host.h"
#include "host/platform/win/wide.h"
#include "host/platform/win/win32_modal.h"

namespace plxhost {

namespace {

constexpr int kMargin = 10;
constexpr int kTabsHeight = 24;
constexpr int kPageTop = kMargin + kTabsHeight + kMargin;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 24;
constexpr int kMinimumWidth = 320;
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

constexpr const wchar_t* kWindowClass = L"PlexhostPanelWindow";
constexpr const wchar_t* kPaneClass = L"PlexhostPane";

HINSTANCE instance() {
    return GetModuleHandleW(nullptr);
}

void registerClasses(WNDPROC windowProc, WNDPROC paneProc) {
    WNDCLASSEXW wc{};
    if (GetClassInfoExW(instance(), kWindowClass, &wc)) return;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    wc = WNDCLASSEXW{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = paneProc;
    wc.lpszClassName = kPaneClass;
    RegisterClassExW(&wc);
}

bool hasClass(HWND window, const wchar_t* name) {
    wchar_t cls[64];
    return GetClassNameW(window, cls, 64) && lstrcmpiW(cls, name) == 0;
}

bool kindMatches(HWND control, int32_t kind) {
    LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    bool button = hasClass(control, L"Button");
    switch (kind) {
    case kXTControlStaticText:
        return hasClass(control, L"Static");
    case kXTControlPushButton:
        return button && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
    case kXTControlCheckBox:
        return button && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                          type == BS_AUTO3STATE);
    case kXTControlRadioButton:
        return button && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
    case kXTControlEditText:
        return hasClass(control, L"Edit");
    case kXTControlPopup:
        return hasClass(control, L"ComboBox");
    default:
        return false;
    }
}

// The first window with the id beneath `parent`, depth-first.
HWND findDescendant(HWND parent, int id) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) return child;
        if (HWND inner = findDescendant(child, id)) return inner;
    }
    return nullptr;
}

// The notification that tells a control has a new value.
bool settles(HWND control, WORD code) {
    if (hasClass(control, L"Button")) return code == BN_CLICKED;
    if (hasClass(control, L"Edit")) return code == EN_CHANGE;
    if (hasClass(control, L"ComboBox")) return code == CBN_SELCHANGE || code == CBN_EDITCHANGE;
    return false;
}

HWND makeControl(HWND parent, const wchar_t* cls, int id, const std::string& text, DWORD style,
                 int x, int y, int w, int h) {
    HWND control = CreateWindowExW(
        0, cls, toWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(hostFont()), FALSE);
    return control;
}

} // namespace

HFONT hostFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

Win32PanelWindow::Win32PanelWindow(Host& host, const std::string& title, const std::string& hostTab,
                                   const std::string& okTitle)
    : HostPanelWindow(host), hostTab_(hostTab) {
    registerClasses(windowProc, paneProc);
    auto owner = reinterpret_cast<HWND>(host.mainWindowRef());
    window_ = CreateWindowExW(kWindowExStyle, kWindowClass, toWide(title).c_str(), kWindowStyle, 0,
                              0, kMinimumWidth, 200, owner, nullptr, instance(), this);
    // The buttons come first, so that their titles name them and not the
    // like-titled buttons a plug-in's panel may carry.
    ok_ = makeControl(window_, L"Button", kOkId, okTitle, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 0,
                      0);
    cancel_ = makeControl(window_, L"Button", kCancelId, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 0,
                          0, 0, 0);
    tabs_ = makeControl(window_, WC_TABCONTROLW, kTabsId, std::string(),
                        WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 0, 0);
    hostPage_ = CreateWindowExW(WS_EX_CONTROLPARENT, kPaneClass, L"", WS_CHILD | WS_VISIBLE,
                                kMargin, kPageTop, 300, 100, window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHostPageId)),
                                instance(), nullptr);
    SetWindowLongPtrW(hostPage_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    layout();
}

Win32PanelWindow::~Win32PanelWindow() {
    if (window_) DestroyWindow(window_);
}

void Win32PanelWindow::addHostText(int id, const std::string& text, int top) {
    makeControl(hostPage_, L"Static", id, text, SS_LEFT, 0, top, 300, 16);
}

void Win32PanelWindow::addHostCheckBox(int id, const std::string& title, int top, bool checked) {
    HWND box =
        makeControl(hostPage_, L"Button", id, title, BS_AUTOCHECKBOX | WS_TABSTOP, 0, top, 300, 20);
    SendMessageW(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32PanelWindow::hostCheckBox(int id) const {
    return SendMessageW(GetDlgItem(hostPage_, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32PanelWindow::setHostPageSize(int width, int height) {
    SetWindowPos(hostPage_, nullptr, kMargin, kPageTop, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    layout();
}

void Win32PanelWindow::collectPanels(const std::function<void()>& ask) {
    session_.collect(ask);
    layout();
    int first = session_.shownFirst() + 1;
    session_.open();
    showPage(first);
}

XTWindowRef Win32PanelWindow::makePane(int id) {
    HWND pane = CreateWindowExW(WS_EX_CONTROLPARENT, kPaneClass, L"", WS_CHILD, kMargin, kPageTop,
                                0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                instance(), nullptr);
    if (pane) SetWindowLongPtrW(pane, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return reinterpret_cast<XTWindowRef>(pane);
}

bool Win32PanelWindow::paneIntact(XTWindowRef pane) {
    auto window = reinterpret_cast<HWND>(pane);
    return IsWindow(window) && GetParent(window) == window_;
}

void Win32PanelWindow::destroyPane(XTWindowRef pane) {
    auto window = reinterpret_cast<HWND>(pane);
    if (IsWindow(window)) DestroyWindow(window);
}

std::string Win32PanelWindow::paneTitle(XTWindowRef pane) {
    auto window = reinterpret_cast<HWND>(pane);
    int length = GetWindowTextLengthW(window);
    std::wstring title(static_cast<size_t>(length) + 1, L'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(window, &title[0], length + 1)));
    return fromWide(title);
}

void Win32PanelWindow::placePane(XTWindowRef pane) {
    SetWindowPos(reinterpret_cast<HWND>(pane), nullptr, kMargin, kPageTop, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int32_t Win32PanelWindow::findDeclared(XTWindowRef pane, int32_t id, int32_t kind) {
    HWND control = findDescendant(reinterpret_cast<HWND>(pane), id);
    if (!control) return kXTNotFoundErr;
    return kindMatches(control, kind) ? 0 : kXTParamErr;
}

std::vector<HWND> Win32PanelWindow::pages() const {
    std::vector<HWND> pages{hostPage_};
    for (const PanelSession::Panel& panel : session_.panels())
        pages.push_back(reinterpret_cast<HWND>(panel.pane));
    return pages;
}

void Win32PanelWindow::layout() {
    int width = 0;
    int height = 0;
    for (HWND page : pages()) {
        RECT r{};
        GetWindowRect(page, &r);
        width = std::max(width, static_cast<int>(r.right - r.left));
        height = std::max(height, static_cast<int>(r.bottom - r.top));
    }
    int clientWidth = std::max(kMinimumWidth, width + 2 * kMargin);
    int buttonsTop = kPageTop + height + kMargin;
    int clientHeight = buttonsTop + kButtonHeight + kMargin;
    SetWindowPos(tabs_, nullptr, kMargin, kMargin, clientWidth - 2 * kMargin, kTabsHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(ok_, nullptr, clientWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth,
                 kButtonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(cancel_, nullptr, clientWidth - 2 * (kMargin + kButtonWidth), buttonsTop,
                 kButtonWidth, kButtonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    std::vector<std::string> titles{hostTab_};
    for (const PanelSession::Panel& panel : session_.panels())
        titles.push_back(panel.title);
    int selected = static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    SendMessageW(tabs_, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < titles.size(); ++i) {
        std::wstring text = toWide(titles[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = &text[0];
        SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tabs_, TCM_SETCURSEL, selected < 0 ? 0 : selected, 0);
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
    int w = frame.right - frame.left;
    int h = frame.bottom - frame.top;
    int screenW = GetSystemMetrics(SM_CXSCREEN);
    int screenH = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(window_, nullptr, (screenW - w) / 2, (screenH - h) / 4, w, h,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32PanelWindow::showPage(int index) {
    std::vector<HWND> shown = pages();
    if (index < 0 || static_cast<size_t>(index) >= shown.size()) index = 0;
    SendMessageW(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    for (size_t i = 0; i < shown.size(); ++i)
        ShowWindow(shown[i], static_cast<int>(i) == index ? SW_SHOWNA : SW_HIDE);
}

int Win32PanelWindow::selectedPage() const {
    return static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
}

int Win32PanelWindow::run() {
    result_ = 0;
    int result =
        runWin32Modal(window_, reinterpret_cast<HWND>(host_.mainWindowRef()), tabs_, &result_);
    return result == 1 ? 1 : 2;
}

void Win32PanelWindow::end(int result) {
    if (result_ == 0) result_ = result;
}

void Win32PanelWindow::savePanels() {
    session_.save();
}

void Win32PanelWindow::pageCommand(HWND pane, WPARAM wParam) {
    auto control = findDescendant(pane, LOWORD(wParam));
    if (!control || !settles(control, HIWORD(wParam))) return;
    session_.controlWorked(reinterpret_cast<XTWindowRef>(pane), LOWORD(wParam));
}

LRESULT CALLBACK Win32PanelWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32PanelWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, msg, wParam, lParam);
    switch (msg) {
    case DM_GETDEFID:
        return MAKELRESULT(kOkId, DC_HASDEFID);
    case WM_COMMAND: {
        auto source = reinterpret_cast<HWND>(lParam);
        WORD id = LOWORD(wParam);
        if (source && source == self->ok_ && HIWORD(wParam) == BN_CLICKED) self->end(1);
        if (source && source == self->cancel_ && HIWORD(wParam) == BN_CLICKED) self->end(2);
        // Escape and Return as the dialog manager sends them.
        if (!source && id == IDCANCEL) self->end(2);
        if (!source && id == kOkId) self->end(1);
        return 0;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header && header->hwndFrom == self->tabs_ && header->code == TCN_SELCHANGE)
            self->showPage(self->selectedPage());
        return 0;
    }
    case WM_CLOSE:
        self->end(2);
        return 0;
    case WM_DESTROY:
        self->window_ = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

LRESULT CALLBACK Win32PanelWindow::paneProc(HWND pane, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32PanelWindow*>(GetWindowLongPtrW(pane, GWLP_USERDATA));
    if (self && msg == WM_COMMAND) {
        self->pageCommand(pane, wParam);
        return 0;
    }
    return DefWindowProcW(pane, msg, wParam, lParam);
}

} // namespace plxhost
