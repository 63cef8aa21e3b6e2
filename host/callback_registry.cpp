#include "host/callback_registry.h"

#include <algorithm>

namespace plxhost {

void CallbackRegistry::add(int32_t code, XTCallbackProc proc, int32_t flags, int32_t priority) {
    list_.push_back(Registration{code, proc, flags, priority, nextSequence_++});
}

int CallbackRegistry::call(int32_t code, void* record) const {
    std::vector<Registration> due;
    for (const Registration& r : list_)
        if (r.code == code) due.push_back(r);
    std::stable_sort(due.begin(), due.end(), [](const Registration& a, const Registration& b) {
        return a.priority < b.priority;
    });
    // A callback may register further callbacks; the copy keeps this call
    // to those that were there when it began.
    for (const Registration& r : due) r.proc(record);
    return static_cast<int>(due.size());
}

bool CallbackRegistry::has(int32_t code) const {
    return std::any_of(list_.begin(), list_.end(),
                       [code](const Registration& r) { return r.code == code; });
}

uint32_t CallbackRegistry::reserveIds(int32_t count) {
    uint32_t first = nextReserved_;
    nextReserved_ += static_cast<uint32_t>(count);
    return first;
}

} // namespace plxhost
