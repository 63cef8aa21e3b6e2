// The host's classic colon paths. On a Mac the conversion is CoreFoundation's:
//
//     CFURLRef url = CFURLCreateWithFileSystemPath(NULL, hfsPath,
//                                                  kCFURLHFSPathStyle, false);
//     CFStringRef posix = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
//
// GNUstep has no CoreFoundation package, so this shim does the same by its
// rules: the first component names the volume; the start-up volume is "/",
// any other lies under /Volumes; a "/" inside a name is ":" in POSIX form
// (and the other way round).
#include "plugin/support/host_paths.h"

#import <Foundation/Foundation.h>

#include <string>

#include "my_pool.h"
#include "plugin/support/bounded.h"
#include "plugin/support/paths.h"

namespace {

// The start-up volume's name as the Finder shows it. GNUstep names no
// volumes (the root's display name is "/"); there the Mac's default name
// stands for it.
std::string startupVolumeName() {
    MyPool pool;
    NSString* name = [[NSFileManager defaultManager] displayNameAtPath:@"/"];
    const char* utf8 = [name UTF8String];
    std::string text = utf8 ? utf8 : "";
    return text.empty() || text == "/" ? "Macintosh HD" : text;
}

std::string posixName(const std::string& hfsName) {
    std::string out = hfsName;
    for (char& c : out)
        if (c == '/') c = ':';
    return out;
}

} // namespace

bool posixPathOf(const char* path, char* dst) {
    if (!dst) return false;
    dst[0] = 0;
    if (!path) return false;
    std::string posix;
    if (path[0] == '/' || path[0] == 0) {
        posix = path;
    } else {
        std::string text = path;
        size_t colon = text.find(':');
        std::string volume = text.substr(0, colon);
        std::string rest = colon == std::string::npos ? "" : text.substr(colon + 1);
        posix = volume == startupVolumeName() ? "" : "/Volumes/" + posixName(volume);
        size_t start = 0;
        while (start <= rest.size() && !rest.empty()) {
            size_t end = rest.find(':', start);
            std::string name = rest.substr(start, end == std::string::npos ? end : end - start);
            // A trailing colon marks a folder; it adds no component.
            if (!name.empty()) posix += "/" + posixName(name);
            if (end == std::string::npos) break;
            start = end + 1;
        }
        if (posix.empty()) posix = "/";
    }
    if (!copyText(dst, kMyPathSize, posix.c_str())) {
        dst[0] = 0;
        return false;
    }
    return true;
}
