#include "host/host_objects.h"

namespace plxhost {

namespace {
LiveObjects gLive;
int gFailAllocations = 0;
} // namespace

LiveObjects liveObjects() { return gLive; }

void failNextAllocations(int count) { gFailAllocations = count; }

QXStringRef newHostString(const std::u16string& text) {
    ++gLive.strings;
    return new QXString_{text, 1};
}

QXStringRef newHostStringUtf8(const std::string& utf8) { return newHostString(utf8ToUtf16(utf8)); }

void releaseHostString(QXStringRef s) {
    if (!s) return;
    if (--s->refs == 0) {
        --gLive.strings;
        delete s;
    }
}

std::string hostStringUtf8(QXStringRef s) { return s ? utf16ToUtf8(s->text) : std::string(); }

XTHandle newHandle(int32_t size) {
    if (size < 0) return nullptr;
    if (gFailAllocations > 0) {
        --gFailAllocations;
        return nullptr;
    }
    ++gLive.handles;
    return new XTHandleRec_{std::string(static_cast<size_t>(size), '\0')};
}

void disposeHandle(XTHandle h) {
    if (!h) return;
    --gLive.handles;
    delete h;
}

XFileInfoRef newFileInfo(const std::string& path) {
    ++gLive.fileInfos;
    return new XTFileInfo_{path};
}

void disposeFileInfo(XFileInfoRef f) {
    if (!f) return;
    --gLive.fileInfos;
    delete f;
}

void countLiveTree(int delta) { gLive.xmlTrees += delta; }

void countLiveShape(int delta) { gLive.shapes += delta; }

std::u16string utf8ToUtf16(const std::string& s) {
    std::u16string out;
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        uint32_t cp = 0xFFFD;
        size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) {
            ++i;
        } else {
            cp = n == 1 ? c : c & (0x7F >> n);
            bool ok = true;
            for (size_t k = 1; k < n; ++k) {
                unsigned char cc = static_cast<unsigned char>(s[i + k]);
                if ((cc & 0xC0) != 0x80) ok = false;
                cp = (cp << 6) | (cc & 0x3F);
            }
            if (!ok || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) cp = 0xFFFD;
            i += ok ? n : 1;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string utf16ToUtf8(const std::u16string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        uint32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        appendUtf8(out, cp);
    }
    return out;
}

} // namespace plxhost
