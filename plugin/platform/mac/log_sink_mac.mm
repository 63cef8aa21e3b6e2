// The macOS log's formatted lines carry no time stamp; MyLog's lines carry
// their own (my_log.h). Appending is POSIX, as on Linux.
#include "plugin/support/log_sink.h"

#include <fcntl.h>
#include <unistd.h>

void formatLogStamp(char* dst) {
    dst[0] = 0;
}

void appendLogLine(const char* path, const char* bytes, size_t len) {
    int fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) return;
    // With O_APPEND one write lands whole at the end.
    ssize_t written = write(fd, bytes, len);
    (void)written;
    close(fd);
}
