// Project file benchmark: reading a layout of 200 000 boxes against ten
// readings of a layout of 20 000 boxes, both measured in this run. A reader
// linear in the boxes gives a ratio near 1; one that compares every box
// with the boxes before it gives about 10.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/project_file.h"

namespace {

std::string layoutText(int boxes) {
    std::string text = "layout \"Bench\"\n  page-size 595 842\n  pages 100\n  spreads facing\n";
    text.reserve(static_cast<size_t>(boxes) * 64);
    for (int id = 1; id <= boxes; ++id)
        text += "  box " + std::to_string(id) + " page=" + std::to_string(1 + id % 100) +
                " x=60 y=80 w=40 h=30 fill=0.8 text=\"Box " + std::to_string(id) + "\"\n";
    return text;
}

double secondsToRead(const std::string& text, int times) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < times; ++i) {
        std::string error;
        if (!plxhost::parseProject(text, "bench.proj", &error)) {
            std::fprintf(stderr, "bench_project: %s\n", error.c_str());
            std::exit(1);
        }
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    int boxes = argc > 1 ? std::atoi(argv[1]) : 200000;
    if (boxes < 1000 || boxes > 999999) boxes = 200000;
    std::string big = layoutText(boxes), small = layoutText(boxes / 10);
    double reference = secondsToRead(small, 10);
    double measured = secondsToRead(big, 1);
    std::printf("project file, %d boxes: %.3f s; 10 x %d boxes: %.3f s; ratio %.2f\n", boxes,
                measured, boxes / 10, reference, measured / reference);
    return 0;
}
