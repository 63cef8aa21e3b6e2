// The settings store. The input is a settings file and a few edits. Every
// value the store reads stays readable with the same bytes through the
// edits (except the one edited), an accepted `set` reads back as set, a
// refused edit changes nothing, reads into small buffers stay inside them,
// and after a save the file loads to the same values and saving it again
// writes the same bytes.
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>

#include "fuzz/fuzz_support.h"
#include "plugin/settings/settings_store.h"

namespace {

using Name = std::pair<std::string, std::string>; // section, key
using Values = std::map<Name, std::string>;        // a missing value maps to "\x01missing"

const char* const kMissing = "\x01missing";

// The sections and keys the in-memory text names, whether or not a lookup
// can reach them.
void collectNames(const CMySettings& store, std::map<Name, bool>* names) {
    std::string text(store.text(), static_cast<size_t>(store.textLength()));
    std::string section;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        size_t close = line.find(']');
        if (!line.empty() && line.front() == '[' && close != std::string::npos) {
            // A header names the section up to its first "]".
            section = line.substr(1, close - 1);
            (*names)[{section, "(none)"}] = true;
        } else if (size_t eq = line.find('='); eq != std::string::npos) {
            (*names)[{section, line.substr(0, eq)}] = true;
        }
        start = end + 1;
    }
}

std::string read(const CMySettings& store, const Name& name) {
    int64_t room = store.textLength() + 2;
    char* value = static_cast<char*>(std::malloc(static_cast<size_t>(room)));
    value[0] = 0;
    int32_t got = store.getString(name.first.c_str(), name.second.c_str(), value,
                                  static_cast<int32_t>(room));
    std::string result = got < 0 ? std::string(kMissing) : std::string(value, static_cast<size_t>(got));
    PLX_FUZZ_CHECK(got < 0 || std::strlen(value) == static_cast<size_t>(got),
                   "getString's length is not the length of its text");
    std::free(value);
    return result;
}

// A read into a buffer of `size` bytes: never past it, and either the
// whole value or nothing.
void readBounded(const CMySettings& store, const Name& name, const std::string& whole, int32_t size) {
    char* value = static_cast<char*>(std::malloc(static_cast<size_t>(size)));
    std::memset(value, 'x', static_cast<size_t>(size));
    int32_t got = store.getString(name.first.c_str(), name.second.c_str(), value, size);
    if (got >= 0) {
        PLX_FUZZ_CHECK(got < size && std::string(value, static_cast<size_t>(got)) == whole &&
                           value[got] == 0,
                       "a bounded read gave another value than the whole one");
    }
    std::free(value);
    store.getInt32(name.first.c_str(), name.second.c_str(), 7);
}

Values readAll(const CMySettings& store, const std::map<Name, bool>& names) {
    Values values;
    for (const auto& entry : names) values[entry.first] = read(store, entry.first);
    return values;
}

void checkSame(const Values& expected, const CMySettings& store, const Name* except,
               const char* when) {
    for (const auto& [name, value] : expected) {
        if (except && name == *except) continue;
        std::string now = read(store, name);
        PLX_FUZZ_CHECK(now == value, std::string(when) + ": [" + plxfuzz::printable(name.first) +
                                         "] " + plxfuzz::printable(name.second) + " was \"" +
                                         plxfuzz::printable(value) + "\", is \"" +
                                         plxfuzz::printable(now) + "\"");
    }
}

void quiet(const char*, const char*) {}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    setSettingsMessageProc(quiet);
    plxfuzz::Pieces in(data, size);
    int edits = in.byte() % 6;
    struct Edit {
        uint8_t kind;
        std::string section, key, value;
    } edit[6];
    for (int i = 0; i < edits; ++i) {
        edit[i].kind = in.byte();
        // The store takes C texts.
        edit[i].section = in.next().c_str();
        edit[i].key = in.next().c_str();
        edit[i].value = in.next().c_str();
    }
    const std::string path = plxfuzz::homeFile("fuzz.ini");
    plxfuzz::removeHomeFiles("fuzz.ini");
    if (!plxfuzz::writeFile(path, in.rest())) plxfuzz::fail(__FILE__, __LINE__, "cannot write " + path);

    CMySettings store;
    PLX_FUZZ_CHECK(store.setupWithPath(path.c_str()) == 0, "the store did not load its file");
    std::map<Name, bool> names;
    collectNames(store, &names);
    Values values = readAll(store, names);
    for (const auto& [name, value] : values)
        if (value != kMissing) {
            // Just big enough, and one byte short.
            readBounded(store, name, value, static_cast<int32_t>(value.size()) + 1);
            if (!value.empty()) readBounded(store, name, value, static_cast<int32_t>(value.size()));
        }

    for (int i = 0; i < edits; ++i) {
        const Edit& e = edit[i];
        Name name{e.section, e.key};
        std::string before(store.text(), static_cast<size_t>(store.textLength()));
        if (e.kind & 1) {
            store.remove(e.section.c_str(), e.key.c_str());
            checkSame(values, store, &name, "after a remove");
            names[name] = true;
            values[name] = read(store, name);
            continue;
        }
        int32_t result = (e.kind & 2) ? store.set(e.section.c_str(), e.key.c_str(), std::atoi(e.value.c_str()))
                                      : store.set(e.section.c_str(), e.key.c_str(), e.value.c_str());
        std::string stored = (e.kind & 2) ? std::to_string(std::atoi(e.value.c_str())) : e.value;
        if (result != 0) {
            PLX_FUZZ_CHECK(std::string(store.text(), static_cast<size_t>(store.textLength())) == before,
                           "a refused set changed the text");
            continue;
        }
        PLX_FUZZ_CHECK(read(store, name) == stored,
                       "[" + plxfuzz::printable(e.section) + "] " + plxfuzz::printable(e.key) +
                           " does not read back as set");
        checkSame(values, store, &name, "after a set");
        names[name] = true;
        values[name] = stored;
    }

    if (store.save() != 0) return 0;
    std::string saved;
    PLX_FUZZ_CHECK(plxfuzz::readFile(path, &saved), "the saved file cannot be read");
    CMySettings again;
    PLX_FUZZ_CHECK(again.setupWithPath(path.c_str()) == 0, "the saved file does not load");
    checkSame(values, again, nullptr, "after save and load");
    PLX_FUZZ_CHECK(again.save() == 0, "the loaded file cannot be saved again");
    std::string resaved;
    PLX_FUZZ_CHECK(plxfuzz::readFile(path, &resaved), "the file saved again cannot be read");
    PLX_FUZZ_CHECK(resaved == saved, "saving a loaded file changes it\n--- first:\n" +
                                         plxfuzz::printable(saved, 1000) + "\n--- then:\n" +
                                         plxfuzz::printable(resaved, 1000));
    return 0;
}
