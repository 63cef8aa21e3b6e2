#include "plx_export_panel.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "dlg_cocoa.h"
#include "dlg_cocoa_views.h"
#include "my_pool.h"
#include "plugin/dialogs/dialog_builder.h"
#include "plugin/dialogs/msgbox.h"
#include "plugin/export/export_dialog.h"
#include "plugin/support/bounded.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/paths.h"

namespace {

// The longest page text the panel takes, in bytes.
constexpr size_t kPageTextLimit = 249;
// The main menu's index of the host's menu that opens its output-style editor.
constexpr NSInteger kStylesMenuIndex = 2;

template <typename T> T* outlet(PlxWindow view, int32_t controlId) {
    id object = objectOf(getControl(view, controlId));
    return [object isKindOfClass:[T class]] ? static_cast<T*>(object) : nil;
}

// Runs the panel in `folder` with `name` in its name field. A Mac build
// sets both and runs it ([panel setDirectoryURL:[NSURL fileURLWithPath:
// folder]]; [panel setNameFieldStringValue:name]; return [panel
// runModal];); GNUstep drops a name set before the run and takes it only
// with the run itself.
NSInteger runSavePanel(NSSavePanel* panel, NSString* folder, NSString* name) {
#ifdef GNUSTEP
    return [panel runModalForDirectory:folder file:name];
#else
    [panel setDirectoryURL:[NSURL fileURLWithPath:folder]];
    [panel setNameFieldStringValue:name];
    return [panel runModal];
#endif
}

// The column at the right (All, the offset field, Edit) is placed for the
// Windows dialog font; in the Mac's font "Edit…" may need more. The column
// then grows to the left as far as its widest button needs, the label in
// front of the offset field moves with it (and grows to the left as far as
// its own text needs), and the style list gives up the room.
void fitRightColumn(NSButton* all, NSTextField* offset, NSButton* edit, NSPopUpButton* styles) {
    if (!all || !offset || !edit || !styles) return;
    CGFloat need = std::max([[all cell] cellSize].width, [[edit cell] cellSize].width);
    CGFloat delta = std::max<CGFloat>(0, std::ceil(need - [edit frame].size.width));
    NSRect offsetFrame = [offset frame];
    for (NSView* view in [[offset superview] subviews]) {
        if (![view isKindOfClass:[NSTextField class]] || [(NSTextField*)view isEditable]) continue;
        NSRect f = [view frame];
        bool sameRow = NSMinY(f) < NSMaxY(offsetFrame) && NSMinY(offsetFrame) < NSMaxY(f);
        if (!sameRow || NSMaxX(f) > NSMinX(offsetFrame)) continue;
        // The label ends where it ended, and is as wide as its text needs.
        CGFloat wider = std::max<CGFloat>(0, std::ceil([[(NSTextField*)view cell] cellSize].width -
                                                       f.size.width));
        [view setFrame:NSMakeRect(f.origin.x - delta - wider, f.origin.y, f.size.width + wider,
                                  f.size.height)];
    }
    if (delta <= 0) return;
    for (NSView* view : {static_cast<NSView*>(all), static_cast<NSView*>(offset),
                         static_cast<NSView*>(edit)}) {
        NSRect f = [view frame];
        [view setFrame:NSMakeRect(f.origin.x - delta, f.origin.y, f.size.width + delta,
                                  f.size.height)];
    }
    NSRect f = [styles frame];
    [styles setFrameSize:NSMakeSize(f.size.width - delta, f.size.height)];
}

} // namespace

@implementation PlxExportPanel

- (void)dealloc {
    [_proposedName release];
    [_view release];
    [super dealloc];
}

- (NSInteger)runModal:(ExportData*)exp {
    _exp = exp;
    _self = registerHandle(self, 0);
    [self setupView];

    char folder[kMyPathSize];
    copyText(folder, sizeof folder, exp->exportPath);
    if (!getFolder(folder)) folder[0] = 0;
    char title[kMyStringSize];
    [self setTitle:nsText(getString(exp->mode == 1 ? "exportBoxCmd" : "exportPagesCmd", title))];
    NSInteger result = runSavePanel(self, nsText(folder), _proposedName ? _proposedName : @"");
    if (result == NSOKButton) exportDialogAccepted([[[self URL] path] UTF8String], exp);

    [self setAccessoryView:nil];
    forgetHandles(_viewHandle);
    _viewHandle = 0;
    forgetHandles(_self);
    _self = 0;
    return result;
}

- (void)setupView {
    [_view release];
    _view = [[PlxUserPane alloc] initWithFrame:NSMakeRect(0, 0, 0, 0)];
    _viewHandle = registerHandle(_view, 0);
    buildWindowFromDescription(_viewHandle, "25051");
    _pagesField = outlet<NSTextField>(_viewHandle, kExpPages);
    _allBtn = outlet<NSButton>(_viewHandle, kExpAll);
    _absoluteBtn = outlet<NSButton>(_viewHandle, kExpAbsolute);
    _offsetField = outlet<NSTextField>(_viewHandle, kExpOffset);
    _baseNameBtn = outlet<NSButton>(_viewHandle, kExpBaseName);
    _pageMarginsBtn = outlet<NSButton>(_viewHandle, kExpPageMargins);
    _stylesBtn = outlet<NSPopUpButton>(_viewHandle, kExpStyles);
    _editStyleBtn = outlet<NSButton>(_viewHandle, kExpEditStyle);
    fitRightColumn(_allBtn, _offsetField, _editStyleBtn, _stylesBtn);
    widenToFit(_view);
    const struct {
        NSControl* control;
        SEL action;
    } actions[] = {{_allBtn, @selector(doAllBtn:)},
                   {_absoluteBtn, @selector(doAbsoluteBtn:)},
                   {_baseNameBtn, @selector(doBaseNameBtn:)},
                   {_stylesBtn, @selector(doStylesBtn:)},
                   {_editStyleBtn, @selector(doEditStyleBtn:)}};
    for (const auto& a : actions) {
        [a.control setTarget:self];
        [a.control setAction:a.action];
    }
    [self setAccessoryView:_view];

    exportPanelOpened(_self, _viewHandle, _exp);
    // The name field shows the base name with the style's suffix.
    [self doBaseNameBtn:nil];
}

- (void)setBaseName:(const char*)name {
    NSString* text = [nsText(name) stringByAppendingString:nsText(_exp ? _exp->styleData.suffix : "")];
    [_proposedName release];
    _proposedName = [text retain];
    [self setNameFieldStringValue:text];
}

- (void)doAllBtn:(id)sender {
    (void)sender;
    exportPanelCommand(_self, _viewHandle, kExpAll, _exp);
}

- (void)doAbsoluteBtn:(id)sender {
    (void)sender;
    exportPanelCommand(_self, _viewHandle, kExpAbsolute, _exp);
}

- (void)doBaseNameBtn:(id)sender {
    (void)sender;
    exportPanelCommand(_self, _viewHandle, kExpBaseName, _exp);
}

- (void)doStylesBtn:(id)sender {
    (void)sender;
    exportPanelCommand(_self, _viewHandle, kExpStyles, _exp);
    [self doBaseNameBtn:nil];
}

- (void)doEditStyleBtn:(id)sender {
    (void)sender;
    // The host's output-style editor is the action "outputStylesAction:" of
    // items in its third menu. The item's selector was made by the host's
    // code: compared by name, as selectors of two modules are not always
    // one pointer (the GNU runtime's carry their types).
    NSMenu* mainMenu = [NSApp mainMenu];
    if ([mainMenu numberOfItems] <= kStylesMenuIndex) {
        NSBeep();
        return;
    }
    NSMenu* menu = [(NSMenuItem*)[mainMenu itemAtIndex:kStylesMenuIndex] submenu];
    for (NSMenuItem* item in [menu itemArray])
        if (sel_isEqual([item action], @selector(outputStylesAction:)))
            [NSApp sendAction:[item action] to:[item target] from:item];
    [self doStylesBtn:nil];
}

- (void)ok:(id)sender {
    char* pages = getControlText(getControl(_viewHandle, kExpPages));
    bool tooLong = !pages || std::strlen(pages) > kPageTextLimit;
    myfree(pages);
    if (tooLong) {
        // Too long to be a page range the panel takes: refused as one that
        // is not valid, with the same message.
        msgBox("kNoValidPageNum");
        focusControl(getControl(_viewHandle, kExpPages), 32);
        return;
    }
    if (!exportPanelConfirmed(_viewHandle, _exp)) return;

    // A file of the chosen name is being replaced (the save panel has it
    // confirmed): the old one goes before the panel closes.
    NSString* chosen = [[[self directoryURL] path]
        stringByAppendingPathComponent:[self nameFieldStringValue]];
    NSFileManager* files = [NSFileManager defaultManager];
    if ([chosen length] && [files fileExistsAtPath:chosen]) [files removeItemAtPath:chosen error:NULL];
    [super ok:sender];
}

- (void)cancel:(id)sender {
    [super cancel:sender];
}

@end

bool getExportPath2(ExportData* data) {
    MyPool pool;
    PlxExportPanel* panel = [[PlxExportPanel alloc] init];
    bool confirmed = [panel runModal:data] == NSOKButton;
    [panel release];
    return confirmed;
}

void setSaveDialogFileName(PlxWindow dialog, const char* name) {
    id panel = objectOf(dialog);
    if ([panel isKindOfClass:[PlxExportPanel class]]) [(PlxExportPanel*)panel setBaseName:name];
}
