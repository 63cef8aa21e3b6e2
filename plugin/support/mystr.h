// MyStr: the bridge between the plug-in's UTF-8 texts and the other forms
// text takes at its borders: host string handles, UTF-16 and the 8-bit
// encodings. A holder is filled once, at construction, read out in any
// form, and destroyed in the same function; it is never copied.
//
// A holder is either empty (no text: a null or invalid source) or holds a
// text, which may be the empty text. Read-outs from an empty holder fail
// (false) or give empty results; they never give a dangling pointer.
#pragma once

#include "plugin/support/charsets.h"
#include "plugin/support/paths.h"
#include "plugin/support/textconv.h"
#include "plugin/support/wstr.h"
#include "xt/xttypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class MyStr {
  public:
    MyStr() = default;
    // UTF-8 text. With `localize` a text shorter than 250 bytes is taken as
    // a string-table key first (a trailing ":" or "…" kept, see
    // translateString); longer texts are used as they are. Null or invalid
    // UTF-8 leaves the holder empty.
    explicit MyStr(const char* utf8, bool localize = false);
    // The characters of a host string (immutable or mutable: one C type),
    // read through the accessor-string group; with `release` the handle is
    // released afterwards. A null handle, or no bound group, leaves the
    // holder empty.
    MyStr(QXStringRef str, bool release);
    // UTF-16 units; count 0 reads up to the terminator. Null units or a
    // negative count leave the holder empty.
    MyStr(const uint16_t* units, int32_t count);
    ~MyStr() { reset(); }

    MyStr(const MyStr&) = delete;
    MyStr& operator=(const MyStr&) = delete;

    // Writes the text, zero-terminated, into dst (capacity bytes) in the
    // given encoding (kEncMacRoman, kEncHost, kEncUTF8 or kEncUTF16, whose
    // terminator is two zero bytes). False, with an empty dst, when the
    // holder is empty, the encoding is unknown, a character has no form in
    // it, or the result does not fit.
    bool getString(char* dst, int32_t capacity, int32_t encoding) const;
    // The same in the host 8-bit encoding.
    bool getHostString(char* dst, int32_t capacity) const;
    // Writes the text as a file path into a kMyPathSize-byte buffer as
    // UTF-8: a path that begins with "/" in composed form (see normalize),
    // any other converted from the host's colon form (posixPathOf; on
    // platforms without one, as it is). An empty holder leaves dst
    // untouched (false); a path that does not fit gives an empty dst
    // (false).
    bool getPath(char* dst) const;
    // Brings the text to Unicode Normalization Form C (composed) where the
    // platform's file names need it (macOS, normalize.h); elsewhere the
    // text stays as it is.
    void normalize();

    // Number of UTF-16 units; 0 when empty.
    int32_t length() const;
    // The UTF-8 form, owned by the holder and valid until reset; "" when
    // the holder is empty.
    const char* UTF8Str();
    // The zero-terminated UTF-16 form, owned by the holder and valid until
    // reset; the unit count goes to *count when count is not null.
    const uint16_t* uStr(int32_t* count = nullptr) const;
    // A new zero-terminated UTF-16 copy the caller releases with myfree;
    // null when the holder is empty or memory runs out.
    uint16_t* getUString() const;
    // A host string with the same text, made on first call through the
    // accessor-string group and kept until reset (do not release it).
    // Null when the holder is empty or the host string cannot be made.
    QXStringRef qxStr();

    // Appends the UTF-8 form to the log as one line (see log.h).
    void log();

    // Frees every copy, releases the host string and leaves the holder
    // empty; calling it again does nothing.
    void reset();

  private:
    void setUTF8(const char* utf8);

    std::vector<uint16_t> string_; // the text's units plus a terminator
    bool hasText_ = false;
    // UTF-8 copies handed out, the current one last; a copy made before
    // normalize stays valid until reset.
    std::vector<std::unique_ptr<std::string>> utf8_;
    bool hasUTF8_ = false;
    QXStringRef host_ = nullptr;
};
