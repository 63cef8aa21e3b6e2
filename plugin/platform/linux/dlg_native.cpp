// Making the native control for one control of a window description.
#include "plugin/dialogs/native_controls.h"
#include "plugin/platform/linux/dlg_linux.h"

#include <cstring>

namespace {

bool is(const DescControl& c, const char* type) {
    return std::strcmp(c.type, type) == 0;
}

std::uint32_t justStyle(const DescControl& c) {
    if (c.just == kJustCenter) return ui::style::AlignCenter;
    if (c.just == kJustRight) return ui::style::AlignRight;
    return 0;
}

std::uint32_t editStyle(const DescControl& c) {
    std::uint32_t s = ui::style::TabStop | justStyle(c);
    if (c.multi) s |= ui::style::MultiLine | ui::style::WantReturn;
    if (c.pass) s |= ui::style::Password;
    // A read-only field has a plain border instead of the sunken edge.
    s |= c.readonly ? ui::style::ReadOnly | ui::style::Border : ui::style::ClientEdge;
    return s;
}

// Kind, class and styles for a type; false for a type the builder does not
// know.
bool describeKind(const DescControl& c, ui::CreateParams* p) {
    using namespace ui;
    if (is(c, "push")) {
        p->kind = Kind::PushButton;
        if (c.id == 1) p->style = style::DefaultButton;
    } else if (is(c, "cbox")) {
        p->kind = Kind::CheckBox;
    } else if (is(c, "rdio")) {
        p->kind = Kind::RadioButton;
    } else if (is(c, "comb")) {
        p->kind = Kind::ComboBox;
        p->style = style::TabStop;
        p->items = c.menu;
    } else if (is(c, "etxt") || is(c, "eutx")) {
        p->kind = Kind::Edit;
        p->style = editStyle(c);
    } else if (is(c, "stxt")) {
        if (c.extras[kDescExtraSap][0]) {
            // Selectable text: a read-only field without a border.
            p->kind = Kind::Edit;
            p->style = style::ReadOnly | justStyle(c);
        } else {
            p->kind = Kind::Static;
            p->style = justStyle(c);
            if (c.border || c.multi) p->style |= style::Border;
            if (c.multi) p->style |= style::MultiLine;
        }
    } else if (is(c, "grpb")) {
        p->kind = Kind::GroupBox;
    } else if (is(c, "lbox")) {
        p->kind = Kind::ListBox;
        p->style = style::ClientEdge;
    } else if (is(c, "popb")) {
        p->kind = Kind::Popup;
        p->style = style::TabStop;
        p->items = c.menu;
    } else if (is(c, "prgb")) {
        p->kind = Kind::ProgressBar;
    } else if (is(c, "rgrp")) {
        p->kind = Kind::Custom;
        p->className = kClassRadioGroup;
        p->text.clear();
    } else if (is(c, "sepa")) {
        p->kind = Kind::Custom;
        p->className = kClassSeparator;
    } else if (is(c, "tabs")) {
        p->kind = Kind::TabControl;
        p->style = style::ClientEdge;
        p->items = c.tabs;
    } else if (is(c, "upan")) {
        p->kind = Kind::Custom;
        p->className = kClassUserPane;
    } else {
        return false;
    }
    return true;
}

} // namespace

PlxWindow createNativeControl(PlxWindow container, const DescControl& c, const DescRect& r,
                              int32_t listHeight) {
    ui::CreateParams p;
    p.parent = uiHandle(container);
    p.id = c.id;
    p.rect = ui::Rect{r.x, r.y, r.w, r.h};
    p.text = c.text;
    if (c.cmd[0]) p.command = codeOf(c.cmd);
    try {
        if (!describeKind(c, &p)) return 0;
        if (p.kind == ui::Kind::Custom && !ui::isClassRegistered(p.className))
            registerDialogClasses();
        ui::Handle h = ui::createWindow(p);
        if (!h) return 0;
        // A popup shows the item that matches its title, else its first.
        if (p.kind == ui::Kind::Popup && !ui::setText(h, c.text)) ui::setSelection(h, 0);
        if (listHeight > 0) ui::setProp(h, "listHeight", listHeight);
        return h;
    } catch (...) {
        return 0;
    }
}

void setWindowFrame(PlxWindow window, const DescRect& client) {
    // Windows here have no decorations: the window is its client area. A
    // container a host hands over for a panel keeps the place the host gave it.
    ui::Handle h = uiHandle(window);
    ui::Rect r{client.x, client.y, client.w, client.h};
    if (!ui::isTopLevel(h)) {
        r.x = ui::rect(h).x;
        r.y = ui::rect(h).y;
    }
    ui::setRect(h, r);
}

PlxWindow containerParent(PlxWindow container) {
    ui::Handle h = uiHandle(container);
    if (ui::isTopLevel(h)) return container;
    ui::Handle parent = ui::parent(h);
    return parent ? parent : container;
}
