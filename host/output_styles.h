// The host's output styles: each has a name, a medium and XML trees kept
// under four-character keys (the host's own EPS and PDF options and the
// private data of plug-ins). The store keeps them in the host's order, the
// two default styles first, and in the host's own settings file
// (docs/output-styles.md), which it reads on first use and writes whenever
// a style is created or its data changes.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/xml_tree.h"
#include "xt/xtoutput.h"

struct XTOutputStyle_ {
    std::string name; // UTF-8
    uint32_t medium = kXTMediumNone;
    std::map<uint32_t, std::unique_ptr<XTXMLTree_>> data;
};

// The output-style context: the host's list of styles and the style last
// applied to the job being set up.
struct XTOutputStyleContext_ {
    OutputStyleRef applied = nullptr;
};

namespace plxhost {

extern const char* const kDefaultEpsStyle; // "Default EPS"
extern const char* const kDefaultPdfStyle; // "Default PDF"
// Longest style name, in bytes of UTF-8.
constexpr size_t kMaxStyleName = 255;

class StyleStore {
  public:
    // `path` empty: the default file (defaultPath()).
    explicit StyleStore(std::string path = std::string());
    ~StyleStore();
    StyleStore(const StyleStore&) = delete;
    StyleStore& operator=(const StyleStore&) = delete;

    // "OutputStyles.xml" in the host's settings folder (settings_folder.h),
    // joined with the platform's separator.
    static std::string defaultPath();
    const std::string& path();

    // Every style in the host's order. The first call reads the file (or
    // makes it with the two default styles).
    const std::vector<OutputStyleRef>& styles();
    OutputStyleRef find(const std::string& name);
    bool isStyle(OutputStyleRef style);
    // The default style of a medium (EPS or PDF), or null.
    OutputStyleRef defaultStyle(uint32_t medium);

    // Creates a style at the end of the list with the host's default
    // options for the medium (EPS, PDF, or none) and saves. Returns 0;
    // kXTParamErr with *error for a bad or over-long name, a name in use or
    // an unknown medium; the save's error when the file cannot be written.
    int32_t create(const std::string& name, uint32_t medium, OutputStyleRef* out,
                   std::string* error);

    // The tree kept under a key, or null.
    const XTXMLTree_* data(OutputStyleRef style, uint32_t key);
    // Stores a copy of the tree and saves. Returns 0 or the save's error.
    int32_t setData(OutputStyleRef style, uint32_t key, const XTXMLTree_& tree);

    // The host's own "spreads" option of an EPS or PDF style.
    bool spreads(OutputStyleRef style);
    int32_t setSpreads(OutputStyleRef style, bool on);

    XTOutputStyleContext_* context() { return &context_; }

    // Where an unreadable file was set aside when the store read it
    // ("FILE.unreadable-N"); empty when it was not.
    const std::string& setAsidePath() const { return setAside_; }

    // Writes the file (a temporary file renamed over it). Returns 0, or
    // kXTIOErr after reporting the failure to the user.
    int32_t save();

  private:
    void ensureLoaded();
    bool readStyles(const std::string& text, std::string* error);
    void addDefaults();
    OutputStyleRef add(const std::string& name, uint32_t medium);

    std::string path_;
    bool loaded_ = false;
    bool saveBlocked_ = false; // an unreadable file could not be set aside
    std::string setAside_;
    std::vector<std::unique_ptr<XTOutputStyle_>> owned_;
    std::vector<OutputStyleRef> order_;
    XTOutputStyleContext_ context_;
};

// The key's text: its four letters when they are printable, else "0x…".
std::string styleKeyText(uint32_t key);
// Reads a key written by styleKeyText; false for anything else.
bool parseStyleKey(const std::string& text, uint32_t* key);

} // namespace plxhost
