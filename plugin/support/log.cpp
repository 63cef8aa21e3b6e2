#include "plugin/support/log.h"

#include "plugin/core/plexmoor.h"
#include "plugin/support/bounded.h"
#include "plugin/support/files.h"
#include "plugin/support/folders.h"
#include "plugin/support/log_sink.h"
#include "plugin/support/paths.h"
#include "plugin/support/unicode.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

char sLogPath[kMyPathSize];
int32_t sLogMode = 0;

constexpr size_t kStampLen = kLogStampLen; // "hh:mm:ss:mmm: " at most
constexpr size_t kLineEndLen = sizeof(kPlxLineEnd) - 1;

} // namespace

void setupDump(int16_t mode, const char* folder, const char* name) {
    char path[kMyPathSize];
    bool ok = getStateFolder(path) && addPathComponent(path, folder ? folder : kPlxMakerFolder);
    if (ok) makeDirPath(path);
    ok = ok && addPathComponent(path, name ? name : kPlxProductName) &&
         addPathExtension(path, "txt");
    if (!ok) path[0] = 0;
    memcpy(sLogPath, path, sizeof sLogPath);
    removeFile(sLogPath);
    sLogMode = mode;
}

void setLogMode(int32_t mode) {
    sLogMode = mode;
}

const char* getLogPath() {
    return sLogPath;
}

int32_t getLogMode() {
    return sLogMode;
}

void dprintf(const char* format, ...) {
    if (sLogMode <= 0 || !sLogPath[0] || !format) return;
    char line[kStampLen + kMaxLogMessage + kLineEndLen + 1];
    // The macOS build's lines carry no stamp: it writes an empty one.
    formatLogStamp(line);
    const size_t stampLen = strlen(line);
    char* message = line + stampLen;
    va_list args;
    va_start(args, format);
    int n = vsnprintf(message, kMaxLogMessage + 1, format, args);
    va_end(args);
    if (n < 0) return;
    size_t messageLen = static_cast<size_t>(n);
    if (n > kMaxLogMessage) {
        // The cut may have split a character; the line stays valid UTF-8.
        trimPartialUTF8(message);
        messageLen = strlen(message);
    }
    size_t len = stampLen + messageLen;
    memcpy(line + len, kPlxLineEnd, kLineEndLen);
    len += kLineEndLen;

    appendLogLine(sLogPath, line, len);
}
