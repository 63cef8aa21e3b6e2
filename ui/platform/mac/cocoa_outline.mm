// Cocoa windows as outlines: each view as the person observes it
// (cocoa_person.h), placed by its bounds in the window's coordinates.
#include "ui/platform/mac/cocoa_outline.h"

#include "ui/platform/mac/cocoa_person.h"

namespace cocoaperson {

namespace {

int whole(CGFloat v) {
    // Beyond what a window can be: kept in an int, the picture clamps it.
    if (v > 1e8) return 100000000;
    if (v < -1e8) return -100000000;
    return static_cast<int>(v < 0 ? v - 0.5 : v + 0.5);
}

// A rectangle in the window's coordinates (bottom-left origin), turned
// into the frame's top-left coordinates.
ui::Rect flipped(NSRect r, CGFloat frameHeight) {
    return ui::Rect{whole(r.origin.x), whole(frameHeight - r.origin.y - r.size.height),
                    whole(r.size.width), whole(r.size.height)};
}

// A list drawn by a view of the plug-in's own: it answers with its items
// and the chosen one, as its class is not known here.
bool describeList(NSView* view, ui::ControlInfo* info) {
    if (![view respondsToSelector:@selector(items)] ||
        ![view respondsToSelector:@selector(selectedIndex)])
        return false;
    id items = [view performSelector:@selector(items)];
    if (![items isKindOfClass:[NSArray class]]) return false;
    info->kind = ui::Kind::ListBox;
    for (id item in (NSArray*)items) info->items.push_back(utf8([item description]));
    NSInteger (*selected)(id, SEL) =
        reinterpret_cast<NSInteger (*)(id, SEL)>([view methodForSelector:@selector(selectedIndex)]);
    NSInteger index = selected(view, @selector(selectedIndex));
    info->selection = index < 0 || index >= static_cast<NSInteger>(info->items.size())
                          ? -1
                          : static_cast<int>(index);
    return true;
}

void addViews(NSView* parent, CGFloat frameHeight, ui::WindowOutline* out) {
    for (NSView* view in childViews(parent)) {
        if ([view isHidden]) continue;
        ui::ControlInfo info = describeView(view);
        bool list = info.kind == ui::Kind::Pane && describeList(view, &info);
        // A plain view only holds controls; what it holds is drawn.
        if (info.kind != ui::Kind::Pane) {
            NSRect r = [view convertRect:[view bounds] toView:nil];
            out->controls.push_back(ui::outlineControl(info, flipped(r, frameHeight)));
        }
        if (!list) addViews(view, frameHeight, out);
    }
}

} // namespace

bool outline(NSWindow* window, ui::WindowOutline* out) {
    if (!window) return false;
    *out = ui::WindowOutline{};
    out->title = utf8([window title]);
    NSRect frame = [window frame];
    NSScreen* screen = [window screen] ? [window screen] : [NSScreen mainScreen];
    CGFloat screenHeight = screen ? [screen frame].size.height : frame.size.height;
    out->frame = flipped(frame, screenHeight);
    // The content area in the frame; the window's own coordinates start at
    // the frame's bottom-left corner.
    NSRect content = [window contentRectForFrameRect:frame];
    content.origin.x -= frame.origin.x;
    content.origin.y -= frame.origin.y;
    out->content = flipped(content, frame.size.height);
    NSView* top = [window contentView];
    if (!top) return true;
    // A save panel's accessory controls come first, as a person finds
    // them first.
    if (isSavePanel(window) && [(NSSavePanel*)window accessoryView]) {
        NSView* accessory = [(NSSavePanel*)window accessoryView];
        if (![accessory isHiddenOrHasHiddenAncestor]) addViews(accessory, frame.size.height, out);
    }
    addViews(top, frame.size.height, out);
    return true;
}

} // namespace cocoaperson
