#include "host/output_styles.h"
#include "host/file_open.h"
#include "host/settings_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "host/host.h"
#include "host/safe_file.h"
#include "host/xml_text.h"

namespace plxhost {

const char* const kDefaultEpsStyle = "Default EPS";
const char* const kDefaultPdfStyle = "Default PDF";

namespace {

const char* const kFileRoot = "OutputStyles";
const char* const kFileVersion = "1";

void report(int16_t code, const std::string& text) {
    if (Host* h = Host::current()) h->reportError(code, text);
}

std::string mediumText(uint32_t medium) {
    char text[5];
    xtFourCharText(medium, text);
    return text;
}

// Where the host keeps its own spreads option for a medium.
struct SpreadsOption {
    uint32_t key;
    std::vector<const char*> path;
    const char* attribute;
};

bool spreadsOption(uint32_t medium, SpreadsOption* out) {
    if (medium == kXTMediumPDF) *out = {kXTStyleKeyPDF, {"PageOptions"}, "Spreads"};
    else if (medium == kXTMediumEPS) *out = {kXTStyleKeyEPS, {"EPS", "General"}, "Spread"};
    else return false;
    return true;
}

bool validName(const std::string& name) {
    if (name.empty() || name.size() > kMaxStyleName) return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

// Moves an unreadable file out of the way under the first free name
// "FILE.unreadable-N": every copy set aside is kept, none replaces another.
// A hard link claims the name only when it is free; where the file system
// has no links, a name that is seen free is taken by renaming.
bool setAside(const std::string& file, std::string* aside) {
    for (int n = 1; n <= 9999; ++n) {
        std::string candidate = file + ".unreadable-" + std::to_string(n);
        std::error_code ec;
        std::filesystem::create_hard_link(fileSystemPath(file), fileSystemPath(candidate), ec);
        if (!ec) {
            std::filesystem::remove(fileSystemPath(file), ec);
            *aside = candidate;
            return true;
        }
        if (ec == std::errc::file_exists) continue;
        if (ec != std::errc::operation_not_permitted && ec != std::errc::operation_not_supported &&
            ec != std::errc::cross_device_link && ec != std::errc::too_many_links &&
            ec != std::errc::function_not_supported && ec != std::errc::not_supported)
            return false;
        if (std::filesystem::exists(std::filesystem::symlink_status(fileSystemPath(candidate), ec)))
            continue;
        std::filesystem::rename(fileSystemPath(file), fileSystemPath(candidate), ec);
        if (ec) return false;
        *aside = candidate;
        return true;
    }
    return false;
}

} // namespace

std::string styleKeyText(uint32_t key) {
    char text[5];
    xtFourCharText(key, text);
    bool printable = true;
    for (int i = 0; i < 4; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        printable = printable && c > 0x20 && c < 0x7F && c != '"' && c != '&' && c != '<';
    }
    if (printable && std::strncmp(text, "0x", 2) != 0) return text;
    char hex[11];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(key));
    return hex;
}

bool parseStyleKey(const std::string& text, uint32_t* key) {
    if (text.size() == 10 && text.compare(0, 2, "0x") == 0) {
        // Eight hex digits and nothing else: strtoul alone would take blanks,
        // a sign, or stop at a NUL and ignore what follows.
        for (size_t i = 2; i < text.size(); ++i)
            if (!std::isxdigit(static_cast<unsigned char>(text[i]))) return false;
        char* end = nullptr;
        unsigned long v = std::strtoul(text.c_str() + 2, &end, 16);
        *key = static_cast<uint32_t>(v);
        return true;
    }
    if (text.size() != 4) return false;
    *key = xtFourCharCode(text.c_str());
    return true;
}

StyleStore::StyleStore(std::string path) : path_(std::move(path)) {}

StyleStore::~StyleStore() = default;

std::string StyleStore::defaultPath() {
    return hostSettingsFile("OutputStyles.xml");
}

const std::string& StyleStore::path() {
    if (path_.empty()) path_ = defaultPath();
    return path_;
}

const std::vector<OutputStyleRef>& StyleStore::styles() {
    ensureLoaded();
    return order_;
}

OutputStyleRef StyleStore::find(const std::string& name) {
    for (OutputStyleRef s : styles())
        if (s->name == name) return s;
    return nullptr;
}

bool StyleStore::isStyle(OutputStyleRef style) {
    if (!style) return false;
    for (OutputStyleRef s : styles())
        if (s == style) return true;
    return false;
}

OutputStyleRef StyleStore::defaultStyle(uint32_t medium) {
    if (medium == kXTMediumEPS) return find(kDefaultEpsStyle);
    if (medium == kXTMediumPDF) return find(kDefaultPdfStyle);
    return nullptr;
}

OutputStyleRef StyleStore::add(const std::string& name, uint32_t medium) {
    owned_.push_back(std::make_unique<XTOutputStyle_>());
    OutputStyleRef s = owned_.back().get();
    s->name = name;
    s->medium = medium;
    SpreadsOption option;
    if (spreadsOption(medium, &option)) {
        auto tree = makeTree();
        XTXMLNode_* node = &tree->root;
        for (const char* step : option.path) node = node->addChild(step);
        node->setAttribute(option.attribute, "0");
        s->data[option.key] = std::move(tree);
    }
    order_.push_back(s);
    return s;
}

int32_t StyleStore::create(const std::string& name, uint32_t medium, OutputStyleRef* out,
                           std::string* error) {
    if (out) *out = nullptr;
    auto refuse = [error](const std::string& why) {
        if (error) *error = why;
        return static_cast<int32_t>(kXTParamErr);
    };
    if (!validName(name))
        return refuse("a style name has 1 to " + std::to_string(kMaxStyleName) +
                      " bytes and no control characters");
    if (medium != kXTMediumEPS && medium != kXTMediumPDF && medium != kXTMediumNone)
        return refuse("a style's medium is XEPS, XPDF or XNON");
    if (find(name)) return refuse("a style named \"" + name + "\" exists already");
    OutputStyleRef s = add(name, medium);
    if (out) *out = s;
    return save();
}

const XTXMLTree_* StyleStore::data(OutputStyleRef style, uint32_t key) {
    if (!isStyle(style)) return nullptr;
    auto it = style->data.find(key);
    return it == style->data.end() ? nullptr : it->second.get();
}

int32_t StyleStore::setData(OutputStyleRef style, uint32_t key, const XTXMLTree_& tree) {
    if (!isStyle(style)) return kXTParamErr;
    style->data[key] = copyTree(tree);
    return save();
}

bool StyleStore::spreads(OutputStyleRef style) {
    SpreadsOption option;
    if (!isStyle(style) || !spreadsOption(style->medium, &option)) return false;
    const XTXMLTree_* tree = data(style, option.key);
    const XTXMLNode_* node = tree ? &tree->root : nullptr;
    for (const char* step : option.path) node = node ? node->child(step) : nullptr;
    const std::string* value = node ? node->attribute(option.attribute) : nullptr;
    return value && std::atol(value->c_str()) == 1;
}

int32_t StyleStore::setSpreads(OutputStyleRef style, bool on) {
    SpreadsOption option;
    if (!isStyle(style) || !spreadsOption(style->medium, &option)) return kXTParamErr;
    std::unique_ptr<XTXMLTree_>& tree = style->data[option.key];
    if (!tree) tree = makeTree();
    XTXMLNode_* node = &tree->root;
    for (const char* step : option.path) {
        XTXMLNode_* next = node->child(step);
        node = next ? next : node->addChild(step);
    }
    node->setAttribute(option.attribute, on ? "1" : "0");
    return save();
}

void StyleStore::addDefaults() {
    // The defaults lead the list whatever the file holds.
    std::vector<OutputStyleRef> rest;
    for (OutputStyleRef s : order_)
        if (s->name != kDefaultEpsStyle && s->name != kDefaultPdfStyle) rest.push_back(s);
    OutputStyleRef eps = nullptr, pdf = nullptr;
    for (OutputStyleRef s : order_) {
        if (s->name == kDefaultEpsStyle) eps = s;
        if (s->name == kDefaultPdfStyle) pdf = s;
    }
    order_.clear();
    if (!eps) eps = add(kDefaultEpsStyle, kXTMediumEPS);
    if (!pdf) pdf = add(kDefaultPdfStyle, kXTMediumPDF);
    order_ = {eps, pdf};
    order_.insert(order_.end(), rest.begin(), rest.end());
}

void StyleStore::ensureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    const std::string& file = path();
    std::string text, error;
    int readResult = readWholeFile(file, &text, &error);
    bool fine = readResult == 0;
    if (readResult == 0) fine = readStyles(text, &error);
    if (readResult == ENOENT) {
        fine = true; // first use: the defaults are made and saved below
    } else if (!fine) {
        // Keep the user's file for inspection rather than writing over it.
        std::string aside;
        owned_.clear();
        order_.clear();
        if (setAside(file, &aside)) {
            setAside_ = aside;
            report(kXTIOErr, "The output styles in " + file + " could not be read (" + error +
                                 "). The file was kept as " + aside +
                                 " and the default styles are used.");
        } else {
            saveBlocked_ = true;
            report(kXTIOErr, "The output styles in " + file + " could not be read (" + error +
                                 "). The default styles are used and changes are not saved.");
        }
    }
    size_t before = order_.size();
    addDefaults();
    // A new file, one set aside, or a file without the defaults is written
    // afresh.
    if (!saveBlocked_ && (readResult == ENOENT || !fine || order_.size() != before)) save();
}

bool StyleStore::readStyles(const std::string& text, std::string* error) {
    std::string parseError;
    auto doc = parseXml(text, &parseError);
    if (!doc) {
        *error = parseError;
        return false;
    }
    auto fail = [error](int line, const std::string& what) {
        *error = "line " + std::to_string(line) + ": " + what;
        return false;
    };
    const XTXMLNode_& root = doc->root;
    if (root.name != kFileRoot) return fail(root.line, "the root element is not <OutputStyles>");
    const std::string* version = root.attribute("version");
    if (!version || *version != kFileVersion)
        return fail(root.line, "the file is not of version " + std::string(kFileVersion));
    for (const auto& node : root.children) {
        if (node->name != "Style") return fail(node->line, "<" + node->name + "> is not a style");
        const std::string* name = node->attribute("name");
        const std::string* medium = node->attribute("medium");
        if (!name || !validName(*name))
            return fail(node->line, "a style needs a name of 1 to " +
                                        std::to_string(kMaxStyleName) + " bytes");
        uint32_t code = medium ? xtFourCharCode(medium->c_str()) : static_cast<uint32_t>(kXTMediumNone);
        if (!medium || medium->size() != 4 ||
            (code != kXTMediumEPS && code != kXTMediumPDF && code != kXTMediumNone))
            return fail(node->line, "the style \"" + *name + "\" has no medium XEPS, XPDF or XNON");
        for (OutputStyleRef s : order_)
            if (s->name == *name) return fail(node->line, "two styles are named \"" + *name + "\"");
        owned_.push_back(std::make_unique<XTOutputStyle_>());
        OutputStyleRef s = owned_.back().get();
        s->name = *name;
        s->medium = code;
        order_.push_back(s);
        for (const auto& data : node->children) {
            const std::string* keyText = data->attribute("key");
            uint32_t key = 0;
            if (data->name != "Data" || !keyText || !parseStyleKey(*keyText, &key))
                return fail(data->line, "a style holds <Data key=\"ABCD\"> elements only");
            if (data->children.size() != 1)
                return fail(data->line, "a <Data> element holds exactly one element");
            if (s->data.count(key)) return fail(data->line, "the key " + *keyText + " is given twice");
            s->data[key] = treeFromNode(*data->children[0]);
        }
    }
    return true;
}

int32_t StyleStore::save() {
    ensureLoaded();
    if (saveBlocked_) return kXTIOErr;
    auto doc = makeTree(kFileRoot);
    doc->root.setAttribute("version", kFileVersion);
    for (OutputStyleRef s : order_) {
        XTXMLNode_* node = doc->root.addChild("Style");
        node->setAttribute("name", s->name);
        node->setAttribute("medium", mediumText(s->medium));
        for (const auto& entry : s->data) {
            XTXMLNode_* data = node->addChild("Data");
            data->setAttribute("key", styleKeyText(entry.first));
            appendCopy(*data, entry.second->root);
        }
    }
    std::string error;
    if (!writeFileAtomically(path(), writeXml(*doc), &error)) {
        report(kXTIOErr, "The output styles could not be saved: " + error);
        return kXTIOErr;
    }
    return 0;
}

} // namespace plxhost
