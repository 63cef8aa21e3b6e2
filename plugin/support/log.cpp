#include "plugin/support/log.h"

#include "plugin/core/plexmoor.h"
#include "plugin/support/bounded.h"
#include "plugin/support/files.h"
#include "plugin/support/folders.h"
#include "plugin/support/paths.h"
#include "plugin/support/unicode.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {

char sLogPath[kMyPathSize];
int32_t sLogMode = 0;

constexpr size_t kStampLen = 14; // "hh:mm:ss:mmm: "
constexpr size_t kLineEndLen = sizeof(kPlxLineEnd) - 1;

// Writes the local time stamp into dst (at least kStampLen + 1 bytes).
void formatStamp(char* dst) {
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    struct tm local;
    localtime_r(&now.tv_sec, &local);
    // Kept in range so the stamp always has its fixed width.
    auto field = [](long v, unsigned limit) {
        return static_cast<int>(static_cast<unsigned>(v) % limit);
    };
    snprintf(dst, kStampLen + 1, "%02d:%02d:%02d:%03d: ", field(local.tm_hour, 100),
             field(local.tm_min, 100), field(local.tm_sec, 100),
             field(now.tv_nsec / 1000000, 1000));
}

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

void dprintf(const char* format, ...) {
    if (sLogMode <= 0 || !sLogPath[0] || !format) return;
    char line[kStampLen + kMaxLogMessage + kLineEndLen + 1];
    formatStamp(line);
    char* message = line + kStampLen;
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
    size_t len = kStampLen + messageLen;
    memcpy(line + len, kPlxLineEnd, kLineEndLen);
    len += kLineEndLen;

    int fd = open(sLogPath, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) return;
    // One write per line: with O_APPEND it lands whole at the end, even when
    // another process appends to the same file.
    ssize_t written = write(fd, line, len);
    (void)written;
    close(fd);
}
