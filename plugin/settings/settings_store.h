// CMySettings: a small INI-like settings file kept in memory as text.
//
// The store is a text buffer, not a parsed tree: a read searches the text
// for the section and key, a write edits the text in place, and `save`
// writes the text back. The plug-in has one store, gPrefs, opened at
// activation (see prefs.h for its keys).
//
// In-memory form: the text begins with a CR and every line ends with
// exactly one CR. Loading turns every run of CR and LF characters into one
// CR, so empty lines vanish and CR, LF and CR LF files all load; the only
// empty line in memory is the one `set` puts before a section it appends.
// A section header is the whole line "[name]"; a value line is
// "key=value", the value being everything after the first "=" up to the
// line end, blanks included. Lookups are byte-exact and case-sensitive.
// Where a section occurs twice the first one is used; within a section the
// first line "key=" is read and a later duplicate is kept but never seen.
// The bytes are not interpreted: a byte-order mark is part of the first
// line, and a NUL byte ends the text.
//
// Names: a section name may be up to kMaxSectionLen bytes and a key up to
// kMaxKeyLen bytes. Longer names, names holding a CR or LF, section names
// holding "]", empty keys and keys holding "=" or beginning with "[" cannot
// be represented as one line and are refused:
// reads give -1, writes give -1 and change nothing. A value holding a CR or
// LF is refused for the same reason (it would split into lines of its own).
// Values themselves have no length limit; the buffer grows to fit them.
//
// Results: 0 for success, -1 for a missing section or key (or a refused
// name), -108 when memory runs out.
#pragma once

#include <cstdint>

#include "plugin/support/paths.h"

struct PlxFileStamp;

constexpr int32_t kMaxSectionLen = 252;
constexpr int32_t kMaxKeyLen = 253;
constexpr int64_t kSettingsGrowStep = 8192;

// Shows that the settings file at `path` could not be written; `key` is the
// string-table key of the message ("writePrefsErr"), used as a printf
// format with the path as its argument. Until the dialog runtime installs
// its message box, the message goes to the log.
using PlxSettingsMessageProc = void (*)(const char* key, const char* path);
void setSettingsMessageProc(PlxSettingsMessageProc proc); // null restores the log

// How much of the file the loaded text holds.
enum : int32_t {
    kSettingsReadOk = 0,     // all of it, or there is no file
    kSettingsReadFailed = 1, // the file is there but could not be read
    kSettingsReadCut = 2     // a NUL byte ended the text before the file's end
};

class CMySettings {
  public:
    CMySettings() = default;
    ~CMySettings();
    CMySettings(const CMySettings&) = delete;
    CMySettings& operator=(const CMySettings&) = delete;

    // Opens the file "Plexmoor.ini" in the folder "Korvane" of the user's
    // settings folder ($XDG_CONFIG_HOME, default ~/.config), creating the
    // folders, and loads it. With subFolder the file lies one folder deeper.
    // With oldPath, a settings file kept there before (its extension taken
    // as ".ini") is moved in under the new name when the new file does not
    // exist yet. 0; -1 when no settings path could be built (the store then
    // holds an empty text and cannot save); -108 when memory runs out.
    int32_t setupWithinAppSupport(const char* oldPath, const char* subFolder);

    // Loads the file at `path` (its extension forced to ".ini"), discarding
    // the text held so far and any unsaved edit, and first removes the
    // temporary files that saves of processes no longer running left
    // beside it. A missing file is not an error: the text then comes from
    // the embedded resource "Prefs" of type "ini" when there is one, else
    // it is empty. A file that is there but cannot be read (no permission,
    // a read error, not a regular file) is not missing: the text is empty
    // (the defaults apply), readProblem is kSettingsReadFailed and the
    // store never saves over it. A NUL byte ends the text; the bytes after
    // it are not lost on a save, because such a store never saves either
    // (kSettingsReadCut). 0; -1 when the path is
    // empty or does not fit kMyPathSize bytes with its ".ini" (nothing is
    // read, the store holds an empty text and cannot save); -108 when
    // memory runs out (the store then holds no text: reads and writes
    // give -1). `path` may be this store's own `path`.
    int32_t setupWithPath(const char* path);

    // Copies the value into dst (dstSize bytes, terminated) and returns its
    // length (0 for an empty value). -1, with dst untouched, when the
    // section or key is missing, and also when the value does not fit in
    // dstSize - 1 bytes: a cut path or number would be a different value,
    // so a value too long for its destination counts as missing and the
    // caller's default applies.
    int32_t getString(const char* section, const char* key, char* dst, int32_t dstSize) const;

    // The value as a decimal integer (leading blanks and a sign accepted,
    // stopping at the first non-digit, no digits giving 0, clamped to the
    // 32-bit range); `dflt` when the value is missing or empty.
    int32_t getInt32(const char* section, const char* key, int32_t dflt) const;

    // Stores the value: in an existing section the key's line moves to the
    // top of the section; a missing section is appended at the end of the
    // text, after one empty line. 0; -1 when the name or value is refused,
    // the store holds no text, or the buffer cannot grow (nothing inserted).
    int32_t set(const char* section, const char* key, const char* value);
    int32_t set(const char* section, const char* key, int32_t value); // "%d"

    // Cuts the key's line from that section; other sections are untouched.
    void remove(const char* section, const char* key);

    // Writes the text to `path` with LF line ends, one empty line before
    // every section header after the first, and a final line end. The file
    // is replaced atomically: the text goes to a temporary file in the same
    // folder, is flushed to disk and renamed over the old file, so a crash
    // or a full disk leaves either the old file or the new one, never a
    // part. A symbolic link at the path is followed and the file it points
    // to is replaced. 0 when the file was written. On failure the old file
    // stays as it was, the text stays in memory, the message "writePrefsErr"
    // with the path is shown and the result is -1. A store whose file could
    // not be read whole (readState) writes nothing and gives -1; the first
    // such save shows "readPrefsErr" with the path, later ones only log it,
    // until a load reads the whole file again.
    int32_t save();

    // True when the file on disk is not the one last loaded or saved: its
    // nanosecond modification time, size or identity differs (a missing
    // file counts once it existed before); also when a file that could not
    // be read can be read now.
    bool shallReload() const;

    // kSettingsReadOk, kSettingsReadFailed or kSettingsReadCut for the last
    // load.
    int32_t readState() const { return readProblem; }

    // Full path of the settings file; empty before a setup.
    char path[kMyPathSize] = {};
    // Modification time of the file in whole seconds when it was last read
    // or written by the store; 0 when the file did not exist.
    int32_t modDate = 0;
    // The same time in nanoseconds, used for change detection so that an
    // edit within the same second as a load or save is still seen.
    int64_t modTime = 0;

    // The text (in-memory form) and its size, for tests and diagnostics.
    const char* text() const { return buffer ? buffer : ""; }
    int64_t textLength() const { return length; }
    int64_t textCapacity() const { return capacity; }

    // Line-end normalisation of the loaded text (see the header comment).
    void setupCR();
    // Makes sure `extra` more bytes plus the terminator fit, growing in
    // steps of kSettingsGrowStep; always keeps at least 512 bytes free.
    // 0, or -108 when the buffer cannot grow.
    int32_t checkBuffer(int64_t extra);
    // Cuts the line that starts at byte `start` of the text, with its CR.
    void removeLine(int64_t start);

  private:
    void release();
    int32_t setupEmpty();
    int32_t loadText(const char* bytes, int64_t size, bool* cut);
    void noteReadProblem(int32_t problem);
    void takeStamp(const PlxFileStamp& stamp);
    int64_t findSection(const char* section, int64_t* end) const;
    int64_t findKey(const char* section, const char* key, int64_t* lineEnd) const;
    int32_t insert(int64_t at, const char* const* parts, int count);

    char* buffer = nullptr;
    int64_t length = 0;
    int64_t capacity = 0;
    // Size and identity of the file as last loaded or saved, beside modTime:
    // a file system with coarse time stamps still shows a replaced file.
    int64_t fileSize = -1;
    uint64_t fileId = 0;
    int32_t readProblem = kSettingsReadOk;
    // "readPrefsErr" has been shown; cleared by a clean load.
    bool readProblemShown = false;
};

// The plug-in's one store.
extern CMySettings gPrefs;
