#include "my_log.h"

#include <cstring>

#include "my_pool.h"
#include "plugin/core/plexmoor.h"
#include "plugin/support/log.h"
#include "plugin/support/log_sink.h"
#include "plugin/support/unicode.h"

NSString* myLogLine(NSDate* when, NSString* message) {
    NSDateFormatter* stamp = [[[NSDateFormatter alloc] init] autorelease];
    [stamp setDateFormat:@"HH:mm:ss:SSS"];
    return [NSString stringWithFormat:@"%@: %s::%@\n", [stamp stringFromDate:when], kPlxProductName,
                                      message];
}

void MyLog(NSString* format, ...) {
    if (getLogMode() <= 0 || !getLogPath()[0] || !format) return;
    MyPool pool;
    va_list args;
    va_start(args, format);
    NSString* message = [[[NSString alloc] initWithFormat:format arguments:args] autorelease];
    va_end(args);

    char text[kMaxLogMessage + 1];
    const char* utf8 = [message UTF8String];
    size_t n = utf8 ? strnlen(utf8, kMaxLogMessage + 1) : 0;
    if (n > static_cast<size_t>(kMaxLogMessage)) n = kMaxLogMessage;
    memcpy(text, utf8 ? utf8 : "", n);
    text[n] = 0;
    // The cut may have split a character; the line stays valid UTF-8.
    trimPartialUTF8(text);

    NSString* line = myLogLine([NSDate date], [NSString stringWithUTF8String:text]);
    const char* bytes = [line UTF8String];
    if (bytes) appendLogLine(getLogPath(), bytes, strlen(bytes));
}
