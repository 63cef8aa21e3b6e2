#include "plx_progress_controller.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "dlg_cocoa.h"
#include "my_pool.h"
#include "plx_dlg_controller.h"
#include "trim_box.h"
#include "plugin/core/xt_groups.h"
#include "plugin/core/xt_wrappers.h"
#include "plugin/export/export_progress.h"
#include "plugin/support/log.h"
#include "plugin/support/myarray.h"
#include "plugin/support/mystrings.h"
#include "plugin/support/unicode.h"
#include "xt/xtoutput.h"

namespace {

// Output flags of each page's job on macOS.
constexpr int32_t kExportOutputFlags = 0xD85;
constexpr int32_t kCancelButton = 2;
constexpr int32_t kPageText = 4;
NSString* const kEscapeKey = @"\033";

} // namespace

@implementation PlxProgressController

- (id)init {
    self = [super init];
    if (!self) return nil;
    _dlg = [[PlxDlgController alloc] initWithName:"Progress" user:nullptr];
    _progressPanel = [_dlg panel];
    PlxWindow window = [_dlg window];
    id bar = objectOf(getControl(window, static_cast<int32_t>(xtFourCharCode("prog"))));
    if ([bar isKindOfClass:[NSProgressIndicator class]]) _progressBar = bar;
    id text = objectOf(getControl(window, kPageText));
    if ([text isKindOfClass:[NSTextField class]]) _pageText = text;
    id cancel = objectOf(getControl(window, kCancelButton));
    if ([cancel isKindOfClass:[NSButton class]]) {
        [(NSButton*)cancel setTarget:self];
        [(NSButton*)cancel setAction:@selector(doCancelBtn:)];
        [(NSButton*)cancel setKeyEquivalent:kEscapeKey];
    }
    return self;
}

- (void)dealloc {
    [_dlg release];
    [super dealloc];
}

- (int16_t)runModal:(const MyArray*)pages exportData:(ExportData*)data title:(const char*)titleKey {
    if (!_progressPanel || !data) return 1;
    std::string title = localizeString(titleKey);
    [_progressPanel setTitle:nsText(title.c_str())];
    char format[kMyStringSize];
    getString("kProgress", format);

    NSModalSession session = [NSApp beginModalSessionForWindow:_progressPanel];
    int32_t count = pages ? pages->count() : 0;
    // The bar counts the pages begun, a step before each page, so it runs
    // to the count: ending at the count less one showed it full while the
    // last page was still being written, and a run of one page had an
    // empty range.
    [_progressBar setMinValue:0];
    [_progressBar setMaxValue:count];
    [_progressBar setDoubleValue:0];
    for (int32_t i = 0; i < count; ++i) {
        MyPool pool;
        if ([NSApp runModalSession:session] != NSRunContinuesResponse) break;
        [_progressBar incrementBy:1];
        int32_t page = 0;
        std::memcpy(&page, pages->getElem(i), sizeof page);
        // A number outside the layout could not be told to the host
        // without turning into another page.
        if (page < 1 || page > data->numPages) continue;
        data->curPage = static_cast<PlxPageNum>(page);
        char label[64], text[kControlFormatSize];
        xtGetPageStr(data->curPage, label, sizeof label);
        int n = std::snprintf(text, sizeof text, format, label);
        if (n < 0) text[0] = 0;
        if (n >= static_cast<int>(sizeof text)) trimPartialUTF8(text);
        [_pageText setStringValue:nsText(text)];
        dprintf("exportPage: %d", page);
        int32_t result =
            xtprint_funchndl->outputLayout(data->docRef, data->medium, kExportOutputFlags);
        if (result == kXTCanceled) break;
        if (result == 0 && data->medium == kXTMediumPDF && data->mode == 1)
            rewriteTrimBox(data->jobPath);
    }
    [NSApp endModalSession:session];
    [_progressPanel orderOut:nil];
    return 1;
}

- (void)doCancelBtn:(id)sender {
    (void)sender;
    [NSApp abortModal];
}

@end

int16_t doExportWithProgressBar(const char* titleKey, const MyArray* pages, ExportData* data) {
    MyPool pool;
    PlxProgressController* controller = [PlxProgressController new];
    int16_t result = [controller runModal:pages exportData:data title:titleKey];
    [controller release];
    return result;
}
