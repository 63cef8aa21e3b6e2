// PlxExportPanel: the export dialog on macOS, a save panel with the export
// options as its accessory view (built from the window description
// "25051"; its controls carry their ids as tags: 3 pages, 4 All, 5
// absolute, 6 offset, 7 base name, 8 page margins, 9 styles, 10 edit
// style). The name field shows the base name with the chosen style's
// suffix; ok: keeps the panel open on a page text that is not valid.
// Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include "plugin/dialogs/dialogs.h"
#include "plugin/export/export_data.h"

@interface PlxExportPanel : NSSavePanel {
    PlxWindow _self;
    PlxWindow _viewHandle;
    NSView* _view;
    ExportData* _exp;
    NSString* _proposedName;
    NSTextField* _pagesField;
    NSButton* _allBtn;
    NSButton* _absoluteBtn;
    NSTextField* _offsetField;
    NSButton* _baseNameBtn;
    NSButton* _pageMarginsBtn;
    NSPopUpButton* _stylesBtn;
    NSButton* _editStyleBtn;
}
// Runs the panel for the record: NSOKButton when the user confirmed, with
// the record holding the panel's values and the chosen path.
- (NSInteger)runModal:(ExportData*)exp;
- (void)setupView;
// The name field: the base name followed by the chosen style's suffix.
- (void)setBaseName:(const char*)name;

- (void)doAllBtn:(id)sender;
- (void)doAbsoluteBtn:(id)sender;
- (void)doBaseNameBtn:(id)sender;
- (void)doStylesBtn:(id)sender;
- (void)doEditStyleBtn:(id)sender;
- (void)ok:(id)sender;
- (void)cancel:(id)sender;
@end
