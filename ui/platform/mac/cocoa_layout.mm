#include "ui/platform/mac/cocoa_layout.h"

#include <cstdio>

#include "ui/platform/mac/cocoa_person.h"

namespace cocoaperson {

namespace {

// The part of the window whose layout is looked at.
NSView* laidOut(NSWindow* window) {
    if (isSavePanel(window)) return [(NSSavePanel*)window accessoryView];
    return [window contentView];
}

// Visible: not hidden, of some size, and at least partly inside its
// parent (a control put aside outside it is not seen).
bool shown(NSView* view) {
    NSRect frame = [view frame];
    if ([view isHidden] || frame.size.width <= 0 || frame.size.height <= 0) return false;
    NSView* parent = [view superview];
    return !parent || NSIntersectsRect(frame, [parent bounds]);
}

bool holdsViews(NSView* view) {
    return [view isKindOfClass:[NSBox class]] || [view isKindOfClass:[NSTabView class]] ||
           ([[view subviews] count] > 0 && ![view isKindOfClass:[NSControl class]]);
}

// A view's tag where it has one (a plain view answers -1).
long tagOf(NSView* view) {
    return static_cast<long>([view tag]);
}

std::string line(const char* format, long tag, const std::string& text, double need, double have) {
    char out[1200];
    std::snprintf(out, sizeof out, format, tag, text.c_str(), need, have);
    return out;
}

void checkTexts(NSView* view, std::vector<std::string>* found) {
    for (NSView* child in [view subviews]) {
        if (!shown(child)) continue;
        checkTexts(child, found);
        NSSize have = [child frame].size;
        if ([child isKindOfClass:[NSBox class]]) {
            NSBox* box = (NSBox*)child;
            if ([box titlePosition] == NSNoTitle || [[box title] length] == 0) continue;
            NSDictionary* font = @{NSFontAttributeName : [box titleFont]};
            CGFloat need = [[box title] sizeWithAttributes:font].width;
            // The frame's corners on either side of the title.
            if (need > have.width - 16)
                found->push_back(line("box %ld \"%s\" needs %.0f points, has %.0f", tagOf(child),
                                      utf8([box title]), need, have.width - 16));
            continue;
        }
        if ([child isKindOfClass:[NSPopUpButton class]] || [child isKindOfClass:[NSComboBox class]])
            continue;
        if ([child isKindOfClass:[NSButton class]]) {
            NSButton* button = (NSButton*)child;
            // An image button (the alert's icon) shows no title.
            if ([[button title] length] == 0 || [button imagePosition] == NSImageOnly) continue;
            CGFloat need = [[button cell] cellSize].width;
            if (need > have.width)
                found->push_back(line("button %ld \"%s\" needs %.0f points, has %.0f", tagOf(child),
                                      utf8([button title]), need, have.width));
            continue;
        }
        if ([child isKindOfClass:[NSTextField class]]) {
            NSTextField* field = (NSTextField*)child;
            if ([field isEditable] || [[field stringValue] length] == 0) continue;
            NSCell* cell = [field cell];
            NSSize one = [cell cellSize];
            if (one.width <= have.width) {
                if (one.height > have.height)
                    found->push_back(line("label %ld \"%s\" needs %.0f points of height, has %.0f",
                                          tagOf(child), utf8([field stringValue]), one.height,
                                          have.height));
            } else if (![cell wraps]) {
                found->push_back(line("label %ld \"%s\" needs %.0f points, has %.0f", tagOf(child),
                                      utf8([field stringValue]), one.width, have.width));
            } else {
                // A label that wraps must hold all its lines, each word on
                // a line of its own at most.
                NSFont* font = [cell font];
                NSDictionary* attributes = @{NSFontAttributeName : font};
                NSString* text = [field stringValue];
                CGFloat insets = one.width - [text sizeWithAttributes:attributes].width;
                CGFloat room = have.width - insets;
                CGFloat space = [@" " sizeWithAttributes:attributes].width;
                CGFloat used = 0;
                int lines = 1;
                for (NSString* word in [text componentsSeparatedByString:@" "]) {
                    CGFloat w = [word sizeWithAttributes:attributes].width;
                    if (w > room) {
                        found->push_back(line("label %ld \"%s\" needs %.0f points, has %.0f",
                                              tagOf(child), utf8(text), w + insets, have.width));
                        break;
                    }
                    if (used > 0 && used + space + w > room) {
                        ++lines;
                        used = w;
                    } else {
                        used += (used > 0 ? space : 0) + w;
                    }
                }
                CGFloat lineHeight = [font defaultLineHeightForFont];
                CGFloat need = one.height + (lines - 1) * lineHeight;
                if (need > have.height)
                    found->push_back(line("label %ld \"%s\" needs %.0f points of height, has %.0f",
                                          tagOf(child), utf8(text), need, have.height));
            }
        }
    }
}

void checkOverlaps(NSView* parent, std::vector<std::string>* found) {
    std::vector<NSView*> controls;
    for (NSView* child in [parent subviews]) {
        if (!shown(child)) continue;
        if (holdsViews(child))
            checkOverlaps(child, found);
        else
            controls.push_back(child);
    }
    for (size_t i = 0; i < controls.size(); ++i) {
        for (size_t j = i + 1; j < controls.size(); ++j) {
            NSRect both = NSIntersectionRect([controls[i] frame], [controls[j] frame]);
            if (both.size.width <= 0 || both.size.height <= 0) continue;
            char out[160];
            std::snprintf(out, sizeof out, "controls %ld and %ld overlap", tagOf(controls[i]),
                          tagOf(controls[j]));
            found->push_back(out);
        }
    }
}

} // namespace

std::vector<std::string> textsNotFitting(NSWindow* window) {
    std::vector<std::string> found;
    if (NSView* view = laidOut(window)) checkTexts(view, &found);
    return found;
}

std::vector<std::string> overlappingControls(NSWindow* window) {
    std::vector<std::string> found;
    if (NSView* view = laidOut(window)) checkOverlaps(view, &found);
    return found;
}

} // namespace cocoaperson
