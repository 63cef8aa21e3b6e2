// The trim-box rewrite of a PDF box export on macOS: the first "/TrimBox"
// key of the file becomes "/Trimbox", which PDF readers do not know, so
// the page keeps no trim box of the box's own beside its crop box.
#pragma once

// Rewrites the file at `path` in place (same length). False, with the file
// unchanged, when it cannot be opened or read, memory runs out, or it holds
// no "/TrimBox".
bool rewriteTrimBox(const char* path);
