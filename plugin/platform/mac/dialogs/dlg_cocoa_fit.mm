#include "dlg_cocoa.h"

namespace {

bool growsRight(NSView* view) {
    if ([view isKindOfClass:[NSPopUpButton class]]) return false;
    if ([view isKindOfClass:[NSButton class]]) {
        // Check boxes and radio buttons have no border; push buttons centre
        // their titles, and growing one to the right would move its title
        // off the description's place.
        NSButton* button = (NSButton*)view;
        return [[button title] length] > 0 && ![button isBordered];
    }
    if ([view isKindOfClass:[NSTextField class]]) {
        // A label of several lines (bordered, as the toolkit makes those)
        // wraps within its frame by design.
        NSTextField* label = (NSTextField*)view;
        return ![label isEditable] && ![label isBezeled] && ![label isBordered] &&
               [label alignment] == NSLeftTextAlignment && [[label stringValue] length] > 0;
    }
    return false;
}

bool roomFor(NSView* view, NSRect wanted) {
    NSView* parent = [view superview];
    if (NSMaxX(wanted) > NSMaxX([parent bounds])) return false;
    for (NSView* other in [parent subviews]) {
        if (other == view || [other isHidden]) continue;
        // Only what the wider frame newly covers counts: a container the
        // control already lay in stays one.
        if (NSIntersectsRect([other frame], wanted) && !NSIntersectsRect([other frame], [view frame]))
            return false;
    }
    return true;
}

} // namespace

void widenToFit(NSView* container) {
    for (NSView* view in [container subviews]) {
        widenToFit(view);
        if ([view isHidden] || !growsRight(view)) continue;
        NSRect frame = [view frame];
        CGFloat need = [[(NSControl*)view cell] cellSize].width;
        if (need <= frame.size.width) continue;
        NSRect wanted = frame;
        wanted.size.width = need;
        if (roomFor(view, wanted)) [view setFrame:wanted];
    }
}
