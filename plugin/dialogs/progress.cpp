#include "plugin/dialogs/progress.h"

#include "plugin/support/myarray.h"
#include "plugin/support/mystrings.h"
#include "xt/xttypes.h"

namespace {

constexpr uint32_t kTickMs = 1;

struct ProgressRun {
    const char* titleKey;
    ProgressStepProc step;
    const MyArray* array;
    const char* const* strings;
    int32_t count;
    void* user;
    // Where the bar stands; kept here too, so that a window without a bar
    // still comes to an end.
    int32_t position;
    PlxWindow bar;
};

// Item n, 1-based; null outside 1 .. count.
const void* item(const ProgressRun& run, int32_t n) {
    if (n < 1 || n > run.count) return nullptr;
    if (run.array) return run.array->getElem(n - 1);
    return run.strings[n - 1];
}

void tick(PlxWindow dialog, void* user) {
    auto* run = static_cast<ProgressRun*>(user);
    if (run->position >= run->count) {
        quitModalDialog(dialog, 1);
        return;
    }
    int32_t p = ++run->position;
    setControlValue(run->bar, p);
    if (run->step(dialog, item(*run, p), item(*run, p + 1), run->user) != 1)
        quitModalDialog(dialog, 0);
}

void setup(PlxWindow dialog, void* user) {
    auto* run = static_cast<ProgressRun*>(user);
    run->bar = showProgressWindow(dialog, run->titleKey, run->count);
    run->step(dialog, nullptr, item(*run, 1), run->user);
    startDialogTimer(dialog, kTickMs, tick);
}

int32_t runProgress(ProgressRun& run) {
    if (run.count <= 0 || !run.step) return 1;
    return doModalDialog("Progress", setup, &run);
}

} // namespace

PlxWindow showProgressWindow(PlxWindow dialog, const char* titleKey, int32_t count) {
    setControlText(getControl(dialog, 2), "cancel");
    PlxWindow bar = getControl(dialog, static_cast<int32_t>(xtFourCharCode("prog")));
    setWindowTitle(dialog, localizeString(titleKey).c_str());
    setToolWindowStyle(dialog);
    setControlRange(bar, 0, count);
    setControlValue(bar, 0);
    return bar;
}

int32_t doProgressDialog(const char* titleKey, ProgressStepProc step, const MyArray* list,
                         void* user) {
    ProgressRun run{titleKey, step, list, nullptr, list ? list->count() : 0, user, 0, 0};
    return runProgress(run);
}

int32_t doProgressDialog(const char* titleKey, ProgressStepProc step, const char* const* strings,
                         int32_t count, void* user) {
    ProgressRun run{titleKey, step, nullptr, strings, strings ? count : 0, user, 0, 0};
    return runProgress(run);
}
