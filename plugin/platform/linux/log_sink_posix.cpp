#include "plugin/support/log_sink.h"

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

void formatLogStamp(char* dst) {
    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    struct tm local;
    localtime_r(&now.tv_sec, &local);
    // Kept in range so the stamp always has its fixed width.
    auto field = [](long v, unsigned limit) {
        return static_cast<int>(static_cast<unsigned>(v) % limit);
    };
    snprintf(dst, kLogStampLen + 1, "%02d:%02d:%02d:%03d: ", field(local.tm_hour, 100),
             field(local.tm_min, 100), field(local.tm_sec, 100),
             field(now.tv_nsec / 1000000, 1000));
}

void appendLogLine(const char* path, const char* bytes, size_t len) {
    int fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) return;
    // With O_APPEND one write lands whole at the end.
    ssize_t written = write(fd, bytes, len);
    (void)written;
    close(fd);
}
