// Writing the settings text back to its file.
#include "plugin/settings/settings_store.h"

#include "plugin/core/plexmoor.h"
#include "plugin/settings/atomic_file.h"
#include "plugin/support/log.h"
#include "plugin/support/mymemory.h"

#include <cstring>

namespace {

// Until the dialog runtime puts up a message box for it, a failed save is
// recorded in the log with the key and the path.
void logSettingsMessage(const char* key, const char* path) {
    dprintf("%s %s", key, path);
}

PlxSettingsMessageProc sMessageProc = logSettingsMessage;

constexpr size_t kLineEndLen = sizeof(kPlxLineEnd) - 1;

// Lays the in-memory text out as the file's lines into out: empty lines
// dropped, each line ended by the platform line end, and one empty line
// before every section header but the first line. Returns the byte count;
// out needs room for (length + 1) * (1 + 2 * kLineEndLen) bytes.
size_t formatForFile(const char* text, size_t length, char* out) {
    size_t n = 0;
    bool first = true;
    const char* p = text;
    const char* end = text + length;
    while (p < end) {
        const void* cr = memchr(p, '\r', static_cast<size_t>(end - p));
        const char* lineEnd = cr ? static_cast<const char*>(cr) : end;
        if (lineEnd > p) {
            if (*p == '[' && !first) {
                memcpy(out + n, kPlxLineEnd, kLineEndLen);
                n += kLineEndLen;
            }
            memcpy(out + n, p, static_cast<size_t>(lineEnd - p));
            n += static_cast<size_t>(lineEnd - p);
            memcpy(out + n, kPlxLineEnd, kLineEndLen);
            n += kLineEndLen;
            first = false;
        }
        p = lineEnd + 1;
    }
    return n;
}

} // namespace

void setSettingsMessageProc(PlxSettingsMessageProc proc) {
    sMessageProc = proc ? proc : logSettingsMessage;
}

int32_t CMySettings::save() {
    // The user's file holds more than the store could read: writing the
    // store's text would lose the rest.
    // It is said once, when the first change would have been saved.
    if (readProblem != kSettingsReadOk) {
        dprintf("settings not saved, the file was not read whole: %s", path);
        if (!readProblemShown) sMessageProc("readPrefsErr", path);
        readProblemShown = true;
        return -1;
    }
    // A store without text (memory ran out while loading) must not replace
    // the file with nothing.
    bool written = false;
    if (path[0] && buffer) {
        auto len = static_cast<size_t>(length);
        char* out = static_cast<char*>(myalloc(len + 1, 1 + 2 * kLineEndLen));
        if (out) {
            size_t n = formatForFile(buffer, len, out);
            PlxFileStamp stamp;
            written = replaceFileAtomically(path, out, n, &stamp) == 0;
            myfree(out);
            if (written) takeStamp(stamp);
        }
    }
    if (written) return 0;
    sMessageProc("writePrefsErr", path);
    return -1;
}
