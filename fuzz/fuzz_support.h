// What the fuzz programs share: a property check that stops the run with a
// readable reason, a private home folder for the files the parsers read
// and write, and a stand-in host with the plug-in activated for the
// parsers that look things up through the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace plxfuzz {

// Prints "property failed: what" with the place and aborts, so that
// libFuzzer keeps the input as a crash.
[[noreturn]] void fail(const char* file, int line, const std::string& what);

#define PLX_FUZZ_CHECK(condition, what)                                                        \
    do {                                                                                       \
        if (!(condition)) ::plxfuzz::fail(__FILE__, __LINE__, (what));                         \
    } while (0)

// A folder of this process under the temporary folder, made on first use
// and pointed at by HOME and the XDG variables, so that nothing a target
// does reaches the user's own settings.
const std::string& home();
// A path in home().
std::string homeFile(const std::string& name);
// Removes every file in home() (not in its subfolders) whose name starts
// with prefix: what one input left behind.
void removeHomeFiles(const std::string& prefix);

// Whether a file in home() whose name starts with prefix holds exactly bytes.
bool homeFileHolding(const std::string& prefix, const std::string& bytes);

bool writeFile(const std::string& path, const std::string& bytes);
// The whole file; false when it cannot be read.
bool readFile(const std::string& path, std::string* bytes);

// Activates the plug-in in a stand-in host (once per process) and reports
// the host language (0 English, 3 German). Returns false when activation
// failed.
bool pluginHost(uint16_t language = 0);
// Opens a project from text as the only open project, closing the one
// opened before; -1 when it does not load.
int32_t openProject(const std::string& text);

// Brings the layout of that name to the front; false when none is open.
bool bringToFront(const std::string& layoutName);

// A short readable form of bytes for messages.
std::string printable(const std::string& bytes, size_t limit = 200);

// Cuts the input into pieces at the byte 0xFF: the first pieces feed the
// operations of a target, the last one is the main text.
class Pieces {
  public:
    Pieces(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // The next piece (up to the next 0xFF or the end); empty at the end.
    std::string next();
    // One byte, 0 at the end.
    uint8_t byte();
    // Whatever has not been taken.
    std::string rest();
    bool done() const { return pos_ >= size_; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

} // namespace plxfuzz
