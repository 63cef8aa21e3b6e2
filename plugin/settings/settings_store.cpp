#include "plugin/settings/settings_store.h"

#include "plugin/core/plexmoor.h"
#include "plugin/settings/atomic_file.h"
#include "plugin/settings/file_stamp.h"
#include "plugin/support/bounded.h"
#include "plugin/support/files.h"
#include "plugin/support/folders.h"
#include "plugin/support/log.h"
#include "plugin/support/mymemory.h"
#include "plugin/support/mystrings.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

CMySettings gPrefs;

namespace {

constexpr char kCR = '\r';
// Free room kept before every insertion, so that small edits rarely need
// to grow the buffer.
constexpr int64_t kMinFreeRoom = 512;

// A name that can stand in one line of the text: not too long and without
// line breaks; a key also needs to be non-empty and free of "=", which
// would end it early.
bool isLineSafe(const char* text) {
    return !strpbrk(text, "\r\n");
}

// A header line names the section up to its first "]" (whatever follows is
// ignored), so a name holding "]" could never be found as itself: the line
// "[A]]" is the section "A", and only that.
bool validSection(const char* section) {
    return section && strlen(section) <= static_cast<size_t>(kMaxSectionLen) &&
           isLineSafe(section) && !strchr(section, ']');
}

// A key line that begins with "[" would read as a section header: the key
// could never be found again and would end its section for every key
// after it.
bool validKey(const char* key) {
    return key && *key && *key != '[' && strlen(key) <= static_cast<size_t>(kMaxKeyLen) &&
           isLineSafe(key) && !strchr(key, '=');
}

// True when the path names a regular file this process can open for reading.
bool canReadFile(const char* path) {
    FILE* f = fopen2(path, "rb");
    if (!f) return false;
    struct stat st;
    bool ok = fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
    fclose(f);
    return ok;
}

// Position of the next CR at or after `from`, or `length`.
int64_t lineEndAt(const char* text, int64_t length, int64_t from) {
    const void* cr = memchr(text + from, kCR, static_cast<size_t>(length - from));
    return cr ? static_cast<const char*>(cr) - text : length;
}

} // namespace

CMySettings::~CMySettings() {
    release();
}

void CMySettings::release() {
    myfree(buffer);
    buffer = nullptr;
    length = 0;
    capacity = 0;
}

// Takes `size` bytes (up to a NUL) as the new text: a CR in front, then the
// bytes, then line ends normalised. The old text is released first. *cut
// (when given) tells whether a NUL left bytes behind it unread.
int32_t CMySettings::loadText(const char* bytes, int64_t size, bool* cut) {
    release();
    int64_t cap = size + 1 + kSettingsGrowStep;
    buffer = static_cast<char*>(myalloc(static_cast<size_t>(cap), 1));
    if (!buffer) return -108;
    capacity = cap;
    buffer[0] = kCR;
    if (size > 0) memcpy(buffer + 1, bytes, static_cast<size_t>(size));
    length = 1 + static_cast<int64_t>(strnlen(buffer + 1, static_cast<size_t>(size)));
    if (cut) *cut = length - 1 < size;
    buffer[length] = 0;
    setupCR();
    return 0;
}

int32_t CMySettings::setupEmpty() {
    path[0] = 0;
    takeStamp(PlxFileStamp{});
    readProblem = kSettingsReadOk;
    return loadText("", 0, nullptr);
}

// The file is there but its text is not (wholly) in memory: the store
// keeps working on what it has and never writes over the user's file (see
// save, which tells the user).
void CMySettings::noteReadProblem(int32_t problem) {
    readProblem = problem;
    dprintf("readPrefsErr %s", path);
}

void CMySettings::takeStamp(const PlxFileStamp& stamp) {
    modDate = stamp.modDate;
    modTime = stamp.modTime;
    fileSize = stamp.size;
    fileId = stamp.id;
}

void CMySettings::setupCR() {
    if (!buffer) return;
    int64_t w = 0;
    for (int64_t r = 0; r < length; ++r) {
        char c = buffer[r];
        if (c == '\n') c = kCR;
        if (c == kCR && w > 0 && buffer[w - 1] == kCR) continue;
        buffer[w++] = c;
    }
    // w <= length < capacity, so the closing CR and terminator still fit
    // unless the text was not shortened at all; checkBuffer covers that.
    length = w;
    buffer[length] = 0;
    if (length == 0 || buffer[length - 1] != kCR) {
        if (checkBuffer(1) != 0) return;
        buffer[length++] = kCR;
        buffer[length] = 0;
    }
}

int32_t CMySettings::setupWithPath(const char* newPath) {
    // Copied first: newPath may be this store's own path.
    char file[kMyPathSize];
    bool usable = newPath && *newPath && copyText(file, sizeof file, newPath) &&
                  (pathEndsWith(file, ".ini") || replaceExtension(file, ".ini"));
    if (!usable) {
        int32_t err = setupEmpty();
        return err ? err : -1;
    }
    memcpy(path, file, sizeof file);
    resolveAlias(path);
    // Temporary files of saves that a crash interrupted would otherwise
    // pile up beside the settings file.
    removeStaleTemporaries(path);

    FILE* f = fopen2(path, "rb");
    int openErr = f ? 0 : errno;
    struct stat st;
    bool regular = f && fstat(fileno(f), &st) == 0 && S_ISREG(st.st_mode);
    if (!f || !regular) {
        if (f) fclose(f);
        if (!f && (openErr == ENOENT || openErr == ENOTDIR)) {
            // No file yet: the defaults apply and the first save creates it.
            takeStamp(PlxFileStamp{});
            readProblem = kSettingsReadOk;
            readProblemShown = false;
            char* deflt = getResourceData("Prefs", "ini", gLanguage);
            int32_t err =
                loadText(deflt, deflt ? static_cast<int64_t>(strlen(deflt)) : 0, nullptr);
            myfree(deflt);
            return err;
        }
        // Something is there that cannot be read (no permission, a
        // folder): not a missing file, so it must not be replaced.
        takeStamp(fileStampAt(path));
        int32_t err = loadText("", 0, nullptr);
        noteReadProblem(kSettingsReadFailed);
        return err;
    }

    // The stamp comes from the file actually read, so a replacement made
    // between the read and the stamp is still seen as a change later.
    takeStamp(fileStampOfOpen(f));

    auto size = static_cast<size_t>(st.st_size);
    char* bytes = static_cast<char*>(myalloc(size + 1, 1));
    if (!bytes) {
        fclose(f);
        release();
        return -108;
    }
    size_t got = fread(bytes, 1, size, f);
    bool failed = ferror(f) != 0;
    fclose(f);
    bool cut = false;
    int32_t err = loadText(bytes, static_cast<int64_t>(got), &cut);
    myfree(bytes);
    if (err) return err;
    if (failed) noteReadProblem(kSettingsReadFailed);
    else if (cut) noteReadProblem(kSettingsReadCut);
    else {
        readProblem = kSettingsReadOk;
        readProblemShown = false;
    }
    return 0;
}

int32_t CMySettings::setupWithinAppSupport(const char* oldPath, const char* subFolder) {
    char folder[kMyPathSize];
    char file[kMyPathSize];
    bool ok = getAppSupportFolder(folder) && addPathComponent(folder, kPlxMakerFolder);
    if (ok) makeDirPath(folder);
    if (ok && subFolder && *subFolder) {
        ok = addPathComponent(folder, subFolder);
        if (ok) makeDir(folder);
    }
    ok = ok && copyText(file, sizeof file, folder) && addPathComponent(file, kPlxProductName) &&
         addPathExtension(file, "ini");
    if (!ok) return setupWithPath(nullptr);

    // A file kept elsewhere by an earlier version moves in under the new
    // file's name, so that the file loaded below is that one.
    if (oldPath && *oldPath && !fileExists(file)) {
        char old[kMyPathSize];
        if (copyText(old, sizeof old, oldPath) && replaceExtension(old, ".ini") && fileExists(old))
            moveFile(old, folder, kPlxProductName ".ini");
    }
    return setupWithPath(file);
}

// The header is a line that begins with "[section]"; whatever follows on
// that line (blanks, a comment a person added) does not hide it. Returns
// the position of its "[" or -1. *end receives the end of the section: the
// start of the next line that begins with "[", or the end of the text.
int64_t CMySettings::findSection(const char* section, int64_t* end) const {
    if (!buffer || !validSection(section)) return -1;
    auto nameLen = static_cast<int64_t>(strlen(section));
    int64_t found = -1;
    for (int64_t cr = lineEndAt(buffer, length, 0); cr < length;
         cr = lineEndAt(buffer, length, cr + 1)) {
        int64_t p = cr + 1;
        if (p + nameLen + 2 > length || buffer[p] != '[') continue;
        if (memcmp(buffer + p + 1, section, static_cast<size_t>(nameLen)) != 0) continue;
        if (buffer[p + nameLen + 1] != ']') continue;
        found = p;
        break;
    }
    if (found < 0) return -1;
    int64_t e = length;
    for (int64_t cr = lineEndAt(buffer, length, found); cr < length;
         cr = lineEndAt(buffer, length, cr + 1)) {
        if (cr + 1 < length && buffer[cr + 1] == '[') {
            e = cr + 1;
            break;
        }
    }
    *end = e;
    return found;
}

// Start of the first line "key=" inside the section, or -1; *lineEnd gets
// the position of that line's CR (or the end of the text).
int64_t CMySettings::findKey(const char* section, const char* key, int64_t* lineEnd) const {
    if (!validKey(key)) return -1;
    int64_t sectionEnd = 0;
    int64_t start = findSection(section, &sectionEnd);
    if (start < 0) return -1;
    auto keyLen = static_cast<int64_t>(strlen(key));
    for (int64_t cr = lineEndAt(buffer, length, start); cr + 1 < sectionEnd;
         cr = lineEndAt(buffer, length, cr + 1)) {
        int64_t p = cr + 1;
        if (p + keyLen + 1 > length || buffer[p + keyLen] != '=') continue;
        if (memcmp(buffer + p, key, static_cast<size_t>(keyLen)) != 0) continue;
        *lineEnd = lineEndAt(buffer, length, p);
        return p;
    }
    return -1;
}

int32_t CMySettings::getString(const char* section, const char* key, char* dst,
                               int32_t dstSize) const {
    if (!dst || dstSize <= 0) return -1;
    int64_t lineEnd = 0;
    int64_t line = findKey(section, key, &lineEnd);
    if (line < 0) return -1;
    int64_t value = line + static_cast<int64_t>(strlen(key)) + 1;
    int64_t n = lineEnd - value;
    if (n + 1 > dstSize) return -1;
    memcpy(dst, buffer + value, static_cast<size_t>(n));
    dst[n] = 0;
    return static_cast<int32_t>(n);
}

int32_t CMySettings::getInt32(const char* section, const char* key, int32_t dflt) const {
    char text[256];
    if (getString(section, key, text, sizeof text) <= 0) return dflt;
    long long v = strtoll(text, nullptr, 10);
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

int32_t CMySettings::checkBuffer(int64_t extra) {
    if (extra < 0) extra = 0;
    int64_t needed = length + (extra > kMinFreeRoom ? extra : kMinFreeRoom) + 1;
    if (buffer && capacity >= needed) return 0;
    int64_t cap = capacity + kSettingsGrowStep;
    while (cap < needed)
        cap += kSettingsGrowStep;
    char* grown = static_cast<char*>(myalloc(static_cast<size_t>(cap), 1));
    if (!grown) return -108;
    if (buffer) memcpy(grown, buffer, static_cast<size_t>(length) + 1);
    myfree(buffer);
    buffer = grown;
    capacity = cap;
    return 0;
}

int32_t CMySettings::insert(int64_t at, const char* const* parts, int count) {
    int64_t total = 0;
    for (int i = 0; i < count; ++i)
        total += static_cast<int64_t>(strlen(parts[i]));
    if (checkBuffer(total) != 0) return -1;
    memmove(buffer + at + total, buffer + at, static_cast<size_t>(length - at) + 1);
    for (int i = 0; i < count; ++i) {
        size_t n = strlen(parts[i]);
        memcpy(buffer + at, parts[i], n);
        at += static_cast<int64_t>(n);
    }
    length += total;
    return 0;
}

int32_t CMySettings::set(const char* section, const char* key, const char* value) {
    if (!buffer || !validSection(section) || !validKey(key) || !value || !isLineSafe(value))
        return -1;
    int64_t sectionEnd = 0;
    int64_t start = findSection(section, &sectionEnd);
    if (start < 0) {
        // The text ends in a CR, so the leading CR leaves one empty line
        // before the new section.
        const char* parts[] = {"\r[", section, "]\r", key, "=", value, "\r"};
        return insert(length, parts, 7);
    }
    remove(section, key);
    const char* parts[] = {key, "=", value, "\r"};
    int64_t headerEnd = lineEndAt(buffer, length, start);
    return insert(headerEnd < length ? headerEnd + 1 : length, parts, 4);
}

int32_t CMySettings::set(const char* section, const char* key, int32_t value) {
    char text[16];
    snprintf(text, sizeof text, "%d", value);
    return set(section, key, text);
}

void CMySettings::remove(const char* section, const char* key) {
    int64_t lineEnd = 0;
    int64_t line = findKey(section, key, &lineEnd);
    if (line >= 0) removeLine(line);
}

void CMySettings::removeLine(int64_t start) {
    if (!buffer || start < 0 || start >= length) return;
    int64_t end = lineEndAt(buffer, length, start);
    if (end < length) ++end;
    memmove(buffer + start, buffer + end, static_cast<size_t>(length - end) + 1);
    length -= end - start;
}

bool CMySettings::shallReload() const {
    if (!path[0]) return false;
    // A file that could not be read is tried again once it can be: giving
    // it read permission changes none of its stamps.
    if (readProblem == kSettingsReadFailed && canReadFile(path)) return true;
    PlxFileStamp now = fileStampAt(path);
    return now.modTime != modTime || now.size != fileSize || now.id != fileId;
}
