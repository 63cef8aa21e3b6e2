// The user's folders from Foundation's folder look-up (user domain), the
// same call on macOS and GNUstep; CoreServices' FSFindFolder answers the
// same on a Mac. The log lives in Documents/Korvane there, so the state
// folder is Documents.
#include "plugin/support/folders.h"

#import <Foundation/Foundation.h>

#include "my_pool.h"
#include "plugin/support/bounded.h"
#include "plugin/support/paths.h"

namespace {

bool putFolder(char* dst, NSString* folder) {
    dst[0] = 0;
    const char* utf8 = folder ? [folder fileSystemRepresentation] : nullptr;
    if (!utf8 || !utf8[0]) return false;
    if (!copyText(dst, kMyPathSize, utf8)) {
        dst[0] = 0;
        return false;
    }
    return true;
}

bool userFolder(char* dst, NSSearchPathDirectory which) {
    MyPool pool;
    NSArray* folders = NSSearchPathForDirectoriesInDomains(which, NSUserDomainMask, YES);
    return putFolder(dst, [folders count] > 0 ? [folders objectAtIndex:0] : nil);
}

} // namespace

bool getHomeFolder(char* dst) {
    MyPool pool;
    return putFolder(dst, NSHomeDirectory());
}

bool getDocumentsFolder(char* dst) {
    return userFolder(dst, NSDocumentDirectory);
}

bool getAppSupportFolder(char* dst) {
    return userFolder(dst, NSApplicationSupportDirectory);
}

bool getStateFolder(char* dst) {
    return getDocumentsFolder(dst);
}
