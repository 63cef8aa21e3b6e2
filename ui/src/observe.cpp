// Windows and their controls as data and as a readable dump.
#include "system.h"

#include "ui/focus.h"
#include "ui/observe.h"
#include "ui/window.h"

namespace ui {

namespace {

ControlInfo observeTree(Handle window) {
    ControlInfo info;
    detail::Window* w = detail::find(window);
    if (!w) return info;
    info.handle = window;
    info.kind = w->kind;
    info.className = w->className;
    info.id = w->id;
    info.command = w->command;
    info.rect = w->rect;
    info.text = text(window);
    info.value = value(window);
    info.enabled = w->enabled;
    info.visible = w->visible;
    info.focused = focus() == window;
    info.style = w->style;
    info.items = w->items;
    info.selection = w->selection;
    for (Handle child : children(window))
        info.children.push_back(observeTree(child));
    return info;
}

} // namespace

ControlInfo observe(Handle window) {
    ControlInfo info = observeTree(window);
    const ForeignControls& foreign = detail::sys().foreign;
    if (info.handle && foreign.observe && isTopLevel(window))
        foreign.observe(window, &info, foreign.user);
    return info;
}

void setForeignControls(const ForeignControls* controls) {
    detail::sys().foreign = controls ? *controls : ForeignControls();
}

namespace {

void describeInto(const ControlInfo& c, int depth, std::string* out) {
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    line += kindName(c.kind);
    if (c.kind == Kind::Custom) line += "(" + c.className + ")";
    line += " #" + std::to_string(c.id);
    if (c.command) line += " '" + fourCCText(c.command) + "'";
    if (!c.text.empty()) line += " " + detail::quoted(c.text);
    line += " rect(" + std::to_string(c.rect.x) + "," + std::to_string(c.rect.y) + "," +
            std::to_string(c.rect.w) + "," + std::to_string(c.rect.h) + ")";
    bool valued = c.kind == Kind::CheckBox || c.kind == Kind::RadioButton ||
                  c.kind == Kind::ProgressBar || c.kind == Kind::Custom;
    if (valued) line += " value=" + std::to_string(c.value);
    if (!c.items.empty()) {
        line += " items=[";
        for (std::size_t i = 0; i < c.items.size(); ++i)
            line += (i ? ", " : "") + detail::quoted(c.items[i]);
        line += "] selection=" + std::to_string(c.selection);
    }
    if (!c.enabled) line += " disabled";
    if (!c.visible) line += " hidden";
    if (c.focused) line += " focused";
    *out += line + "\n";
    for (const ControlInfo& child : c.children)
        describeInto(child, depth + 1, out);
}

} // namespace

std::string describe(Handle window) {
    std::string out;
    if (isWindow(window)) describeInto(observe(window), 0, &out);
    return out;
}

} // namespace ui
