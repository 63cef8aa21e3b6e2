#include "plugin/dialogs/dialog_builder.h"

#include "plugin/dialogs/native_controls.h"
#include "xt/xttypes.h"

#include <cstdint>
#include <cstring>

namespace {

// The height of a closed drop-down field in the dialog font; the height
// written in a description is that of the list when it is open.
constexpr int32_t kClosedComboHeight = 21;
constexpr int32_t kButtonHeight = 24;
constexpr int32_t kEditHeight = 19;
constexpr int32_t kStaticHeight = 16;

const char* const kKnownTypes[] = {"push", "cbox", "rdio", "comb", "etxt", "eutx", "stxt", "grpb",
                                   "lbox", "popb", "prgb", "rgrp", "sepa", "tabs", "upan"};

// Coordinates come from descriptions anyone may write; a shift that would
// pass the ends of the 32-bit range stops there instead of wrapping round.
int32_t shifted(int32_t value, int64_t by) {
    int64_t r = static_cast<int64_t>(value) + by;
    if (r > INT32_MAX) return INT32_MAX;
    if (r < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(r);
}

bool is(const DescControl& c, const char* type) {
    return std::strcmp(c.type, type) == 0;
}

bool isContainer(const DescControl& c) {
    return is(c, "rgrp") || is(c, "tabs") || is(c, "upan");
}

} // namespace

bool isKnownControlType(const char* type) {
    if (!type) return false;
    for (const char* known : kKnownTypes)
        if (std::strcmp(type, known) == 0) return true;
    return false;
}

DescRect adjustedRect(const DescControl& c) {
    DescRect r = c.rect;
    if (is(c, "push") || is(c, "cbox") || is(c, "rdio")) {
        r.y = shifted(r.y, -3);
        r.h = kButtonHeight;
    } else if (is(c, "comb")) {
        r.x = shifted(r.x, 3);
        r.w = shifted(r.w, -5);
        r.h = kClosedComboHeight;
    } else if (is(c, "etxt") || is(c, "eutx")) {
        r.y = shifted(r.y, -3);
        if (!c.multi) r.h = kEditHeight;
    } else if (is(c, "stxt")) {
        bool selectable = c.extras[kDescExtraSap][0] != 0;
        if (!c.multi && !selectable) r.h = kStaticHeight;
    } else if (is(c, "grpb")) {
        if (c.text[0]) r.y = shifted(r.y, -4);
    } else if (is(c, "popb")) {
        r.x = shifted(r.x, 3);
        r.y = shifted(r.y, -2);
        r.w = shifted(r.w, -5);
        r.h = kClosedComboHeight;
    } else if (is(c, "rgrp") || is(c, "sepa")) {
        r.y = shifted(r.y, -3);
    }
    return r;
}

int32_t comboListHeight(const DescControl& c) {
    if (is(c, "comb")) return 100;
    if (is(c, "popb")) return 200;
    return 0;
}

void buildWindow(PlxWindow window, const WindowDesc& desc) {
    setWindowFrame(window, desc.rect);
    setWindowTitle(window, desc.name);

    DescControl rootPane;
    std::memcpy(rootPane.type, "upan", 5);
    rootPane.id = 0;
    DescRect whole{0, 0, desc.rect.w, desc.rect.h};
    PlxWindow container = createNativeControl(window, rootPane, whole, 0);
    if (!container) container = window;

    bool groupOpen = false;
    int32_t originX = 0;
    int32_t originY = 0;
    for (const DescControl& c : desc.controls) {
        if (is(c, "####")) {
            if (groupOpen) {
                groupOpen = false;
                originX = originY = 0;
            } else {
                container = containerParent(container);
            }
            continue;
        }
        if (!isKnownControlType(c.type)) continue;
        DescRect r = adjustedRect(c);
        r.x = shifted(r.x, originX);
        r.y = shifted(r.y, originY);
        PlxWindow control = createNativeControl(container, c, r, comboListHeight(c));
        if (!control) continue;
        if (c.cmd[0])
            setValueProperty(control, xtFourCharCode(kPropCommand), xtFourCharCode(c.cmd));
        setDialogFont(control, kDlgFontNormal);
        for (int i = 0; i < kDescExtraCount; ++i)
            if (c.extras[i][0])
                setStringProperty(control, xtFourCharCode(kDescExtraCodes[i]), c.extras[i]);
        if (is(c, "grpb")) {
            groupOpen = true;
            originX = r.x;
            originY = r.y;
        } else if (isContainer(c)) {
            container = control;
        }
    }
}

bool buildWindowFromDescription(PlxWindow window, const char* name) {
    WindowDesc desc;
    if (!loadWindowDescription(name, &desc)) return false;
    buildWindow(window, desc);
    return true;
}
