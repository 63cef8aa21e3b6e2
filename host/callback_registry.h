// Callbacks registered by plug-ins, kept by code and called in ascending
// priority (equal priorities in the order they were registered).
#pragma once

#include <cstdint>
#include <vector>

#include "xt/xtsetup.h"

namespace plxhost {

struct Registration {
    int32_t code;
    XTCallbackProc proc;
    int32_t flags;
    int32_t priority;
    uint64_t sequence;
};

class CallbackRegistry {
  public:
    void add(int32_t code, XTCallbackProc proc, int32_t flags, int32_t priority);
    // Calls every callback of the code with the record; returns how many
    // were called.
    int call(int32_t code, void* record) const;
    bool has(int32_t code) const;
    // Every registration, in the order they were made.
    const std::vector<Registration>& all() const { return list_; }
    void clear() { list_.clear(); }
    // Hands out fresh callback identifiers for plug-ins that reserve them.
    uint32_t reserveIds(int32_t count);

  private:
    std::vector<Registration> list_;
    uint64_t nextSequence_ = 0;
    uint32_t nextReserved_ = kXTFirstReservedCallbackId;
};

} // namespace plxhost
