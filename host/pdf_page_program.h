// The PostScript that shows a page of a PDF through Ghostscript's own PDF
// interpreter, so that the page keeps what it is made of (text, vectors,
// images, embedded fonts) while the job around it stays the host's.
// See docs/pdf-documents.md.
#pragma once

#include <string>

#include "host/project.h"

namespace plxhost {

// Draws the source page into the current user space taken as the shown
// page's default user space: origin at its lower-left corner, y upwards,
// the page as shown (the box's rotation applied) filling the rectangle 0 0
// shownWidth shownHeight. Only the shown box is drawn. Leaves the graphics state and the stacks as it found them.
//
// When Ghostscript cannot read the file or draw the page, the program ends
// with Ghostscript's error, its command being sourceFailureMarker(index),
// so that the caller can tell which of its source pages failed.
std::string pdfPageProgram(const PageSource& source, int index);

// The size of the source page as shown (its box, turned by its rotation).
double shownWidth(const PageSource& source);
double shownHeight(const PageSource& source);

// "PLX-SOURCE-<index>": the marker a failed source page leaves in
// Ghostscript's error message.
std::string sourceFailureMarker(int index);

// Finds a marker in Ghostscript's message: the source's index and the
// error's name ("ioerror", …). False when the message has none.
bool findSourceFailure(const std::string& message, int* index, std::string* errorName);

// What an error of Ghostscript's PDF interpreter means for a page, for
// people.
std::string sourceFailureText(const std::string& errorName);

} // namespace plxhost
