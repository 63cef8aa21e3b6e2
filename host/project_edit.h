// Saving a project that was read from a file by editing that file's text:
// only the statements whose values changed are rewritten, so comments,
// blank lines, indentation and the person's own way of writing (a
// "spreads facing", a text data value) stay as they were.
#pragma once

#include <string>

#include "host/project.h"

namespace plxhost {

// The project's file as it is now, which must be the text the project was
// read from (or last saved as): its size and digest are checked. False with
// *error set when it cannot be read or was changed since (someone else's
// edits are not to be overwritten by a save).
bool readTextAsOpened(const Project& project, std::string* text, std::string* error);

// The project's text, `sourceText` (as readTextAsOpened gave it), with its
// layouts' data statements brought up to date:
// a changed tag's last data line is rewritten in place (its indentation and
// trailing comment kept), the lines of a tag no longer held are removed,
// and a new tag's line is added after the layout's last statement. False
// when the project has no text of its own or a layout was not read from it;
// the caller then writes the project whole.
bool editProjectText(const Project& project, const std::string& sourceText, std::string* text);

// After `text` was saved: it becomes the project's text (its digest), and each layout's
// record of its lines and data is taken from it, so that the next save
// edits the file as it is now.
void rememberSavedText(Project& project, const std::string& text);

} // namespace plxhost
