// Creating and destroying windows, the tree they form, their plain attributes,
// named properties and depth-first searches.
#include "system.h"
#include "window_internal.h"

#include "ui/messages.h"
#include "ui/window.h"

#include <algorithm>

namespace ui {
namespace detail {

namespace {

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) < lower(y);
    });
}

void collect(Handle root, std::vector<Handle>* out) {
    Window* w = find(root);
    if (!w) return;
    for (Handle child : w->children) {
        out->push_back(child);
        collect(child, out);
    }
}

} // namespace

void sortItems(std::vector<std::string>* items) {
    std::stable_sort(items->begin(), items->end(), lessNoCase);
}

std::size_t sortedPosition(const std::vector<std::string>& items, const std::string& item) {
    return std::upper_bound(items.begin(), items.end(), item, lessNoCase) - items.begin();
}

Handle create(const CreateParams& p, bool systemKind) {
    auto& s = sys();
    bool topLevel = isTopLevelKind(p.kind);
    if ((p.kind == Kind::MessageBox || p.kind == Kind::SaveDialog) && !systemKind) return 0;
    if (topLevel ? p.parent != kNoWindow : !find(p.parent)) return kNoWindow;
    ProcRef proc;
    if (p.kind == Kind::Custom) {
        auto it = s.classes.find(p.className);
        if (it == s.classes.end()) return kNoWindow;
        proc = it->second;
    }
    auto w = std::make_unique<Window>();
    Handle handle = s.nextHandle++;
    w->handle = handle;
    w->kind = p.kind;
    if (p.kind == Kind::Custom) w->className = p.className;
    w->parent = topLevel ? kNoWindow : p.parent;
    w->owner = topLevel ? topLevelOf(p.owner) : kNoWindow;
    w->id = p.id;
    w->command = p.command;
    w->rect = p.rect;
    w->text = p.text;
    w->style = p.style;
    w->proc = proc;
    if (hasItems(p.kind)) {
        w->items = p.items;
        if (p.style & style::Sorted) sortItems(&w->items);
        // A tab control always shows one of its tabs.
        if (p.kind == Kind::TabControl && !w->items.empty()) w->selection = 0;
        if (p.kind == Kind::ComboBox) w->selection = findIndex(w->items, w->text);
    }
    if (hasEditText(p.kind)) w->selStart = w->selEnd = codePoints(w->text);
    s.windows.emplace(handle, std::move(w));
    if (topLevel)
        s.zorder.insert(s.zorder.begin(), handle);
    else
        find(p.parent)->children.push_back(handle);
    Message create;
    create.msg = Msg::Create;
    sendMessage(handle, create);
    return handle;
}

Handle createCentred(Kind kind, const std::string& title, Handle owner, Size size) {
    Size screen = sys().screen;
    CreateParams p;
    p.kind = kind;
    p.owner = owner;
    p.text = title;
    p.rect = Rect{(screen.w - size.w) / 2, (screen.h - size.h) / 4, size.w, size.h};
    return create(p, true);
}

Handle topLevelOf(Handle handle) {
    Window* w = find(handle);
    while (w && w->parent != kNoWindow)
        w = find(w->parent);
    return w ? w->handle : kNoWindow;
}

int findIndex(const std::vector<std::string>& items, const std::string& item) {
    auto it = std::find(items.begin(), items.end(), item);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

} // namespace detail

using detail::find;
using detail::Window;

Handle createWindow(const CreateParams& params) {
    return detail::create(params, false);
}

Handle createControl(Handle parentWindow, Kind kind, int controlId, Rect r,
                     const std::string& title, std::uint32_t flags) {
    CreateParams p;
    p.kind = kind;
    p.parent = parentWindow;
    p.id = controlId;
    p.rect = r;
    p.text = title;
    p.style = flags;
    return createWindow(p);
}

bool destroyWindow(Handle window) {
    Window* w = find(window);
    if (!w || w->destroying) return false;
    w->destroying = true;
    auto& s = detail::sys();
    ++s.destroying;
    Message destroy;
    destroy.msg = Msg::Destroy;
    sendMessage(window, destroy);
    // Children go after their parent was told, each with its own subtree. A child
    // already on its way out (its own Destroy led here) finishes by itself.
    for (;;) {
        std::vector<Handle> pending;
        for (Handle child : find(window)->children) {
            Window* c = find(child);
            if (c && !c->destroying) pending.push_back(child);
        }
        if (pending.empty()) break;
        for (Handle child : pending)
            destroyWindow(child);
    }
    detail::removeTimers(window);
    detail::windowDestroyed(window);
    detail::forgetFocus(window);
    Handle parentHandle = find(window)->parent;
    if (Window* p = find(parentHandle)) {
        auto& kids = p->children;
        kids.erase(std::remove(kids.begin(), kids.end(), window), kids.end());
    }
    s.zorder.erase(std::remove(s.zorder.begin(), s.zorder.end(), window), s.zorder.end());
    s.windows.erase(window);
    --s.destroying;
    return true;
}

bool isWindow(Handle window) {
    return find(window) != nullptr;
}

Kind kind(Handle window) {
    return detail::readField(window, &Window::kind, Kind::Window);
}

std::string className(Handle window) {
    return detail::readField(window, &Window::className, std::string());
}

Handle parent(Handle window) {
    return detail::readField(window, &Window::parent, kNoWindow);
}

Handle owner(Handle window) {
    return detail::readField(window, &Window::owner, kNoWindow);
}

Handle topLevel(Handle window) {
    return detail::topLevelOf(window);
}

std::vector<Handle> children(Handle window) {
    return detail::readField(window, &Window::children, std::vector<Handle>());
}

bool isTopLevel(Handle window) {
    return isWindow(window) && parent(window) == kNoWindow;
}

int id(Handle window) {
    return detail::readField(window, &Window::id, -1);
}

bool setId(Handle window, int newId) {
    return detail::writeField(window, &Window::id, newId);
}

std::uint32_t command(Handle window) {
    return detail::readField(window, &Window::command, std::uint32_t(0));
}

bool setCommand(Handle window, std::uint32_t code) {
    return detail::writeField(window, &Window::command, code);
}

Rect rect(Handle window) {
    return detail::readField(window, &Window::rect, Rect());
}

bool setRect(Handle window, Rect r) {
    return detail::writeField(window, &Window::rect, r);
}

std::uint32_t styleFlags(Handle window) {
    return detail::readField(window, &Window::style, std::uint32_t(0));
}

bool setStyleFlags(Handle window, std::uint32_t flags) {
    return detail::writeField(window, &Window::style, flags);
}

bool hasStyle(Handle window, std::uint32_t flag) {
    return (styleFlags(window) & flag) != 0;
}

namespace {

// Value and string properties are two maps of one shape.
template <typename V> using PropMap = std::map<std::string, V> Window::*;

template <typename V>
bool putProp(Handle window, PropMap<V> map, const std::string& name, const V& v) {
    Window* w = find(window);
    if (!w) return false;
    (w->*map)[name] = v;
    return true;
}

template <typename V>
bool lookUpProp(Handle window, PropMap<V> map, const std::string& name, V* v) {
    Window* w = find(window);
    if (!w) return false;
    auto it = (w->*map).find(name);
    if (it == (w->*map).end()) return false;
    if (v) *v = it->second;
    return true;
}

template <typename V> bool dropProp(Handle window, PropMap<V> map, const std::string& name) {
    Window* w = find(window);
    return w && (w->*map).erase(name) > 0;
}

} // namespace

bool setProp(Handle window, const std::string& name, std::intptr_t v) {
    return putProp(window, &Window::props, name, v);
}

bool getProp(Handle window, const std::string& name, std::intptr_t* v) {
    return lookUpProp(window, &Window::props, name, v);
}

std::intptr_t prop(Handle window, const std::string& name, std::intptr_t fallback) {
    std::intptr_t v = fallback;
    getProp(window, name, &v);
    return v;
}

bool removeProp(Handle window, const std::string& name) {
    return dropProp(window, &Window::props, name);
}

bool setStringProp(Handle window, const std::string& name, const std::string& v) {
    return putProp(window, &Window::stringProps, name, v);
}

bool getStringProp(Handle window, const std::string& name, std::string* v) {
    return lookUpProp(window, &Window::stringProps, name, v);
}

bool removeStringProp(Handle window, const std::string& name) {
    return dropProp(window, &Window::stringProps, name);
}

std::vector<Handle> descendants(Handle root) {
    std::vector<Handle> out;
    detail::collect(root, &out);
    return out;
}

namespace {

template <typename Match> Handle firstDescendant(Handle root, Match match) {
    for (Handle h : descendants(root))
        if (match(*find(h))) return h;
    return kNoWindow;
}

} // namespace

Handle findControl(Handle root, int controlId) {
    return firstDescendant(root, [&](const Window& w) { return w.id == controlId; });
}

Handle findControlByCommand(Handle root, std::uint32_t code) {
    if (code == 0) return kNoWindow;
    return firstDescendant(root, [&](const Window& w) { return w.command == code; });
}

Handle findControlByText(Handle root, const std::string& title) {
    return firstDescendant(root, [&](const Window& w) { return w.text == title; });
}

} // namespace ui
