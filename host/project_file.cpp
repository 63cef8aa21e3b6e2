#include "host/project_file.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <unordered_set>
#include <utility>
#include <vector>

#include "host/file_open.h"
#include "host/pdf_document.h"
#include "host/text_digest.h"

namespace plxhost {

namespace {

constexpr int kMaxPages = 9999;
constexpr int kMaxMasters = 127;

struct ParseError {
    int line;
    std::string what;
};

// One line split into words; a word may be quoted ("…" with \" and \\), and
// key=value words keep their value quoted or bare.
struct Word {
    std::string key;   // for key=value, the key; else empty
    std::string value; // the word, or the value of key=value
};

std::vector<Word> splitWords(const std::string& line, int lineNo) {
    std::vector<Word> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size() || line[i] == '#') break;
        Word w;
        std::string text;
        bool sawEquals = false;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            char c = line[i];
            if (c == '=' && !sawEquals && w.key.empty() && !text.empty()) {
                w.key = text;
                text.clear();
                sawEquals = true;
                ++i;
            } else if (c == '"') {
                ++i;
                bool closed = false;
                while (i < line.size()) {
                    char q = line[i++];
                    if (q == '"') {
                        closed = true;
                        break;
                    }
                    if (q == '\\' && i < line.size()) {
                        char e = line[i++];
                        text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
                    } else {
                        text += q;
                    }
                }
                if (!closed) throw ParseError{lineNo, "unterminated quoted text"};
            } else {
                text += c;
                ++i;
            }
        }
        w.value = text;
        words.push_back(w);
    }
    return words;
}

int toInt(const std::string& s, int lineNo, const char* what, int lo, int hi) {
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(s.c_str(), &end, 10);
    // The whole word must be the number: a NUL inside it would end the
    // C string early and hide what follows.
    if (s.empty() || end != s.c_str() + s.size() || errno == ERANGE)
        throw ParseError{lineNo, std::string(what) + " must be a whole number, not \"" + s + "\""};
    if (v < lo || v > hi)
        throw ParseError{lineNo, std::string(what) + " must be from " + std::to_string(lo) +
                                     " to " + std::to_string(hi) + ", not " + s};
    return static_cast<int>(v);
}

double toNumber(const std::string& s, int lineNo, const char* what, double lo, double hi) {
    char* end = nullptr;
    double v = std::strtod(s.c_str(), &end);
    if (s.empty() || end != s.c_str() + s.size() || !std::isfinite(v))
        throw ParseError{lineNo, std::string(what) + " must be a number, not \"" + s + "\""};
    if (v < lo || v > hi) {
        std::ostringstream m;
        m << what << " must be from " << lo << " to " << hi << ", not " << s;
        throw ParseError{lineNo, m.str()};
    }
    return v;
}

std::string hexBytes(const std::string& hex, int lineNo) {
    if (hex.size() % 2) throw ParseError{lineNo, "hex data must have an even number of digits"};
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        auto digit = [&](char c) -> int {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            throw ParseError{lineNo, std::string("not a hex digit: '") + c + "'"};
        };
        out += static_cast<char>(digit(hex[i]) * 16 + digit(hex[i + 1]));
    }
    return out;
}

struct LayoutDraft {
    std::unique_ptr<Layout> layout;
    int line = 0;
    bool sawPages = false;
    std::string spreadMode = "single";
    std::vector<std::pair<int, std::vector<int>>> explicitSpreads; // line, pages
    int currentPageLine = 0;
    int selectedLine = 0;
    std::vector<int> boxLines;
    // The box ids taken, a bit each, as long as the largest: ids are at
    // most six digits, and a set of ten thousand ids took more memory than
    // the parser kept of its boxes' lines, for the parse alone.
    std::vector<uint64_t> boxIds;

    // False when the id was taken before.
    bool takeBoxId(int id) {
        size_t word = static_cast<size_t>(id) / 64;
        uint64_t bit = uint64_t{1} << (static_cast<size_t>(id) % 64);
        if (word >= boxIds.size()) boxIds.resize(std::max(word + 1, boxIds.size() * 2));
        if (boxIds[word] & bit) return false;
        boxIds[word] |= bit;
        return true;
    }
};

class Parser {
  public:
    Parser() : project_(std::make_unique<Project>()) {}

    // The next line of the text, without its LF (a CR before it is taken
    // off here). The line's buffer may be reused by the caller.
    void feed(std::string& line) {
        ++lineNo_;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (lineNo_ == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
        std::vector<Word> words = splitWords(line, lineNo_);
        if (!words.empty()) handle(words, lineNo_);
    }

    std::unique_ptr<Project> finish() {
        finishLayout();
        if (project_->layouts.empty()) throw ParseError{lineNo_, "the project has no layout"};
        if (!currentLayout_.empty()) {
            size_t k = 0;
            while (k < project_->layouts.size() && project_->layouts[k]->name != currentLayout_) ++k;
            if (k == project_->layouts.size())
                throw ParseError{currentLayoutLine_, "no layout is named \"" + currentLayout_ + "\""};
            currentIndex_ = static_cast<int>(k);
        }
        project_->currentLayout = currentIndex_;
        return std::move(project_);
    }

  private:
    void handle(const std::vector<Word>& w, int lineNo) {
        const std::string& kw = w[0].value;
        if (!w[0].key.empty()) throw ParseError{lineNo, "a line starts with a keyword, not \"" + w[0].key + "=\""};
        if (kw == "layout") {
            expectArgs(w, lineNo, 1, 1);
            finishLayout();
            if (!layoutNames_.insert(w[1].value).second)
                throw ParseError{lineNo, "a second layout is named \"" + w[1].value + "\""};
            if (w[1].value.empty()) throw ParseError{lineNo, "a layout needs a name"};
            draft_.layout = std::make_unique<Layout>();
            draft_.layout->name = w[1].value;
            draft_.layout->source.known = true;
            draft_.layout->source.lastLine = lineNo;
            draft_.line = lineNo;
            return;
        }
        if (kw == "current-layout") {
            expectArgs(w, lineNo, 1, 1);
            currentLayout_ = w[1].value;
            currentLayoutLine_ = lineNo;
            return;
        }
        if (!draft_.layout)
            throw ParseError{lineNo, "\"" + kw + "\" must follow a \"layout\" line"};
        Layout& l = *draft_.layout;
        l.source.lastLine = lineNo;
        if (kw == "page-size") {
            expectArgs(w, lineNo, 2, 2);
            l.pageWidth = toNumber(w[1].value, lineNo, "the page width", 1, 16000);
            l.pageHeight = toNumber(w[2].value, lineNo, "the page height", 1, 16000);
        } else if (kw == "pages") {
            expectArgs(w, lineNo, 1, 1);
            l.numPages = toInt(w[1].value, lineNo, "the page count", 1, kMaxPages);
            draft_.sawPages = true;
        } else if (kw == "master") {
            expectArgs(w, lineNo, 1, 1);
            if (static_cast<int>(l.masters.size()) >= kMaxMasters)
                throw ParseError{lineNo, "a layout has at most 127 master pages"};
            l.masters.push_back(w[1].value);
        } else if (kw == "section") {
            section(w, lineNo, l);
        } else if (kw == "spreads") {
            expectArgs(w, lineNo, 1, 1);
            if (w[1].value != "single" && w[1].value != "facing")
                throw ParseError{lineNo, "spreads are \"single\" or \"facing\", not \"" + w[1].value + "\""};
            draft_.spreadMode = w[1].value;
        } else if (kw == "spread") {
            if (w.size() < 2) throw ParseError{lineNo, "a spread lists its pages"};
            std::vector<int> pages;
            for (size_t i = 1; i < w.size(); ++i)
                pages.push_back(toInt(w[i].value, lineNo, "a spread's page", 1, kMaxPages));
            draft_.explicitSpreads.push_back({lineNo, pages});
        } else if (kw == "box") {
            box(w, lineNo, l);
        } else if (kw == "page-source") {
            expectArgs(w, lineNo, 3, 3);
            PageSourceLine source;
            source.line = lineNo;
            source.page = toInt(w[1].value, lineNo, "the page", 1, kMaxPages);
            source.file = w[2].value;
            if (source.file.empty()) throw ParseError{lineNo, "a page source names a PDF file"};
            source.pdfPage = toInt(w[3].value, lineNo, "the PDF's page", 1, 99999);
            l.source.pageSources.push_back(source);
        } else if (kw == "current-page") {
            expectArgs(w, lineNo, 1, 1);
            l.currentPage = toInt(w[1].value, lineNo, "the current page", 1, kMaxPages);
            draft_.currentPageLine = lineNo;
        } else if (kw == "data") {
            expectArgs(w, lineNo, 2, 2);
            uint32_t tag = tagOf(w[1].value, lineNo);
            l.slugs.data[tag] = dataOf(w[2], lineNo);
            l.source.dataLines[tag].push_back(lineNo);
        } else {
            throw ParseError{lineNo, "unknown keyword \"" + kw + "\""};
        }
    }

    static void expectArgs(const std::vector<Word>& w, int lineNo, size_t lo, size_t hi) {
        size_t n = w.size() - 1;
        if (n < lo || n > hi) {
            std::string want = lo == hi ? std::to_string(lo) : std::to_string(lo) + " to " + std::to_string(hi);
            throw ParseError{lineNo, "\"" + w[0].value + "\" takes " + want + " value" +
                                         (hi == 1 ? "" : "s") + ", not " + std::to_string(n)};
        }
        for (size_t i = 1; i < w.size(); ++i)
            if (!w[i].key.empty() && w[0].value != "data")
                throw ParseError{lineNo, "\"" + w[0].value + "\" takes no \"" + w[i].key + "=\""};
    }

    static uint32_t tagOf(const std::string& s, int lineNo) {
        // Printable ASCII only: a NUL would end the code early, and the file
        // could not name the tag when it is written back.
        if (s.size() != 4) throw ParseError{lineNo, "a data tag has four characters, not \"" + s + "\""};
        for (unsigned char c : s)
            if (c <= ' ' || c >= 0x7F)
                throw ParseError{lineNo, "a data tag has printable ASCII characters only"};
        return xtFourCharCode(s.c_str());
    }

    static std::string dataOf(const Word& w, int lineNo) {
        if (w.key == "hex") return hexBytes(w.value, lineNo);
        if (!w.key.empty()) throw ParseError{lineNo, "data is text or hex=…, not \"" + w.key + "=\""};
        return w.value;
    }

    void section(const std::vector<Word>& w, int lineNo, Layout& l) {
        if (w.size() < 2) throw ParseError{lineNo, "a section names its first page"};
        Section s;
        s.firstPage = toInt(w[1].value, lineNo, "the section's first page", 1, kMaxPages);
        for (size_t i = 2; i < w.size(); ++i) {
            const Word& a = w[i];
            if (a.key == "start") {
                s.start = toInt(a.value, lineNo, "the section's start number", 1, 99999);
            } else if (a.key == "format") {
                if (a.value.size() != 1 || std::string("1iIaA").find(a.value[0]) == std::string::npos)
                    throw ParseError{lineNo, "a section's format is 1, i, I, a or A, not \"" + a.value + "\""};
                s.format = a.value[0];
            } else if (a.key == "prefix") {
                s.prefix = a.value;
            } else {
                throw ParseError{lineNo, "a section takes start=, format= and prefix=, not \"" +
                                             (a.key.empty() ? a.value : a.key + "=") + "\""};
            }
        }
        for (const Section& other : l.sections)
            if (other.firstPage == s.firstPage)
                throw ParseError{lineNo, "two sections start at page " + std::to_string(s.firstPage)};
        l.sections.push_back(s);
    }

    void box(const std::vector<Word>& w, int lineNo, Layout& l) {
        if (w.size() < 2) throw ParseError{lineNo, "a box needs an id"};
        Box b;
        bool selected = false;
        b.id = toInt(w[1].value, lineNo, "a box id", 1, 999999);
        // Looked up, not searched for among the boxes so far: layouts of a
        // hundred thousand boxes are read in linear time.
        if (!draft_.takeBoxId(b.id))
            throw ParseError{lineNo, "a second box has the id " + w[1].value};
        bool sawW = false, sawH = false;
        for (size_t i = 2; i < w.size(); ++i) {
            const Word& a = w[i];
            if (a.key == "page") b.page = toInt(a.value, lineNo, "a box's page", 1, kMaxPages);
            else if (a.key == "x") b.x = toNumber(a.value, lineNo, "x", -16000, 16000);
            else if (a.key == "y") b.y = toNumber(a.value, lineNo, "y", -16000, 16000);
            else if (a.key == "w") { b.width = toNumber(a.value, lineNo, "w", 0.01, 16000); sawW = true; }
            else if (a.key == "h") { b.height = toNumber(a.value, lineNo, "h", 0.01, 16000); sawH = true; }
            else if (a.key == "fill") b.fill = toNumber(a.value, lineNo, "fill", 0, 1);
            else if (a.key == "text") b.text = a.value;
            else if (a.key.empty() && a.value == "selected") {
                if (l.selectedBox || selected) throw ParseError{lineNo, "only one box of a layout can be selected"};
                selected = true;
                draft_.selectedLine = lineNo;
            } else
                throw ParseError{lineNo, "a box takes page=, x=, y=, w=, h=, fill=, text= and selected, not \"" +
                                             (a.key.empty() ? a.value : a.key + "=") + "\""};
        }
        if (!sawW || !sawH) throw ParseError{lineNo, "a box needs w= and h="};
        draft_.boxLines.push_back(lineNo);
        Box& kept = l.boxes.add();
        kept = std::move(b);
        if (selected) l.selectedBox = &kept;
    }

    void finishLayout() {
        if (!draft_.layout) return;
        Layout& l = *draft_.layout;
        if (!draft_.sawPages) throw ParseError{draft_.line, "layout \"" + l.name + "\" has no \"pages\" line"};
        if (l.masters.empty()) l.masters.push_back("A-Master");
        std::sort(l.sections.begin(), l.sections.end(),
                  [](const Section& a, const Section& b) { return a.firstPage < b.firstPage; });
        if (l.sections.empty() || l.sections.front().firstPage != 1) l.sections.insert(l.sections.begin(), Section{});
        for (const Section& s : l.sections)
            if (s.firstPage > l.numPages)
                throw ParseError{draft_.line, "layout \"" + l.name + "\" has a section at page " +
                                                  std::to_string(s.firstPage) + " of " + std::to_string(l.numPages)};
        makeSpreads(l);
        l.source.dataAsRead = l.slugs.data;
        for (size_t i = 0; i < l.boxes.size(); ++i)
            if (l.boxes[i].page > l.numPages)
                throw ParseError{draft_.boxLines[i], "the box lies on page " + std::to_string(l.boxes[i].page) +
                                                         " of a " + std::to_string(l.numPages) + "-page layout"};
        for (const PageSourceLine& source : l.source.pageSources)
            if (source.page > l.numPages)
                throw ParseError{source.line, "the page source is for page " +
                                                  std::to_string(source.page) + " of a " +
                                                  std::to_string(l.numPages) + "-page layout"};
        if (l.currentPage > l.numPages)
            throw ParseError{draft_.currentPageLine, "the current page is past the last page"};
        project_->layouts.push_back(std::move(draft_.layout));
        draft_ = LayoutDraft();
    }

    void makeSpreads(Layout& l) {
        if (!draft_.explicitSpreads.empty()) {
            int expected = 1;
            for (const auto& [lineNo, pages] : draft_.explicitSpreads) {
                for (int p : pages) {
                    if (p != expected)
                        throw ParseError{lineNo, "spreads must list the pages in order; expected page " +
                                                     std::to_string(expected) + ", found " + std::to_string(p)};
                    ++expected;
                }
                l.spreads.add(pages);
            }
            if (expected != l.numPages + 1)
                throw ParseError{draft_.explicitSpreads.back().first,
                                 "the spreads end at page " + std::to_string(expected - 1) + " of " +
                                     std::to_string(l.numPages)};
            return;
        }
        if (draft_.spreadMode == "facing") {
            // A right-hand first page alone, then left/right pairs.
            l.spreads.reserve(static_cast<size_t>(l.numPages / 2 + 1), static_cast<size_t>(l.numPages));
            l.spreads.add({1});
            for (int p = 2; p <= l.numPages; p += 2) {
                if (p + 1 <= l.numPages) l.spreads.add({p, p + 1});
                else l.spreads.add({p});
            }
        } else {
            l.spreads.reserve(static_cast<size_t>(l.numPages), static_cast<size_t>(l.numPages));
            for (int p = 1; p <= l.numPages; ++p) l.spreads.add({p});
        }
    }

    std::unique_ptr<Project> project_;
    int lineNo_ = 0;
    LayoutDraft draft_;
    std::unordered_set<std::string> layoutNames_;
    std::string currentLayout_;
    int currentLayoutLine_ = 0;
    int currentIndex_ = 0;
};

// Cuts the text, as it comes in pieces, into lines for the parser; a line
// a piece cut off waits for the rest.
class LineFeed {
  public:
    explicit LineFeed(Parser& parser) : parser_(parser) {}

    void take(const char* bytes, size_t size) {
        const char* end = bytes + size;
        while (bytes < end) {
            const char* newline = static_cast<const char*>(std::memchr(bytes, '\n', static_cast<size_t>(end - bytes)));
            if (!newline) {
                pending_.append(bytes, end);
                return;
            }
            if (pending_.empty()) {
                line_.assign(bytes, newline);
            } else {
                pending_.append(bytes, newline);
                line_.swap(pending_);
                pending_.clear();
            }
            parser_.feed(line_);
            bytes = newline + 1;
        }
    }

    // The last line, when the text does not end with a line end.
    void end() {
        if (!pending_.empty()) parser_.feed(pending_);
    }

  private:
    Parser& parser_;
    std::string line_;
    std::string pending_;
};

SourceDigest digestOf(const std::string& text) {
    SourceDigest digest;
    digest.known = true;
    digest.size = text.size();
    digest.digest = TextDigest::of(text);
    return digest;
}

std::string readFailure(int code) {
    return "cannot read the project file" +
           (code ? " (" + std::generic_category().message(code) + ")" : std::string());
}

} // namespace

std::unique_ptr<Project> parseProject(const std::string& text, const std::string& fileName,
                                      std::string* error) {
    try {
        Parser parser;
        LineFeed lines(parser);
        lines.take(text.data(), text.size());
        lines.end();
        std::unique_ptr<Project> p = parser.finish();
        p->sourceDigest = digestOf(text);
        return p;
    } catch (const ParseError& e) {
        if (error) *error = fileName + ":" + std::to_string(e.line) + ": " + e.what;
        return nullptr;
    }
}

std::unique_ptr<Project> readProjectFile(const std::string& path, std::string* error) {
    auto fail = [&](const std::string& what) -> std::unique_ptr<Project> {
        if (error) *error = path + ": " + what;
        return nullptr;
    };
    std::error_code ec;
    if (std::filesystem::is_directory(fileSystemPath(path), ec))
        return fail("is a folder, not a project file");
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(openFile(path, "rb"), &std::fclose);
    if (!in) return fail(readFailure(errno));
    // Read and parsed a piece at a time: the text is not kept (saving reads
    // the file again and checks it against the digest), and holding all of
    // a long project's text while its boxes are made set the peak memory
    // of a whole export.
    std::unique_ptr<Project> p;
    TextDigest digest;
    uint64_t size = 0;
    bool readFailed = false;
    try {
        Parser parser;
        LineFeed lines(parser);
        char chunk[65536];
        size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, in.get())) > 0) {
            // Other documents people reach for first; their first line
            // would only give a puzzling syntax error. fread fills the
            // first piece unless the file is shorter.
            if (size == 0 && n >= 5 && std::memcmp(chunk, "%PDF-", 5) == 0)
                return fail("is a PDF document, not a project file");
            digest.update(chunk, n);
            size += n;
            lines.take(chunk, n);
        }
        readFailed = std::ferror(in.get()) != 0;
        if (!readFailed) {
            lines.end();
            p = parser.finish();
        }
    } catch (const ParseError& e) {
        if (error) *error = path + ":" + std::to_string(e.line) + ": " + e.what;
        return nullptr;
    }
    in.reset();
    if (readFailed) return fail(readFailure(0));
    p->sourceDigest.known = true;
    p->sourceDigest.size = size;
    p->sourceDigest.digest = digest.finish();
    std::filesystem::path abs = std::filesystem::absolute(fileSystemPath(path), ec);
    p->path = ec ? path : utf8Path(abs.lexically_normal());
    p->name = utf8Path(fileSystemPath(path).filename());
    if (!resolvePageSources(p.get(), path, error)) return nullptr;
    return p;
}

} // namespace plxhost
