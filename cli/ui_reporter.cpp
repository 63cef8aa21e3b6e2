#include "cli/ui_reporter.h"

#include <unistd.h>

#include <cstdio>

#include "ui/ui.h"

namespace plxcli {

namespace {

bool gBarDrawn = false;

void endBar() {
    if (gBarDrawn) std::fputc('\n', stderr);
    gBarDrawn = false;
}

void observe(const ui::Event& event, void*) {
    if (event.kind == ui::EventKind::Recorded && event.record &&
        event.record->kind == ui::RecordKind::MessageBox) {
        endBar();
        std::fprintf(stderr, "%s\n", event.record->text.c_str());
    } else if (event.kind == ui::EventKind::ProgressChanged && isatty(STDERR_FILENO)) {
        long span = static_cast<long>(event.maximum) - event.minimum;
        long done = static_cast<long>(event.value) - event.minimum;
        if (span <= 0) return;
        const int width = 40;
        int filled = static_cast<int>(done * width / span);
        std::fprintf(stderr, "\r[%-*.*s] %ld/%ld", width, filled,
                     "########################################", done, span);
        std::fflush(stderr);
        gBarDrawn = true;
    }
}

} // namespace

UiReporter::UiReporter() { ui::setObserver(observe, nullptr); }

UiReporter::~UiReporter() {
    ui::setObserver(nullptr, nullptr);
    endBar();
}

} // namespace plxcli
