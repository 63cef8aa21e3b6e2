#include "plugin/settings/prefs.h"

#include "plugin/support/log.h"

#include <cstring>

CMySettings& getPrefs() {
    return gPrefs;
}

int32_t loadPrefs() {
    return gPrefs.setupWithPath(gPrefs.path);
}

int32_t reloadPrefs() {
    return gPrefs.shallReload() ? loadPrefs() : 0;
}

int32_t savePrefs() {
    return gPrefs.save();
}

int32_t getAddAlways() {
    return gPrefs.getInt32(kPrefsSection, keyAddAlways, 1);
}

int32_t setAddAlways(int32_t value) {
    return gPrefs.set(kPrefsSection, keyAddAlways, value);
}

int32_t getUseLastFolder(char* folder) {
    int32_t use = gPrefs.getInt32(kPrefsSection, keyLastFolder, 0);
    if (use == 1 && folder) gPrefs.getString(kPrefsSection, keyFolderPath, folder, kMyPathSize);
    return use;
}

int32_t setUseLastFolder(int32_t value, const char* folder) {
    int32_t err = gPrefs.set(kPrefsSection, keyLastFolder, value);
    if (value == 1 && folder) {
        // A longer folder could never be read back into a path buffer.
        bool fits = strlen(folder) < static_cast<size_t>(kMyPathSize);
        if (!fits || gPrefs.set(kPrefsSection, keyFolderPath, folder) != 0) err = -1;
        if (savePrefs() != 0) err = -1;
    }
    return err;
}

int32_t getLogging() {
    return gPrefs.getInt32(kPrefsSection, keyLogging, 0);
}

int32_t setLogging(int32_t value) {
    setLogMode(value);
    return gPrefs.set(kPrefsSection, keyLogging, value);
}

int32_t getAllPages() {
    return gPrefs.getInt32(kPrefsSection, keyAllPages, 0);
}
