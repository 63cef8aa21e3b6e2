// The file system's limit for an export run: writes one file per size
// given, each under a temporary name beside its target and renamed into
// place when complete, and makes the whole run durable with one syncfs
// at the end: the same guarantee the host gives the files of a run, and
// nothing else. The bench feeds it the sizes of the files an export wrote.
//
// Usage: bench_durable_baseline FOLDER SIZE...   (prints the seconds its
// writing took; the bench times the whole program from outside, as it
// times the export, so that both include starting a program)
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    std::vector<size_t> sizes;
    for (int i = 2; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
    std::string bytes(4 << 20, 'x');
    auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < sizes.size(); ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "/page_%05zu.eps", i + 1);
        std::string target = folder + name, temp = folder + "/.tmp-" + (name + 1);
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0) return 1;
        size_t left = sizes[i];
        while (left > 0) {
            size_t chunk = left < bytes.size() ? left : bytes.size();
            ssize_t n = ::write(fd, bytes.data(), chunk);
            if (n <= 0) return 1;
            left -= static_cast<size_t>(n);
        }
        if (::close(fd) != 0 || std::rename(temp.c_str(), target.c_str()) != 0) return 1;
    }
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir < 0 || ::syncfs(dir) != 0) return 1;
    ::close(dir);
    std::printf("%.4f\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    return 0;
}
