#include "host/project_edit.h"

#include <cerrno>
#include <cstdio>
#include <map>
#include <memory>
#include <system_error>
#include <set>
#include <vector>

#include "host/file_open.h"
#include "host/project_file.h"
#include "host/project_writer.h"
#include "host/text_digest.h"

namespace plxhost {

namespace {

struct SourceLine {
    std::string text; // without its line end
    std::string end;  // "\n", "\r\n", or empty for a last line without one
};

// The lines as the reader numbers them: split at LF, a CR before it
// belonging to the line end.
std::vector<SourceLine> splitSource(const std::string& text) {
    std::vector<SourceLine> lines;
    size_t i = 0;
    while (i < text.size()) {
        size_t nl = text.find('\n', i);
        SourceLine line;
        if (nl == std::string::npos) {
            line.text = text.substr(i);
            i = text.size();
        } else {
            line.text = text.substr(i, nl - i);
            line.end = "\n";
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r\n";
            }
            i = nl + 1;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Where the statement of a line ends: after its last word, before the
// blanks and comment that follow. Words are scanned as the reader scans
// them: "#" starts a comment only where a word would start, and quoted
// text (with its escapes) may hold blanks and "#".
size_t statementEnd(const std::string& line) {
    size_t i = 0, end = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i >= line.size() || line[i] == '#') break;
        while (i < line.size() && !isBlank(line[i])) {
            if (line[i] == '"') {
                ++i;
                while (i < line.size() && line[i] != '"') i += line[i] == '\\' ? 2 : 1;
                if (i < line.size()) ++i;
            } else {
                ++i;
            }
        }
        end = i < line.size() ? i : line.size();
    }
    return end;
}

std::string indentation(const std::string& line) {
    size_t n = 0;
    while (n < line.size() && isBlank(line[n])) ++n;
    return line.substr(0, n);
}

std::string firstLineEnd(const std::vector<SourceLine>& lines) {
    for (const SourceLine& l : lines)
        if (!l.end.empty()) return l.end;
    return "\n";
}

} // namespace

bool readTextAsOpened(const Project& project, std::string* text, std::string* error) {
    auto fail = [&](const std::string& what) {
        if (error) *error = project.path + ": " + what;
        return false;
    };
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(openFile(project.path, "rb"), &std::fclose);
    if (!in) {
        int code = errno;
        return fail("cannot read the project file to save into it" +
                    (code ? " (" + std::generic_category().message(code) + ")" : std::string()) +
                    "; the project was not saved");
    }
    std::string bytes;
    // A file that has grown past what was read is not read to its end.
    bytes.reserve(static_cast<size_t>(project.sourceDigest.size));
    char chunk[65536];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, in.get())) > 0 &&
           bytes.size() <= project.sourceDigest.size)
        bytes.append(chunk, n);
    if (std::ferror(in.get()))
        return fail("cannot read the project file to save into it; the project was not saved");
    if (bytes.size() != project.sourceDigest.size || TextDigest::of(bytes) != project.sourceDigest.digest)
        return fail("the project file was changed since the project was opened; the project was "
                    "not saved, so that those changes are not overwritten");
    *text = std::move(bytes);
    return true;
}

bool editProjectText(const Project& project, const std::string& sourceText, std::string* text) {
    if (!project.sourceDigest.known) return false;
    std::vector<SourceLine> lines = splitSource(sourceText);
    std::map<int, std::string> replaced;                // line → new statement
    std::set<int> removed;                              // lines dropped
    std::map<int, std::vector<std::string>> insertions; // after line → statements
    for (const auto& layout : project.layouts) {
        const LayoutSource& source = layout->source;
        if (!source.known || source.lastLine < 1 || source.lastLine > static_cast<int>(lines.size()))
            return false;
        const auto& now = layout->slugs.data;
        for (const auto& [tag, at] : source.dataLines) {
            auto current = now.find(tag);
            auto read = source.dataAsRead.find(tag);
            if (current == now.end()) {
                removed.insert(at.begin(), at.end());
            } else if (read == source.dataAsRead.end() || read->second != current->second) {
                // The last line of a tag is the one that counts; earlier
                // ones were already overridden and stay as written.
                std::string statement = dataStatement(tag, current->second);
                if (statement.empty()) continue;
                replaced[at.back()] = statement;
            }
        }
        for (const auto& [tag, bytes] : now) {
            if (source.dataLines.count(tag)) continue;
            std::string statement = dataStatement(tag, bytes);
            if (!statement.empty()) insertions[source.lastLine].push_back(statement);
        }
    }
    for (int lineNo : removed)
        if (lineNo < 1 || lineNo > static_cast<int>(lines.size())) return false;
    for (const auto& entry : replaced)
        if (entry.first < 1 || entry.first > static_cast<int>(lines.size())) return false;

    std::string eol = firstLineEnd(lines);
    std::string out;
    out.reserve(sourceText.size() + 256);
    for (size_t i = 0; i < lines.size(); ++i) {
        int lineNo = static_cast<int>(i) + 1;
        SourceLine line = lines[i];
        if (removed.count(lineNo)) continue;
        auto r = replaced.find(lineNo);
        if (r != replaced.end()) {
            size_t end = statementEnd(line.text);
            line.text = indentation(line.text) + r->second + line.text.substr(end);
        }
        auto ins = insertions.find(lineNo);
        if (ins != insertions.end() && line.end.empty()) line.end = eol;
        out += line.text;
        out += line.end;
        if (ins == insertions.end()) continue;
        std::string indent = indentation(line.text);
        if (indent.empty()) indent = "  ";
        for (const std::string& statement : ins->second) out += indent + statement + line.end;
    }
    *text = out;
    return true;
}

void rememberSavedText(Project& project, const std::string& text) {
    std::string error;
    std::unique_ptr<Project> again = parseProject(text, project.name, &error);
    bool matches = again && again->layouts.size() == project.layouts.size();
    for (size_t i = 0; matches && i < project.layouts.size(); ++i)
        matches = again->layouts[i]->name == project.layouts[i]->name;
    if (!matches) {
        // Cannot happen for a text this host wrote; then the next save
        // writes the project whole rather than editing lines it cannot place.
        project.sourceDigest = SourceDigest{};
        return;
    }
    project.sourceDigest = again->sourceDigest;
    for (size_t i = 0; i < project.layouts.size(); ++i)
        project.layouts[i]->source = again->layouts[i]->source;
}

} // namespace plxhost
