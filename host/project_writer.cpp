#include "host/project_writer.h"

#include <cstdio>

#include "host/project_edit.h"
#include "host/safe_file.h"

namespace plxhost {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c; break;
        }
    }
    return out + "\"";
}

std::string number(double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.10g", v);
    return buffer;
}

std::string hex(const std::string& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 15];
    }
    return out;
}

void writeLayout(const Layout& l, std::string& out) {
    out += "layout " + quoted(l.name) + "\n";
    out += "  page-size " + number(l.pageWidth) + " " + number(l.pageHeight) + "\n";
    out += "  pages " + std::to_string(l.numPages) + "\n";
    for (const std::string& m : l.masters) out += "  master " + quoted(m) + "\n";
    for (const Section& s : l.sections) {
        out += "  section " + std::to_string(s.firstPage) + " start=" + std::to_string(s.start) +
               " format=" + std::string(1, s.format);
        if (!s.prefix.empty()) out += " prefix=" + quoted(s.prefix);
        out += "\n";
    }
    for (PageSpan spread : l.spreads) {
        out += "  spread";
        for (int p : spread) out += " " + std::to_string(p);
        out += "\n";
    }
    for (const Box& b : l.boxes) {
        out += "  box " + std::to_string(b.id) + " page=" + std::to_string(b.page) +
               " x=" + number(b.x) + " y=" + number(b.y) + " w=" + number(b.width) +
               " h=" + number(b.height);
        if (b.fill >= 0) out += " fill=" + number(b.fill);
        if (!b.text.empty()) out += " text=" + quoted(b.text);
        if (l.selectedBox == &b) out += " selected";
        out += "\n";
    }
    // As the statements named them: the files stay relative to the
    // project's folder.
    for (const PageSourceLine& source : l.source.pageSources)
        out += "  page-source " + std::to_string(source.page) + " " + quoted(source.file) + " " +
               std::to_string(source.pdfPage) + "\n";
    out += "  current-page " + std::to_string(l.currentPage) + "\n";
    for (const auto& [tag, bytes] : l.slugs.data) {
        std::string statement = dataStatement(tag, bytes);
        if (!statement.empty()) out += "  " + statement + "\n";
    }
}

} // namespace

std::string dataStatement(uint32_t tag, const std::string& bytes) {
    char name[5];
    xtFourCharText(tag, name);
    for (int i = 0; i < 4; ++i)
        if (name[i] <= ' ' || name[i] >= 127) return std::string(); // the file names tags by their letters
    return "data " + quoted(name) + " hex=" + hex(bytes);
}

// A name in a comment, quoted and escaped like a value: a line break in a
// file name must not end the comment and start a statement. Other control
// characters have no escape in the format and are shown as "\xHH".
static std::string commentName(const std::string& name) {
    std::string out;
    for (char c : quoted(name)) {
        unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02x", u);
            out += escape;
        } else {
            out += c;
        }
    }
    return out;
}

std::string projectFileText(const Project& project, int32_t frontDocRef) {
    std::string out = "# " + commentName(project.name) + "\n";
    const Layout* front = nullptr;
    for (const auto& l : project.layouts) {
        out += "\n";
        writeLayout(*l, out);
        if (l->docRef == frontDocRef) front = l.get();
    }
    if (front) out += "\ncurrent-layout " + quoted(front->name) + "\n";
    return out;
}

bool writeProjectFile(Project& project, int32_t frontDocRef, std::string* error) {
    if (project.path.empty()) {
        if (error) *error = "the project \"" + project.name + "\" has no file to be saved to";
        return false;
    }
    // A project read from its file is saved by editing the file's text as
    // it is now, which must still be the text that was read.
    std::string text;
    if (project.sourceDigest.known) {
        std::string asOpened;
        if (!readTextAsOpened(project, &asOpened, error)) return false;
        if (!editProjectText(project, asOpened, &text)) text = projectFileText(project, frontDocRef);
    } else {
        text = projectFileText(project, frontDocRef);
    }
    PendingFile file;
    if (!file.open(project.path, error)) return false;
    if (!file.write(text.data(), text.size())) {
        if (error) *error = project.path + ": the project could not be written";
        return false;
    }
    if (!file.commit(error)) return false;
    rememberSavedText(project, text);
    return true;
}

} // namespace plxhost
