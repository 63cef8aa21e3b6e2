// Finder aliases. On a Mac an alias file is resolved through its bookmark
// data:
//
//     NSURL* url = [NSURL fileURLWithPath:@(path)];
//     NSData* data = [NSURL bookmarkDataWithContentsOfURL:url error:NULL];
//     NSURL* target = data ? [NSURL URLByResolvingBookmarkData:data
//                                   options:NSURLBookmarkResolutionWithoutUI
//                                   relativeToURL:nil bookmarkDataIsStale:NULL
//                                   error:NULL] : nil;
//
// (CoreServices' FSResolveAliasFile on older systems). GNUstep has neither
// aliases nor bookmark data, and its file systems know only symbolic
// links, which the system follows by itself; so this shim leaves every
// path as it is. A Mac build replaces the body with the lines above.
#include "plugin/support/files.h"

void resolveAlias(char*) {}
