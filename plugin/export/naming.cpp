#include "plugin/export/naming.h"

#include <cstdio>
#include <cstring>

#include "plugin/core/xt_wrappers.h"
#include "plugin/settings/prefs.h"
#include "plugin/support/bounded.h"
#include "plugin/support/folders.h"
#include "plugin/support/log.h"
#include "plugin/support/paths.h"

namespace {

// A page label used as the number text: a "/" in it would put the file into
// a sub-folder (or outside the chosen one), and a control character (a tab,
// a line break) has no place in a file name, so each becomes "-".
void labelAsNumberText(const char* label, char* dst, size_t capacity) {
    copyText(dst, capacity, label);
    for (char* c = dst; *c; ++c)
        if (*c == '/' || static_cast<unsigned char>(*c) < 0x20 || *c == 0x7F) *c = '-';
}

// The label's decimal value when it is made of digits only and above 0;
// 0 otherwise.
long labelValue(const char* label) {
    if (!*label) return 0;
    long value = 0;
    for (const char* c = label; *c; ++c) {
        if (*c < '0' || *c > '9') return 0;
        value = value * 10 + (*c - '0');
        if (value > 0x7FFFFFFF) return 0;
    }
    return value;
}

void pageNumberText(const ExportData& data, char* numText, size_t capacity) {
    long value = 0;
    if (data.absolute != 0) {
        // Both are 16-bit; their sum is not, and wrapping it round would
        // give pages far apart the same name.
        value = static_cast<long>(data.curPage) + data.pageOffset;
    } else {
        char label[256];
        xtGetPageStr(data.curPage, label, sizeof label);
        value = labelValue(label);
        if (value == 0) {
            labelAsNumberText(label, numText, capacity);
            return;
        }
    }
    static const char* const kFormats[] = {"%ld", "%02ld", "%03ld", "%04ld"};
    if (value > 0 && data.styleData.numbering <= 3)
        std::snprintf(numText, capacity, kFormats[data.styleData.numbering], value);
}

} // namespace

void setupExportPath(ExportData* data) {
    char folder[kMyPathSize] = {0};
    if (getUseLastFolder(folder) != 1 || !folder[0]) {
        copyText(folder, sizeof folder, data->docPath);
        if (!getFolder(folder)) folder[0] = 0;
    }
    // A project never saved has no folder; the proposal would otherwise
    // point at the root of the file system.
    if (!folder[0]) getDocumentsFolder(folder);
    const char* base = data->styleData.base ? data->layoutName : data->projectName;
    // Folder and name joined with the platform's separator: the Windows
    // save dialog starts from this path as it stands.
    if (std::snprintf(data->exportPath, sizeof data->exportPath, "%s%c%s", folder, kPathSeparator,
                      base) >=
        static_cast<int>(sizeof data->exportPath))
        copyText(data->exportPath, sizeof data->exportPath, base);
}

void saveLastFolder(const char* path) {
    if (!path || getUseLastFolder(nullptr) != 1) return;
    char folder[kMyPathSize];
    if (!copyText(folder, sizeof folder, path) || !getFolder(folder)) return;
    setUseLastFolder(1, folder);
}

void finishExportPath(ExportData* data) {
    saveLastFolder(data->exportPath);
    replaceExtension(data->exportPath, "");
}

bool composeJobPath(ExportData* data) {
    const PlxStyleData& style = data->styleData;
    copyText(data->jobPath, sizeof data->jobPath, data->exportPath);
    if (std::strcmp(style.suffix, "---") == 0) {
        dprintf("exportPath: %s", data->jobPath);
        return true;
    }

    char name[kMyPathSize];
    if (!getFileName(data->jobPath, name, true) || std::strlen(name) >= 256) {
        data->jobPath[0] = 0;
        return false;
    }
    if (!getFolder(data->jobPath)) data->jobPath[0] = 0;

    char numText[256] = {0}, sepText[256] = {0};
    if (data->mode != 1 && (xtNumPages(-1) > 1 || getAddAlways() == 1)) {
        copyText(sepText, sizeof sepText, style.separator);
        pageNumberText(*data, numText, sizeof numText);
    }
    char fileName[512];
    int n = style.numberBeforeName == 1
                ? std::snprintf(fileName, sizeof fileName, "%s%s%s%s", numText, sepText, name,
                                style.suffix)
                : std::snprintf(fileName, sizeof fileName, "%s%s%s%s", name, sepText, numText,
                                style.suffix);
    if (n < 0 || n >= static_cast<int>(sizeof fileName) ||
        !addPathComponent(data->jobPath, fileName)) {
        dprintf("exportPath refused, too long: %s/%s", data->jobPath, fileName);
        data->jobPath[0] = 0;
        return false;
    }
    dprintf("exportPath: %s", data->jobPath);
    return true;
}
