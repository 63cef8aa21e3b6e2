#include "fuzz/fuzz_support.h"

#include <dirent.h>
#include <ftw.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "host/host.h"
#include "plugin/core/lifecycle.h"
#include "ui/ui.h"

namespace plxfuzz {

void fail(const char* file, int line, const std::string& what) {
    std::fprintf(stderr, "\n%s:%d: property failed: %s\n", file, line, what.c_str());
    std::fflush(stderr);
    std::abort();
}

namespace {

int removeEntry(const char* path, const struct stat*, int, struct FTW*) { return std::remove(path); }

void removeHome() { nftw(home().c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS); }

} // namespace

const std::string& home() {
    static const std::string path = [] {
        // The stores flush every save to disk; in memory that costs nothing,
        // which keeps a run at thousands of inputs a second.
        const char* tmp = std::getenv("TMPDIR");
        std::string base = tmp && *tmp ? tmp : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = base + "/plexfuzz-XXXXXX";
        if (!mkdtemp(pattern.data())) fail(__FILE__, __LINE__, "no temporary folder");
        std::atexit(removeHome);
        setenv("HOME", pattern.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (pattern + "/.config").c_str(), 1);
        setenv("XDG_STATE_HOME", (pattern + "/.local/state").c_str(), 1);
        setenv("XDG_DOCUMENTS_DIR", (pattern + "/Documents").c_str(), 1);
        setenv("XDG_DATA_HOME", (pattern + "/.local/share").c_str(), 1);
        return pattern;
    }();
    return path;
}

std::string homeFile(const std::string& name) { return home() + "/" + name; }

void removeHomeFiles(const std::string& prefix) {
    DIR* dir = opendir(home().c_str());
    if (!dir) return;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) == 0 && name != "." && name != "..")
            unlink(homeFile(name).c_str());
    }
    closedir(dir);
}

bool homeFileHolding(const std::string& prefix, const std::string& bytes) {
    DIR* dir = opendir(home().c_str());
    if (!dir) return false;
    bool found = false;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name, held;
        if (!found && name.compare(0, prefix.size(), prefix) == 0 && readFile(homeFile(name), &held))
            found = held == bytes;
    }
    closedir(dir);
    return found;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

bool readFile(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    *bytes = text.str();
    return true;
}

namespace {
std::unique_ptr<plxhost::Host> sHost;
int32_t sActivation = -1;
uint16_t sLanguage = 0xFFFF;
} // namespace

bool pluginHost(uint16_t language) {
    if (!sHost) {
        home();
        // The window system first: activation registers the toolkit's
        // window classes in it.
        if (!ui::reset()) return false;
        sHost = std::make_unique<plxhost::Host>();
        sActivation = sHost->attachPlugin(XTActivateCallback);
    }
    if (sActivation != 0) return false;
    if (language != sLanguage) {
        sHost->sendLanguage(language);
        sLanguage = language;
    }
    return true;
}

int32_t openProject(const std::string& text) {
    if (!pluginHost()) return -1;
    sHost->documents().closeAll();
    std::string path = homeFile("Fuzz.proj");
    if (!writeFile(path, text)) return -1;
    std::string error;
    return sHost->documents().openProject(path, &error);
}

bool bringToFront(const std::string& layoutName) {
    if (!sHost) return false;
    plxhost::Layout* layout = sHost->documents().findLayout(layoutName);
    return layout && sHost->documents().bringToFront(layout->docRef);
}

std::string printable(const std::string& bytes, size_t limit) {
    std::string out;
    for (size_t i = 0; i < bytes.size() && i < limit; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    if (bytes.size() > limit) out += "...";
    return out;
}

std::string Pieces::next() {
    std::string piece;
    while (pos_ < size_ && data_[pos_] != 0xFF) piece += static_cast<char>(data_[pos_++]);
    if (pos_ < size_) ++pos_;
    return piece;
}

uint8_t Pieces::byte() { return pos_ < size_ ? data_[pos_++] : 0; }

std::string Pieces::rest() {
    std::string piece(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
    pos_ = size_;
    return piece;
}

} // namespace plxfuzz
