// The settings store's messages ("KEY PATH"), caught for the life of a test.
#pragma once

#include <string>
#include <vector>

#include "plugin/settings/settings_store.h"

namespace plxtest {

inline std::vector<std::string> sMessages;

inline void recordSettingsMessage(const char* key, const char* path) {
    sMessages.push_back(std::string(key) + " " + path);
}

struct MessageCatcher {
    MessageCatcher() {
        sMessages.clear();
        setSettingsMessageProc(recordSettingsMessage);
    }
    ~MessageCatcher() { setSettingsMessageProc(nullptr); }
};

} // namespace plxtest
