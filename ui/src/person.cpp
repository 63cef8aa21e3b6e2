// A person's actions: checked the way a person is limited (only usable controls,
// only in the window that is modal), written to the transcript, then carried out
// with the notifications they cause.
#include "path_rules.h"
#include "system.h"
#include "window_internal.h"

#include "ui/dialogs.h"
#include "ui/focus.h"
#include "ui/messages.h"
#include "ui/modal.h"
#include "ui/person.h"
#include "ui/window.h"

#include <initializer_list>

namespace ui {
namespace detail {

void clickNow(Handle control) {
    Window* w = find(control);
    if (!w) return;
    setFocus(control);
    if (w->kind == Kind::CheckBox) {
        w->value = w->value == 0 ? 1 : 0;
    } else if (w->kind == Kind::RadioButton) {
        w->value = 1;
        // Radio buttons in one container are one group.
        if (Window* p = find(w->parent)) {
            for (Handle sibling : p->children) {
                Window* s = find(sibling);
                if (s && sibling != control && s->kind == Kind::RadioButton) s->value = 0;
            }
        }
    }
    notifyParent(control, Notify::Clicked);
}

} // namespace detail

namespace person {

using detail::find;
using detail::Window;

namespace {

std::string describeControl(Handle control) {
    Window* w = find(control);
    if (!w) return "?";
    if (w->id != -1) return "#" + std::to_string(w->id);
    if (!w->text.empty()) return detail::quoted(w->text);
    return kindName(w->kind);
}

// Why a person could not work this window now; empty when they could.
std::string refusal(Handle window, std::initializer_list<Kind> kinds) {
    Window* w = find(window);
    if (!w) return "no such window";
    bool kindOk = kinds.size() == 0;
    for (Kind k : kinds)
        kindOk = kindOk || w->kind == k;
    if (!kindOk) return std::string("a ") + kindName(w->kind) + " cannot do that";
    for (Window* a = w; a; a = find(a->parent)) {
        if (!a->visible) return "hidden";
        if (!a->enabled) return "disabled";
    }
    Handle modal = currentModal();
    if (modal && detail::topLevelOf(window) != modal) return "another window is modal";
    return std::string();
}

bool act(Handle window, const std::string& line, std::initializer_list<Kind> kinds) {
    return detail::recordAction(window, line, refusal(window, kinds));
}

// Text typed into an edit or combo: replaces all of it.
void typeNow(Handle control, const std::string& newText) {
    detail::focusAndSelect(control);
    Window* w = find(control);
    if (!w) return;
    w->text = newText;
    w->selStart = w->selEnd = detail::codePoints(newText);
    if (w->kind == Kind::ComboBox) w->selection = detail::findIndex(w->items, newText);
    notifyParent(control, Notify::TextChanged);
}

void chooseNow(Handle control, int index) {
    Window* w = find(control);
    bool dropDown = w->kind == Kind::Popup || w->kind == Kind::ComboBox;
    setFocus(control);
    if (dropDown) notifyParent(control, Notify::ListOpened);
    if (!find(control)) return;
    setSelection(control, index);
    notifyParent(control, Notify::SelectionChanged);
    if (dropDown && find(control)) notifyParent(control, Notify::SelectionConfirmed);
}

const std::initializer_list<Kind> kClickable = {Kind::PushButton, Kind::CheckBox,
                                                Kind::RadioButton};
const std::initializer_list<Kind> kChoosable = {Kind::Popup, Kind::ComboBox, Kind::ListBox,
                                                Kind::TabControl};

} // namespace

bool click(Handle control) {
    if (!act(control, "click " + describeControl(control), kClickable)) return false;
    detail::clickNow(control);
    return true;
}

bool type(Handle control, const std::string& newText) {
    std::string line = "type " + describeControl(control) + " " + detail::quoted(newText);
    std::string why = refusal(control, {Kind::Edit, Kind::ComboBox});
    if (why.empty() && hasStyle(control, style::ReadOnly)) why = "read-only";
    if (!detail::recordAction(control, line, why)) return false;
    typeNow(control, newText);
    return true;
}

bool choose(Handle control, int index) {
    std::vector<std::string> list = items(control);
    bool inRange = index >= 0 && index < static_cast<int>(list.size());
    std::string line = "choose " + describeControl(control) + " " +
                       (inRange ? detail::quoted(list[index]) : std::to_string(index + 1));
    std::string why = refusal(control, kChoosable);
    if (why.empty() && !inRange) why = "no item " + std::to_string(index + 1);
    if (!detail::recordAction(control, line, why)) return false;
    chooseNow(control, index);
    return true;
}

bool chooseText(Handle control, const std::string& item) {
    int index = findItem(control, item);
    if (index < 0 && refusal(control, kChoosable).empty()) {
        std::string line = "choose " + describeControl(control) + " " + detail::quoted(item);
        return detail::recordAction(control, line, "no such item");
    }
    return choose(control, index);
}

bool check(Handle control, bool on) {
    std::string line = "check " + describeControl(control) + (on ? " on" : " off");
    if (!act(control, line, {Kind::CheckBox})) return false;
    if ((value(control) != 0) != on) detail::clickNow(control);
    return true;
}

bool focusOn(Handle control) {
    if (!act(control, "focus " + describeControl(control), {})) return false;
    setFocus(control);
    return true;
}

bool pressKey(Handle window, Key key) {
    Handle top = detail::topLevelOf(window);
    if (!act(top, std::string("key ") + keyName(key), {})) return false;
    Message msg;
    msg.msg = Msg::Key;
    msg.value = static_cast<std::intptr_t>(key);
    sendMessage(top, msg);
    return true;
}

bool close(Handle window) {
    std::string why = refusal(window, {});
    if (why.empty() && !isTopLevel(window)) why = "not a top-level window";
    if (!detail::recordAction(window, "close", why)) return false;
    Message msg;
    msg.msg = Msg::Close;
    sendMessage(window, msg);
    return true;
}

bool answer(Handle messageBox, int button) {
    std::string why = refusal(messageBox, {Kind::MessageBox});
    Handle control = why.empty() ? findControl(messageBox, button) : kNoWindow;
    if (why.empty() && (button < 1 || !control || !isUsable(control)))
        why = "no button " + std::to_string(button);
    if (!detail::recordAction(messageBox, "answer " + std::to_string(button), why)) return false;
    detail::clickNow(control);
    return true;
}

bool choosePath(Handle saveDialog, const std::string& path) {
    if (!act(saveDialog, "path " + detail::quoted(path), {Kind::SaveDialog})) return false;
    if (paths::lastSeparator(path) != std::string::npos)
        typeNow(findControl(saveDialog, kSaveFolderId), paths::folderOf(path));
    typeNow(findControl(saveDialog, kSaveNameId), paths::nameOf(path));
    if (Handle save = findControl(saveDialog, kSaveOkId)) detail::clickNow(save);
    return true;
}

} // namespace person
} // namespace ui
