// PlxStylesController: the plug-in's naming panel in the host's
// output-style editor (code 728, EPS and PDF styles). Its view reads
// [base name] + [separator] + [page number] + [suffix] with the two check
// boxes below, tagged as the panel's controls (2 base, 4 separator,
// 6 numbering, 8 suffix, 9 number before name, 10 page margins), loaded
// from the style's naming options; saveSettings writes them back into the
// style (the editor ended with 2, stylesPanelDone). Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include <cstdint>

#include "xt/xttypes.h"

@interface PlxStylesController : NSObject {
    NSView* _view;
    NSPopUpButton* _baseNameBtn;
    NSTextField* _separatorBtn;
    NSPopUpButton* _numberingBtn;
    NSTextField* _suffixBtn;
    NSButton* _pageMarginsBtn;
    NSButton* _numberBeforeNameBtn;
    OutputStyleRef _styleRef;
    uint32_t _mediaRef;
    id _container;
}
- (id)initWithStyleRef:(OutputStyleRef)styleRef mediaRef:(uint32_t)mediaRef;
- (NSView*)view;
- (NSString*)title;
// The editor's container the panel lives in (not retained: it owns the panel).
- (void)setParent:(id)container;
// Writes the options the controls show into the style. A separator or
// suffix longer than 31 bytes is stored empty rather than cut.
- (void)saveSettings;
@end
