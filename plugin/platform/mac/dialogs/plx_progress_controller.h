// PlxProgressController: the progress window of an export run on macOS.
// The panel is made from the window description "Progress" (the bar is
// the control with the command "prog", Cancel the control tagged 2); the
// run outputs one page after the other in a modal session, handling the
// window's events between pages, so Cancel stops the run after the page
// under way. Objective-C++ only.
#pragma once

#import <AppKit/AppKit.h>

#include <cstdint>

#include "plugin/export/export_data.h"

class MyArray;
@class PlxDlgController;

@interface PlxProgressController : NSObject {
    PlxDlgController* _dlg;
    NSPanel* _progressPanel;
    NSProgressIndicator* _progressBar;
    NSTextField* _pageText;
}
// Runs the page list for the record; returns 1.
- (int16_t)runModal:(const MyArray*)pages exportData:(ExportData*)data title:(const char*)titleKey;
// Cancel: aborts the modal session; the run notices it before the next page.
- (void)doCancelBtn:(id)sender;
@end
