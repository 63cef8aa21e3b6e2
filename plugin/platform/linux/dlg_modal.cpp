// Running dialogs modally: the dialog window, its procedure, its timer.
#include "plugin/dialogs/dialog_builder.h"
#include "plugin/dialogs/native_controls.h"
#include "plugin/platform/linux/dlg_linux.h"
#include "plugin/support/mystrings.h"

PlxWindow gHostMainWindow = 0;

namespace {

constexpr int kDialogTimerId = 1;
// The result given to quitModalDialog before the dialog's loop started
// (from its setup procedure): the dialog then ends at once.
constexpr const char* kPendingResult = "pendingResult";

// The empty dialog every description is built into, when the resources
// lack it.
constexpr int kEmptyDialogWidth = 300;
constexpr int kEmptyDialogHeight = 163;

void timerTick(ui::Handle window, int, void*) {
    auto proc = reinterpret_cast<DlgTimerProc>(valueProp(window, kPropTimer));
    if (proc) proc(window, reinterpret_cast<void*>(valueProp(window, kPropUser)));
}

// A popup answers a change of its choice, an edit field a change of its
// text; every other control every notification.
bool reacts(ui::Handle control, ui::Notify notify) {
    switch (ui::kind(control)) {
    case ui::Kind::Popup:
        return notify == ui::Notify::SelectionChanged;
    case ui::Kind::Edit:
        return notify == ui::Notify::TextChanged;
    default:
        return true;
    }
}

// An editable combo box remembers the text last chosen (string property
// "comb") and offers it again when its list opens.
void trackComboChoice(ui::Handle combo, ui::Notify notify) {
    std::string name = stringPropName(codeOf("comb"));
    if (notify == ui::Notify::ListOpened) {
        std::string stored;
        if (ui::getStringProp(combo, name, &stored)) {
            int index = ui::findItem(combo, stored);
            if (index >= 0) ui::setSelection(combo, index);
        }
    } else if (notify == ui::Notify::SelectionConfirmed) {
        ui::setStringProp(combo, name, ui::text(combo));
    }
}

void dispatchCommand(ui::Handle dialog, const ui::Message& msg) {
    // Return and Escape come as commands 1 and 2 for the control with
    // that id.
    ui::Handle control = msg.source ? msg.source : uiHandle(getControl(dialog, msg.id));
    if (control) {
        if (ui::kind(control) == ui::Kind::ComboBox) trackComboChoice(control, msg.notify);
        if (!reacts(control, msg.notify)) return;
        auto handler = reinterpret_cast<DlgControlProc>(valueProp(control, kPropHandler));
        void* user = reinterpret_cast<void*>(valueProp(control, kPropUser));
        if (handler && handler(control, dialog, user)) return;
    }
    if (msg.id == 1 || msg.id == 2) quitModalDialog(dialog, msg.id);
}

std::intptr_t dialogProc(ui::Handle self, const ui::Message& msg, void*) {
    switch (msg.msg) {
    case ui::Msg::Command:
        dispatchCommand(self, msg);
        return 1;
    case ui::Msg::Close:
        if (!ui::isModal(self)) break;
        quitModalDialog(self, 2);
        return 1;
    case ui::Msg::Destroy:
        ui::killTimer(self, kDialogTimerId);
        break;
    default:
        break;
    }
    return ui::defaultProc(self, msg);
}

// The empty modal dialog, sized and titled as MYDIALOG describes it.
ui::Handle createEmptyDialog(ui::Handle owner) {
    WindowDesc empty;
    if (!loadWindowDescription("MYDIALOG", &empty)) {
        empty.rect = DescRect{0, 0, kEmptyDialogWidth, kEmptyDialogHeight};
    }
    ui::CreateParams p;
    p.kind = ui::Kind::Window;
    p.owner = owner;
    p.rect = ui::Rect{empty.rect.x, empty.rect.y, empty.rect.w, empty.rect.h};
    p.text = empty.name;
    try {
        return ui::createWindow(p);
    } catch (...) {
        return ui::kNoWindow;
    }
}

void centre(ui::Handle window) {
    ui::Size screen = ui::screenSize();
    ui::Rect r = ui::rect(window);
    r.x = (screen.w - r.w) / 2;
    r.y = (screen.h - r.h) / 4;
    ui::setRect(window, r);
}

} // namespace

MainWindowLock disableMainWindow() {
    MainWindowLock lock;
    lock.window = uiHandle(gHostMainWindow);
    if (!ui::isWindow(lock.window)) lock.window = ui::owner(ui::activeWindow());
    if (lock.window) lock.wasEnabled = ui::setEnabled(lock.window, false);
    return lock;
}

void restoreMainWindow(const MainWindowLock& lock) {
    if (lock.window) ui::setEnabled(lock.window, lock.wasEnabled);
}

PlxWindow createDialogWindow(const char* name, void* user, bool* described) {
    if (described) *described = false;
    if (!ui::isClassRegistered(kClassUserPane)) registerDialogClasses();
    ui::Handle dialog = createEmptyDialog(ui::activeWindow());
    if (!dialog) return 0;
    ui::setWindowProc(dialog, dialogProc);
    setValueProp(dialog, kPropUser, reinterpret_cast<intptr_t>(user));
    bool built = name && buildWindowFromDescription(dialog, name);
    if (!built) setWindowTitle(dialog, localizeString(name).c_str());
    centre(dialog);
    if (described) *described = built;
    return dialog;
}

void destroyDialogWindow(PlxWindow dialog) {
    ui::destroyWindow(uiHandle(dialog));
}

int32_t doModalDialog(const char* name, DlgSetupProc setup, void* user) {
    ui::Handle active = ui::activeWindow();
    ui::Handle focused = ui::focus();
    MainWindowLock lock = disableMainWindow();

    int32_t result = 0;
    ui::Handle dialog = uiHandle(createDialogWindow(name, user, nullptr));
    if (dialog) {
        if (setup) setup(dialog, user);
        std::intptr_t pending = 0;
        if (ui::getProp(dialog, kPendingResult, &pending))
            result = static_cast<int32_t>(pending);
        else if (ui::isWindow(dialog))
            result = ui::runModal(dialog);
        ui::destroyWindow(dialog);
    }

    restoreMainWindow(lock);
    if (ui::isWindow(active)) ui::setActiveWindow(active);
    if (ui::isWindow(focused)) ui::setFocus(focused);
    return result;
}

void quitModalDialog(PlxWindow dialog, int32_t result) {
    ui::Handle h = uiHandle(dialog);
    if (!ui::isWindow(h)) return;
    stopDialogTimer(dialog);
    if (!ui::endModal(h, result)) ui::setProp(h, kPendingResult, result);
}

bool startDialogTimer(PlxWindow dialog, uint32_t intervalMs, DlgTimerProc proc) {
    ui::Handle h = uiHandle(dialog);
    if (!ui::isWindow(h) || !proc) return false;
    setValueProp(h, kPropTimer, reinterpret_cast<intptr_t>(proc));
    return ui::setTimer(h, kDialogTimerId, intervalMs, timerTick, nullptr);
}

void stopDialogTimer(PlxWindow dialog) {
    ui::Handle h = uiHandle(dialog);
    ui::killTimer(h, kDialogTimerId);
    setValueProp(h, kPropTimer, 0);
}

void setToolWindowStyle(PlxWindow dialog) {
    ui::Handle h = uiHandle(dialog);
    ui::setStyleFlags(h, ui::styleFlags(h) | ui::style::ToolWindow);
}
