// Text, value, items, selection and the enabled and visible states of windows.
// All of these are changes from code: none of them notifies.
#include "system.h"
#include "window_internal.h"

#include "ui/messages.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {

using detail::find;
using detail::Window;

namespace {

void collapseSelectionToEnd(Window* w) {
    w->selStart = w->selEnd = detail::codePoints(w->text);
}

int clampInt(long long v, int lo, int hi) {
    if (v < lo) return lo;
    if (v > hi) return hi;
    return static_cast<int>(v);
}

} // namespace

std::string text(Handle window) {
    Window* w = find(window);
    if (!w) return std::string();
    if (w->kind == Kind::Popup || w->kind == Kind::ListBox) {
        if (w->selection < 0 || w->selection >= static_cast<int>(w->items.size())) return "";
        return w->items[w->selection];
    }
    return w->text;
}

bool setText(Handle window, const std::string& newText) {
    Window* w = find(window);
    if (!w) return false;
    switch (w->kind) {
    case Kind::Popup: {
        int index = detail::findIndex(w->items, newText);
        if (index < 0) return false;
        w->selection = index;
        return true;
    }
    case Kind::ListBox:
        return false;
    case Kind::ComboBox:
        w->text = newText;
        w->selection = detail::findIndex(w->items, newText);
        collapseSelectionToEnd(w);
        return true;
    case Kind::Edit:
        w->text = newText;
        collapseSelectionToEnd(w);
        return true;
    default:
        w->text = newText;
        return true;
    }
}

std::intptr_t value(Handle window) {
    Window* w = find(window);
    if (!w) return 0;
    if (detail::hasItems(w->kind)) return w->selection;
    if (w->kind == Kind::Custom) {
        Message get;
        get.msg = Msg::GetValue;
        return sendMessage(window, get);
    }
    return w->value;
}

bool setValue(Handle window, std::intptr_t v) {
    Window* w = find(window);
    if (!w) return false;
    if (detail::hasItems(w->kind)) {
        int index = (v < 0 || v > 0x7fffffff) ? -1 : static_cast<int>(v);
        return setSelection(window, index);
    }
    if (w->kind == Kind::Custom) {
        Message set;
        set.msg = Msg::SetValue;
        set.value = v;
        sendMessage(window, set);
        return true;
    }
    if (w->kind == Kind::ProgressBar) {
        int position = clampInt(v, w->rangeMin, w->rangeMax);
        if (position != w->value) {
            w->value = position;
            detail::notifyProgress(window);
        }
        return true;
    }
    w->value = v;
    return true;
}

bool setRange(Handle window, int minimum, int maximum) {
    Window* w = find(window);
    if (!w || w->kind != Kind::ProgressBar || minimum > maximum) return false;
    w->rangeMin = minimum;
    w->rangeMax = maximum;
    int position = clampInt(w->value, minimum, maximum);
    if (position != w->value) {
        w->value = position;
        detail::notifyProgress(window);
    }
    return true;
}

int rangeMin(Handle window) {
    return detail::readField(window, &Window::rangeMin, 0);
}

int rangeMax(Handle window) {
    return detail::readField(window, &Window::rangeMax, 0);
}

bool setItems(Handle window, const std::vector<std::string>& list) {
    Window* w = find(window);
    if (!w || !detail::hasItems(w->kind)) return false;
    w->items = list;
    if (w->style & style::Sorted) detail::sortItems(&w->items);
    w->selection = (w->kind == Kind::TabControl && !w->items.empty()) ? 0 : -1;
    return true;
}

int addItem(Handle window, const std::string& item) {
    Window* w = find(window);
    if (!w || !detail::hasItems(w->kind)) return -1;
    std::size_t at =
        (w->style & style::Sorted) ? detail::sortedPosition(w->items, item) : w->items.size();
    w->items.insert(w->items.begin() + static_cast<std::ptrdiff_t>(at), item);
    int index = static_cast<int>(at);
    if (w->selection >= index) ++w->selection;
    if (w->kind == Kind::TabControl && w->selection < 0) w->selection = 0;
    return index;
}

bool clearItems(Handle window) {
    Window* w = find(window);
    if (!w || !detail::hasItems(w->kind)) return false;
    w->items.clear();
    w->selection = -1;
    return true;
}

std::vector<std::string> items(Handle window) {
    return detail::readField(window, &Window::items, std::vector<std::string>());
}

int itemCount(Handle window) {
    return static_cast<int>(items(window).size());
}

int findItem(Handle window, const std::string& item) {
    Window* w = find(window);
    return w ? detail::findIndex(w->items, item) : -1;
}

int selection(Handle window) {
    return detail::readField(window, &Window::selection, -1);
}

bool setSelection(Handle window, int index) {
    Window* w = find(window);
    if (!w || !detail::hasItems(w->kind)) return false;
    if (index < 0 || index >= static_cast<int>(w->items.size())) index = -1;
    w->selection = index;
    // A combo box shows what is chosen in its edit field.
    if (w->kind == Kind::ComboBox) {
        w->text = index < 0 ? std::string() : w->items[index];
        collapseSelectionToEnd(w);
    }
    return true;
}

bool setTextSelection(Handle window, int start, int end) {
    Window* w = find(window);
    if (!w || !detail::hasEditText(w->kind)) return false;
    int length = detail::codePoints(w->text);
    if (end < 0) end = length;
    start = clampInt(start, 0, length);
    end = clampInt(end, 0, length);
    if (start > end) std::swap(start, end);
    w->selStart = start;
    w->selEnd = end;
    return true;
}

TextSelection textSelection(Handle window) {
    Window* w = find(window);
    TextSelection sel;
    if (!w) return sel;
    int length = detail::codePoints(w->text);
    sel.start = clampInt(w->selStart, 0, length);
    sel.end = clampInt(w->selEnd, sel.start, length);
    return sel;
}

std::string selectedText(Handle window) {
    Window* w = find(window);
    if (!w) return std::string();
    TextSelection sel = textSelection(window);
    std::size_t from = detail::byteOffset(w->text, sel.start);
    std::size_t to = detail::byteOffset(w->text, sel.end);
    return w->text.substr(from, to - from);
}

namespace {

// Sets a state and returns the one it had (false for an invalid handle).
bool swapState(Handle window, bool Window::*state, bool on) {
    bool previous = detail::readField(window, state, false);
    detail::writeField(window, state, on);
    return previous;
}

} // namespace

bool setEnabled(Handle window, bool enabled) {
    return swapState(window, &Window::enabled, enabled);
}

bool isEnabled(Handle window) {
    return detail::readField(window, &Window::enabled, false);
}

bool setVisible(Handle window, bool visible) {
    return swapState(window, &Window::visible, visible);
}

bool isVisible(Handle window) {
    return detail::readField(window, &Window::visible, false);
}

bool isUsable(Handle window) {
    Window* w = find(window);
    if (!w) return false;
    for (; w; w = find(w->parent))
        if (!w->enabled || !w->visible) return false;
    return true;
}

} // namespace ui
