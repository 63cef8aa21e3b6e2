// Where `export --to` points, as every command-line tool reads a path:
// relative to the current directory; "." or an existing folder (or a path
// ending in "/") means that folder with the name the dialog proposes.
#pragma once

#include <string>

namespace plxcli {

struct ExportTarget {
    std::string folder; // absolute
    std::string name;   // empty: the name the dialog proposes
};

// Resolves and checks --to before the dialog opens: the folder must exist,
// be a folder all the way, and take a new file. False with *error (naming
// the real reason) otherwise.
bool resolveTarget(const std::string& to, ExportTarget* target, std::string* error);

} // namespace plxcli
